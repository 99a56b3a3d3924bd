// Resource, control, command and timer identifiers. Contiguous ranges per
// dialog; shared by the resource script and the code.
#pragma once

// Resources
#define IDD_ABOUT 101
#define IDB_PANEL 102
#define IDI_APP 103
#define IDR_ACCEL 104
#define IDS_APP_TITLE 104
#define IDR_MENU 105
#define IDD_CONTROL_PANEL 106
#define IDD_GRAPHICS_PANEL 107
#define IDD_STATISTICS 108
#define IDD_CAMPAIGN 109

// Control panel (dialog 106)
#define IDC_COM_PORT 1000
#define IDC_BAUD_RATE 1001
#define IDC_SCAN_PORTS 1002
#define IDC_COLD_START 1003
#define IDC_START_GPS 1004
#define IDC_CORE_VER 1005
#define IDC_FW_VER 1006
#define IDC_P_VERSION 1007
#define IDC_SEND 1008
#define IDC_VTG 1009
#define IDC_POWER_SAVE 1010
#define IDC_GSV_GSA 1011
#define IDC_LOG_FILE 1012
#define IDC_AUTO 1013
#define IDC_GET_VERSION 1014
#define IDC_FACTORY_RESET 1015
#define IDC_AUTO_PERIOD 1016
#define IDC_QUANTITY 1017
#define IDC_COMPARISON 1018
#define IDC_CHANGE_BAUD 1019
#define IDC_LOG_NAME 1020
#define IDC_MOD 1021
#define IDC_SEND_TEXT 1022
#define IDC_DEFAULT_MODE 1023
#define IDC_NEW_BAUD 1024

// Statistics window (dialog 108)
#define IDC_REF_LAT 1100
#define IDC_REF_LON 1101
#define IDC_REF_SET 1102
#define IDC_REF_MEAN 1103
#define IDC_SAVE_REPORT 1104
#define IDC_STAT_AREA 1105

// Campaign window (dialog 109)
#define IDC_CAMP_KIND 1110
#define IDC_CAMP_FAMILY 1111
#define IDC_CAMP_COUNT 1112
#define IDC_CAMP_TIMEOUT 1113
#define IDC_CAMP_SETTLE 1114
#define IDC_CAMP_LAT 1115
#define IDC_CAMP_LON 1116
#define IDC_CAMP_START 1117
#define IDC_CAMP_STOP 1118
#define IDC_CAMP_AREA 1119

// Menu and accelerator commands
#define IDM_ABOUT 40001
#define IDM_EXIT 40002
#define IDM_SET_TIME 40004
#define IDM_STATISTICS 40005
#define IDM_CAMPAIGN 40006

// Timers of the main window
#define IDT_DEVICE_CHANGE 4096
#define IDT_AUTO_SEND 4098
#define IDT_COMMAND_STEP 4100
#define IDT_CAMPAIGN 4101
