#include "control_panel.h"

#include <commctrl.h>

#include <initializer_list>
#include <iterator>

#include "window/messages.h"
#include "base/wide_win32.h"
#include "res/resource.h"
#include "serial/baud_rates.h"

namespace {

const wchar_t* const baudRateTexts[] = {L"4800",  L"9600",   L"19200",  L"38400",
                                        L"57600", L"115200", L"460800", L"921600"};

// The rate lists' positions are rate indexes: the texts follow the rate table.
static_assert(std::size(baudRateTexts) == baudRateCount, "one text per line rate");

template <std::size_t N>
void addItems(HWND list, const wchar_t* const (&items)[N]) {
    for (const wchar_t* item : items) {
        SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    }
}

// Heights include the dropped-down lists.
void placeList(HWND list, int left, int top, int right, int bottom) {
    MoveWindow(list, left, top, right - left, bottom - top, TRUE);
}

}  // namespace

int CControlPanel::create(HINSTANCE instance, HWND parent) {
    const HWND dialog = CreateDialogParamW(instance, MAKEINTRESOURCEW(IDD_CONTROL_PANEL), parent,
                                           dialogAdapter, reinterpret_cast<LPARAM>(this));
    return dialog != nullptr ? 1 : 0;
}

LRESULT CControlPanel::handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            return onInitDialog();
        case WM_COMMAND:
            onCommand(LOWORD(wParam));
            return 0;
        case WM_PAINT:
            paintNothing(window);
            return 0;
        case WM_DESTROY:
            return 0;
        case WM_TIMER:
            if (wParam == ConsolePane::flushTimer) {
                consolePane.onFlushTimer();
            }
            return 0;
        default:
            return DefWindowProcW(window, message, wParam, lParam);
    }
}

LRESULT CControlPanel::onInitDialog() {
    placeAndFillLists();
    createConsole();
    return 1;
}

void CControlPanel::placeAndFillLists() {
    placeList(control(IDC_COM_PORT), 100, 0, 540, 140);
    placeList(control(IDC_BAUD_RATE), 100, 30, 240, 140);
    placeList(control(IDC_NEW_BAUD), 705, 36, 825, 140);
    for (int id : {IDC_BAUD_RATE, IDC_COM_PORT, IDC_NEW_BAUD}) {
        SendMessageW(control(id), CB_RESETCONTENT, 0, 0);
    }
    addItems(control(IDC_BAUD_RATE), baudRateTexts);
    addItems(control(IDC_NEW_BAUD), baudRateTexts);
    const wchar_t* const quantities[] = {L"Speed", L"Height"};
    const wchar_t* const comparisons[] = {L"=", L">", L"<"};
    addItems(control(IDC_QUANTITY), quantities);
    addItems(control(IDC_COMPARISON), comparisons);
    SendMessageW(control(IDC_BAUD_RATE), CB_SETCURSEL, 0, 0);
    SendMessageW(control(IDC_NEW_BAUD), CB_SETCURSEL, 0, 0);
    ports = discoverSerialPorts(handle());
    listPorts();
}

// Every port found by its name, then the entry that replays a recording.
void CControlPanel::listPorts() {
    const HWND list = control(IDC_COM_PORT);
    for (int i = 0; i < ports.count; ++i) {
        const LRESULT position = SendMessageW(
            list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(asWide(ports.entries[i].name.c_str())));
        portListPositions[i] = static_cast<int>(position);
    }
    SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(replayEntry));
    SendMessageW(list, CB_SETCURSEL, 0, 0);
}

// The list is rebuilt from the ports found at the start, each with its
// description, preferring one described as a GPS receiver.
void CControlPanel::relistPorts() {
    const HWND list = control(IDC_COM_PORT);
    SendMessageW(list, CB_RESETCONTENT, 0, 0);
    if (ports.count == 0) {
        SetWindowTextW(list, L"No Com Port Find!!");
        return;
    }
    const int listed = ports.count < relistedPorts ? ports.count : relistedPorts;
    for (int i = 0; i < listed; ++i) {
        FixedText<140> entry;
        entry.assign(ports.entries[i].name.c_str());
        entry.append(u"  ");
        entry.append(ports.entries[i].description.c_str());
        SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(asWide(entry.c_str())));
    }
    for (int i = 0; i < listed; ++i) {
        if (ports.entries[i].description.equalsAscii("GPS Receiver")) {
            SendMessageW(list, CB_SETCURSEL, portListPositions[i], 0);
            return;
        }
    }
    SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(replayEntry));
    SendMessageW(list, CB_SETCURSEL, 0, 0);
}

// Without the rich-edit library there is no console; the rest of the panel works.
void CControlPanel::createConsole() {
    InitCommonControls();
    if (!consolePane.create(handle(), &consoleFormat)) {
        return;
    }
    ZeroMemory(&consoleFormat, sizeof consoleFormat);
    consoleFormat.cbSize = sizeof consoleFormat;
    SendMessageW(console(), EM_GETCHARFORMAT, SCF_SELECTION,
                 reinterpret_cast<LPARAM>(&consoleFormat));
    // Plain System text; the height stays as fetched. Only the colour changes later.
    consoleFormat.dwMask = CFM_BOLD | CFM_ITALIC | CFM_UNDERLINE | CFM_SIZE | CFM_COLOR | CFM_FACE;
    consoleFormat.dwEffects = 0;
    consoleFormat.yOffset = 0;
    consoleFormat.bCharSet = 0;
    consoleFormat.bPitchAndFamily = 0;
    lstrcpynW(consoleFormat.szFaceName, L"System", LF_FACESIZE);
}

// The colour is applied with the next run of text the console pane inserts.
void CControlPanel::setConsoleColor(ConsoleColor color) {
    consolePane.setColor(consoleRgb(color));
}

int CControlPanel::consoleLineCount() const {
    return consolePane.lineCount();
}

void CControlPanel::emptyConsole() {
    consolePane.empty();
}

void CControlPanel::flushConsole() {
    consolePane.flush();
}

// Inserted at the caret, so it takes the colour set last.
void CControlPanel::appendToConsole(const wchar_t* text) {
    consolePane.append(text);
}

void CControlPanel::showConsoleMessage(const wchar_t* text) {
    consolePane.replaceAll(text);
}

void CControlPanel::setChecked(int id, bool checked) const {
    SendMessageW(control(id), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void CControlPanel::onCommand(int id) {
    switch (id) {
        case IDC_SCAN_PORTS:
            enable(IDC_START_GPS, false);
            enable(IDC_SCAN_PORTS, false);
            rescanPorts();
            enable(IDC_SCAN_PORTS, true);
            enable(IDC_START_GPS, true);
            break;
        case IDC_COLD_START:
            sendReset(MSG_COLD_START);
            break;
        case IDC_FACTORY_RESET:
            sendReset(MSG_FACTORY_RESET);
            break;
        case IDC_START_GPS:
            sendToggle();
            break;
        case IDC_SEND:
            if (SendMessageW(ownerWindow, MSG_SEND_TEXT, 0, 0) == 0) {
                showConsoleMessage(L"Send ERROR!!");
            }
            break;
        case IDC_VTG:
            postCheckState(id, MSG_VTG_ON);
            break;
        case IDC_POWER_SAVE:
            postCheckState(id, MSG_POWER_SAVE_ON);
            break;
        case IDC_GSV_GSA:
            postCheckState(id, MSG_GSV_GSA_ON);
            break;
        case IDC_LOG_FILE:
            postCheckState(id, MSG_LOG_START);
            break;
        case IDC_AUTO:
            postCheckState(id, MSG_AUTO_START);
            break;
        case IDC_GET_VERSION:
            SendMessageW(ownerWindow, MSG_GET_VERSION, 0, 0);
            break;
        case IDC_CHANGE_BAUD:
            PostMessageW(ownerWindow, MSG_CHANGE_BAUD, 0, 0);
            break;
        case IDC_DEFAULT_MODE:
            SendMessageW(ownerWindow, MSG_DEFAULT_MODE, 0, 0);
            break;
        default:
            break;
    }
}

void CControlPanel::sendReset(UINT message) {
    if (SendMessageW(ownerWindow, message, 0, 0) == 0) {
        showConsoleMessage(L"Reset ERROR!!");
    }
    setText(IDC_FW_VER, L"");
    setText(IDC_P_VERSION, L"");
}

// The automatic check box has toggled itself already; "off" is "on" + 1.
void CControlPanel::postCheckState(int id, UINT onMessage) {
    const bool checked = SendMessageW(control(id), BM_GETCHECK, 0, 0) == BST_CHECKED;
    PostMessageW(ownerWindow, checked ? onMessage : onMessage + 1, 0, 0);
}

void CControlPanel::sendToggle() {
    if (SendMessageW(ownerWindow, MSG_CONNECTION_TOGGLE, 0, 0) == 0) {
        showConsoleMessage(L"ComPort ERROR!!");
        return;
    }
    switchControls();
}

void CControlPanel::switchControls() {
    const bool open = connectionRunning == 1;
    if (open) {
        for (int id : {IDC_CORE_VER, IDC_FW_VER, IDC_P_VERSION}) {
            setText(id, L"");
        }
        emptyConsole();
        if (console() != nullptr) {
            SendMessageW(console(), WM_SETFOCUS, 0, 0);
        }
    }
    enable(IDC_COLD_START, open);
    enable(IDC_FACTORY_RESET, open);
    enable(IDC_SCAN_PORTS, !open);
    SetWindowTextW(control(IDC_START_GPS), open ? L"Close GPS" : L"Start GPS");
    for (int id : {IDC_VTG, IDC_POWER_SAVE, IDC_GSV_GSA, IDC_GET_VERSION, IDC_DEFAULT_MODE,
                   IDC_CHANGE_BAUD, IDC_SEND, IDC_SEND_TEXT}) {
        enable(id, open);
    }
    enable(IDC_COM_PORT, !open);
    enable(IDC_BAUD_RATE, !open);
    enable(IDC_NEW_BAUD, open);
}

void CControlPanel::showConnectionClosed() {
    connectionRunning = 0;
    switchControls();
}

void CControlPanel::showOpenedConnection(const PortPath& port, int baudIndex) {
    const HWND list = control(IDC_COM_PORT);
    const LRESULT count = SendMessageW(list, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        wchar_t label[256] = L"";
        PortPath entryPort;
        if (SendMessageW(list, CB_GETLBTEXTLEN, static_cast<WPARAM>(i), 0) <
                static_cast<LRESULT>(std::size(label)) &&
            SendMessageW(list, CB_GETLBTEXT, static_cast<WPARAM>(i),
                         reinterpret_cast<LPARAM>(label)) != CB_ERR &&
            portPathFromLabel(asText16(label), &entryPort) &&
            lstrcmpiW(asWide(entryPort.c_str()), asWide(port.c_str())) == 0) {
            SendMessageW(list, CB_SETCURSEL, static_cast<WPARAM>(i), 0);
        }
    }
    SendMessageW(control(IDC_BAUD_RATE), CB_SETCURSEL, static_cast<WPARAM>(baudIndex), 0);
    connectionRunning = 1;
    switchControls();
}

void CControlPanel::showLogRunning(bool running) {
    setChecked(IDC_LOG_FILE, running);
    enable(IDC_LOG_NAME, !running);
    enable(IDC_MOD, !running);
}

void CControlPanel::rescanPorts() {
    if (connectionRunning == 1 || scanBusy == 1) {
        return;
    }
    enable(IDC_START_GPS, false);
    scanBusy = 1;
    relistPorts();
    scanBusy = 0;
    enable(IDC_START_GPS, true);
}
