#include "main_window.h"

#include <dbt.h>

#include <iterator>

#include "app/about_box.h"
#include "app/command_messages.h"
#include "app/settings.h"
#include "res/resource.h"
#include "serial/baud_rates.h"
#include "window/messages.h"

int CMainWindow::initInstance(HINSTANCE moduleInstance, int showCommand) {
    instance = moduleInstance;
    wchar_t className[512];
    wchar_t windowTitle[512];
    LoadStringW(instance, IDS_APP_TITLE, className, static_cast<int>(std::size(className)));
    LoadStringW(instance, IDS_APP_TITLE, windowTitle, static_cast<int>(std::size(windowTitle)));

    WNDCLASSEXW windowClass;
    ZeroMemory(&windowClass, sizeof windowClass);
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = windowAdapter;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(IDI_APP));
    windowClass.hIconSm = LoadIconW(instance, MAKEINTRESOURCEW(IDI_APP));
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszMenuName = MAKEINTRESOURCEW(IDR_MENU);
    windowClass.lpszClassName = className;
    RegisterClassExW(&windowClass);

    const HWND window =
        CreateWindowExW(0, className, windowTitle, WS_CAPTION | WS_SYSMENU, CW_USEDEFAULT,
                        CW_USEDEFAULT, 1000, 800, nullptr, nullptr, instance, this);
    if (window == nullptr) {
        return 0;
    }
    controlPanel.setOwner(window);
    ShowWindow(window, showCommand);
    UpdateWindow(window);
    return 1;
}

LRESULT CMainWindow::handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            return onCreate(window);
        case WM_DESTROY:
            onDestroy();
            return 0;
        case WM_ACTIVATE:
            onActivate(wParam);
            return 0;
        case WM_PAINT:
            paintNothing(window);
            return 0;
        case WM_SETTINGCHANGE:
        case WM_NOTIFY:
        case WM_HELP:
            return 0;
        case WM_COMMAND:
            onCommand(LOWORD(wParam));
            return 0;
        case WM_TIMER:
            onTimer(wParam);
            return 0;
        case WM_DEVICECHANGE:
            return onDeviceChange(wParam);
        case MSG_CONNECTION_TOGGLE:
            return onConnectionToggle();
        case MSG_LINE_READY:
            return onLineReady(lParam);
        case MSG_LOG_START:
            return onLogStart();
        case MSG_LOG_STOP:
            return onLogStop();
        case MSG_REOPEN_FAILED:
            onReopenFailed();
            return 0;
        case MSG_SAVE_REPORT:
            return onSaveReport();
        case MSG_CAMPAIGN_START:
            return onCampaignStart();
        case MSG_CAMPAIGN_STOP:
            endCampaign(CampaignEnd::stopped);
            return 1;
        default: {
            Command command;
            if (commandForMessage(message, &command)) {
                return onReceiverCommand(command);
            }
            return DefWindowProcW(window, message, wParam, lParam);
        }
    }
}

LRESULT CMainWindow::onCreate(HWND window) {
    creating = true;
    intakeListeners.add(&judge.statistics());
    intakeListeners.add(&campaign);
    intake.setListener(&intakeListeners);
    intakeHost.setMainWindow(window);
    commandHost.setMainWindow(window);
    RECT client;
    GetClientRect(window, &client);
    graphicsPanel.setSkyBitmap(LoadBitmapW(instance, MAKEINTRESOURCEW(IDB_PANEL)));
    if (!controlPanel.create(instance, window)) {
        return -1;
    }
    const int half = (client.bottom - client.top) / 2;
    SetParent(controlPanel.handle(), window);
    MoveWindow(controlPanel.handle(), client.left, client.top, client.right, client.top + half,
               TRUE);
    ShowWindow(controlPanel.handle(), SW_SHOW);
    if (!graphicsPanel.create(instance, window)) {
        return -1;
    }
    SetParent(graphicsPanel.handle(), window);
    MoveWindow(graphicsPanel.handle(), client.left, client.top + half, client.right, client.bottom,
               TRUE);
    ShowWindow(graphicsPanel.handle(), SW_SHOW);
    readSettings();
    creating = false;
    return 0;
}

// The reader is stopped and waited for, so nothing touches the state once
// the window is gone.
void CMainWindow::onDestroy() {
    KillTimer(handle(), IDT_DEVICE_CHANGE);
    DeleteObject(graphicsPanel.skyBitmap());
    endCampaign(CampaignEnd::stopped);  // its report is written before the port closes
    dropCommands();  // no step of a running command outlives the window
    connection.close();
    log.close();
    PostQuitMessage(exitCode);
}

void CMainWindow::onActivate(WPARAM wParam) {
    if (LOWORD(wParam) == WA_ACTIVE && !creating) {
        graphicsPanel.requestRepaint();
    }
}

void CMainWindow::onCommand(int command) {
    switch (command) {
        case IDM_ABOUT: {
            CAboutBox about(instance, handle());
            break;
        }
        case IDM_STATISTICS:
            statisticsWindow.show(instance, handle());
            break;
        case IDM_CAMPAIGN:
            campaignWindow.show(instance, handle());
            break;
        case IDM_EXIT:
            if (!creating) {
                KillTimer(handle(), IDT_DEVICE_CHANGE);
                PostMessageW(handle(), WM_CLOSE, 0, 0);
            }
            break;
        case IDM_SET_TIME: {
            const CivilTime& t = state.fixLocalTime;
            SYSTEMTIME local = {t.year, t.month,  t.dayOfWeek, t.day,
                                t.hour, t.minute, t.second,    t.milliseconds};
            SetLocalTime(&local);
            break;
        }
        default:
            break;
    }
}

void CMainWindow::onTimer(UINT_PTR id) {
    switch (id) {
        case IDT_DEVICE_CHANGE:
            KillTimer(handle(), IDT_DEVICE_CHANGE);
            devicePending = false;
            break;
        case IDT_AUTO_SEND:
            SendMessageW(handle(), MSG_SEND_TEXT, 0, 0);
            break;
        case IDT_CAMPAIGN:
            onCampaignTimer();
            break;
        case IDT_COMMAND_STEP:
            // A window timer fires until killed; the next step sets its own.
            KillTimer(handle(), IDT_COMMAND_STEP);
            commandTimerArmed = false;
            runCommandSteps();
            break;
        default:
            break;
    }
}

LRESULT CMainWindow::onDeviceChange(WPARAM event) {
    if (event != DBT_DEVICEARRIVAL || creating) {
        return 1;
    }
    Sleep(500);  // let the new device settle
    if (!devicePending) {
        devicePending = true;
        SetTimer(handle(), IDT_DEVICE_CHANGE, 2000, nullptr);
    }
    return 1;
}

// Every line of the batch goes through the intake in order, as if each had
// come with a message of its own. Only the batch the current reader is
// handing over is taken: the message can come from anywhere, and its lParam
// is a pointer only when it comes from that reader. Returns how many lines
// were taken in.
int CMainWindow::onLineReady(LPARAM lParam) {
    LineBatch* batch = connection.acceptHandedOverBatch(lParam);
    if (batch == nullptr) {
        return 0;
    }
    int taken = 0;
    if (!connection.dropsHandedOverLines()) {  // else from a connection that is ending
        LineBytes line;
        while (batch->nextLine(&line)) {
            taken += intake.onLine(line);
            if (!commands.idle()) {
                runCommandSteps();  // steps stay on time while lines keep the thread busy
            }
        }
    }
    connection.finishHandedOverBatch();
    return taken;
}

bool CMainWindow::takeDialogMessage(MSG* message) {
    for (const HWND dialog : {statisticsWindow.handle(), campaignWindow.handle()}) {
        if (dialog != nullptr && IsDialogMessageW(dialog, message)) {
            return true;
        }
    }
    return false;
}

// A new run of the statistics, shown at once when the window is open.
void CMainWindow::startRun(RunSource source) {
    judge.startRun(source);
    statisticsWindow.refresh();
}

void CMainWindow::readSettings() {
    const Settings settings = readSettingsFile();
    graphicsPanel.setViews(settings.views);
    applyJudgingSettings();
    if (settings.defaultBaudRate != 0) {
        // 1 to 8 selects that rate. Any other value clears the selection, so a
        // start then fails cleanly: asked for an item it does not hold, the
        // list would keep its old one.
        const int rate = settings.defaultBaudRate;
        const int item = rate >= 1 && rate <= baudRateCount ? rate - 1 : -1;
        SendMessageW(controlPanel.control(IDC_BAUD_RATE), CB_SETCURSEL, static_cast<WPARAM>(item),
                     0);
    }
}

// Limits and reference from skyvane.ini, unless the command line or a
// campaign gave their own.
void CMainWindow::applyJudgingSettings() {
    const JudgingSettings judging = readJudgingSettings();
    if (!limitsFromCommandLine) {
        judge.setLimits(judging.limits);
    }
    if (!statisticsWindow.hasOwnReference() && !referenceFromCampaign) {
        judge.setReference(judging.reference);
    }
    statisticsWindow.setNote(judging.problem.c_str());
}
