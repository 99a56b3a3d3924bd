#pragma once
// Resources and controls; the control ids are those of the program's control panel.
#define IDD_STAND_IN_ABOUT 101
#define IDR_STAND_IN_ACCEL 104
#define IDR_STAND_IN_MENU 105
#define IDD_STAND_IN_CONTROL_PANEL 106
#define IDD_STAND_IN_GRAPHICS_PANEL 107
#define IDC_PORT_LIST 1000
#define IDC_START 1004
#define IDC_STATUS 1005
#define IDC_SEND 1008
#define IDC_QUIET 1012
#define IDC_OPEN_FILE 1014
#define IDC_SEND_TEXT 1022
#define IDM_STAND_IN_ABOUT 40001
#define IDM_STAND_IN_EXIT 40002

#define IDT_STAND_IN_TITLE 1

// Messages from the reader thread to the window.
#define WM_STAND_IN_LINE (WM_APP + 1)       // lParam: the NUL-terminated line, sent
#define WM_STAND_IN_PORT_LOST (WM_APP + 2)  // wParam: the error code, posted
// From the control panel: "Quiet" was ticked (wParam 1) or cleared (0), posted as the
// program's check boxes post their commands.
#define WM_STAND_IN_QUIET (WM_APP + 3)
