// The stand-in's two panels. The control panel opens and closes the port, sends a line,
// turns the console off ("Quiet") and shows a file-open dialog; its console shows each received
// line, black when it holds a '*' and red when not. The graphics panel is dark blue with a square
// that turns from red to green when the first line has arrived.

#include "stand_in.h"

#include <commdlg.h>
#include <richedit.h>

#include <cstring>
#include <cwchar>
#include <iterator>

namespace {

constexpr COLORREF backgroundColor = RGB(0, 0, 96);
constexpr COLORREF waitingColor = RGB(255, 0, 0);
constexpr COLORREF receivingColor = RGB(0, 255, 0);
constexpr LRESULT maxConsoleLines = 2000;  // as the program keeps it

void setConsoleColor(COLORREF color) {
    CHARFORMATW format{};
    format.cbSize = sizeof format;
    format.dwMask = CFM_COLOR;
    format.crTextColor = color;
    SendMessageW(standIn.console, EM_SETCHARFORMAT, SCF_SELECTION,
                 reinterpret_cast<LPARAM>(&format));
}

// The port name is what stands between "(" and ")" in the list item.
void onStart(HWND panel) {
    if (portIsOpen()) {
        closePort();
        SetDlgItemTextW(panel, IDC_START, L"Start");
        setStatus(L"closed");
        return;
    }
    wchar_t item[128] = {};
    GetDlgItemTextW(panel, IDC_PORT_LIST, item, static_cast<int>(std::size(item)));
    wchar_t* open = wcschr(item, L'(');
    wchar_t* close = open != nullptr ? wcschr(open, L')') : nullptr;
    if (close == nullptr) {
        setStatus(L"no port");
        return;
    }
    *close = 0;
    if (!openPort(open + 1, standIn.main)) {
        SetWindowTextW(standIn.console, L"ComPort ERROR!!");
        return;
    }
    SetWindowTextW(standIn.console, L"");
    SetDlgItemTextW(panel, IDC_START, L"Close");
    wchar_t status[64];
    std::swprintf(status, std::size(status), L"open %ls", open + 1);
    setStatus(status);
}

void onSend(HWND panel) {
    char text[256];
    // Room is left for the CR LF that ends the line.
    const UINT length =
        GetDlgItemTextA(panel, IDC_SEND_TEXT, text, static_cast<int>(std::size(text) - 2));
    text[length] = '\r';
    text[length + 1] = '\n';
    setStatus(writePort(text, length + 2) ? L"sent" : L"send failed");
}

void onOpenFile() {
    wchar_t path[MAX_PATH] = {};
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = standIn.main;
    dialog.lpstrFilter = L"Log Files(*.txt)\0*.txt\0";
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = path;
    dialog.nMaxFile = static_cast<DWORD>(std::size(path));
    dialog.lpstrTitle = L"WAVE Files";
    dialog.Flags =
        OFN_EXPLORER | OFN_ENABLESIZING | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST | OFN_HIDEREADONLY;
    setStatus(GetOpenFileNameW(&dialog) ? path : L"cancelled");
}

INT_PTR CALLBACK controlPanelProc(HWND panel, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_INITDIALOG) {
        return TRUE;
    }
    if (message != WM_COMMAND) {
        return FALSE;
    }
    switch (LOWORD(wParam)) {
        case IDC_START:
            onStart(panel);
            return TRUE;
        case IDC_SEND:
            onSend(panel);
            return TRUE;
        case IDC_QUIET:
            PostMessageW(standIn.main, WM_STAND_IN_QUIET,
                         IsDlgButtonChecked(panel, IDC_QUIET) == BST_CHECKED, 0);
            return TRUE;
        case IDC_OPEN_FILE:
            onOpenFile();
            return TRUE;
        default:
            return FALSE;
    }
}

void paintGraphicsPanel(HWND panel) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(panel, &paint);
    RECT client;
    GetClientRect(panel, &client);
    HBRUSH background = CreateSolidBrush(backgroundColor);
    FillRect(dc, &client, background);
    DeleteObject(background);
    HBRUSH square = CreateSolidBrush(linesReceived > 0 ? receivingColor : waitingColor);
    const RECT box{10, 10, 40, 40};
    FillRect(dc, &box, square);
    DeleteObject(square);
    EndPaint(panel, &paint);
}

INT_PTR CALLBACK graphicsPanelProc(HWND panel, UINT message, WPARAM, LPARAM) {
    if (message == WM_INITDIALOG) {
        return TRUE;
    }
    if (message == WM_PAINT) {
        paintGraphicsPanel(panel);
        return TRUE;
    }
    return FALSE;
}

}  // namespace

bool createPanels(HINSTANCE instance, HWND main) {
    standIn.controlPanel = CreateDialogParamW(
        instance, MAKEINTRESOURCEW(IDD_STAND_IN_CONTROL_PANEL), main, controlPanelProc, 0);
    standIn.graphicsPanel = CreateDialogParamW(
        instance, MAKEINTRESOURCEW(IDD_STAND_IN_GRAPHICS_PANEL), main, graphicsPanelProc, 0);
    if (standIn.controlPanel == nullptr || standIn.graphicsPanel == nullptr) {
        return false;
    }
    RECT client;
    GetClientRect(main, &client);
    const int half = client.bottom / 2;
    MoveWindow(standIn.controlPanel, 0, 0, client.right, half, TRUE);
    MoveWindow(standIn.graphicsPanel, 0, half, client.right, client.bottom - half, TRUE);
    ShowWindow(standIn.graphicsPanel, SW_SHOW);
    LoadLibraryW(L"RICHED32.DLL");
    standIn.console = CreateWindowExW(
        0, L"RICHEDIT", L"",
        WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_READONLY, 20, 150,
        945, 200, standIn.controlPanel, nullptr, instance, nullptr);
    listPorts(GetDlgItem(standIn.controlPanel, IDC_PORT_LIST));
    return standIn.console != nullptr;
}

// Inserts at the console's selection with the line's colour, as the program's console
// does; after each insertion the selection sits at the end, so lines follow each other.
void appendConsoleLine(const char* line) {
    if (SendMessageW(standIn.console, EM_GETLINECOUNT, 0, 0) > maxConsoleLines) {
        SetWindowTextW(standIn.console, L"");
    }
    wchar_t text[lineCapacity];
    std::size_t length = 0;
    for (; line[length] != 0 && length + 1 < std::size(text); ++length) {
        text[length] = static_cast<unsigned char>(line[length]);
    }
    text[length] = 0;
    setConsoleColor(std::strchr(line, '*') != nullptr ? RGB(0, 0, 0) : RGB(255, 0, 0));
    SendMessageW(standIn.console, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text));
}

void setStatus(const wchar_t* text) {
    SetDlgItemTextW(standIn.controlPanel, IDC_STATUS, text);
}
