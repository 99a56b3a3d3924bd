// The start/stop button: closes the connection while one is active (its port
// handle is present, or a rate change is between two handles), else opens one.

#include <iterator>

#include "app/main_window.h"
#include "app/replay_file_dialog.h"
#include "base/wide_win32.h"
#include "res/resource.h"
#include "serial/baud_rates.h"
#include "serial/port_label.h"
#include "window/messages.h"

int CMainWindow::onConnectionToggle() {
    controlPanel.enable(IDC_START_GPS, false);
    if (connection.active()) {
        closeConnection();
        controlPanel.enable(IDC_START_GPS, true);
        return 1;
    }
    const int opened = startConnection();
    controlPanel.setConnectionRunning(opened);
    controlPanel.enable(IDC_START_GPS, true);
    return opened;
}

// Lines the reader had handed over are taken in before it ends; nothing
// arrives once the port is closed.
void CMainWindow::closeConnection() {
    endCampaign(CampaignEnd::stopped);
    dropCommands();  // nothing of a running command reopens a closed port
    connection.close();
    controlPanel.flushConsole();  // a fast stream's waiting lines are shown as it ends
    controlPanel.setConnectionRunning(0);
    readSettings();  // an edited settings file takes effect now
}

// A start without a selected source or rate fails: there is nothing to open,
// and no rate must be read from outside the table.
int CMainWindow::startConnection() {
    const HWND sources = controlPanel.control(IDC_COM_PORT);
    const LRESULT source = SendMessageW(sources, CB_GETCURSEL, 0, 0);
    const LRESULT rate = SendMessageW(controlPanel.control(IDC_BAUD_RATE), CB_GETCURSEL, 0, 0);
    wchar_t label[1024] = L"";
    const bool haveSource =
        source != CB_ERR &&
        SendMessageW(sources, CB_GETLBTEXTLEN, source, 0) <
            static_cast<LRESULT>(std::size(label)) &&
        SendMessageW(sources, CB_GETLBTEXT, source, reinterpret_cast<LPARAM>(label)) != CB_ERR;
    cutAtFirstColon(reinterpret_cast<char16_t*>(label));
    state.clearAll();
    const bool haveRate = rate != CB_ERR && rate >= 0 && rate < baudRateCount;
    const int opened =
        haveSource && haveRate ? openSource(asText16(label), static_cast<int>(rate)) : 0;
    state.resetFirstFix();
    SetWindowTextW(handle(), L"Skyvane");
    if (opened) {
        // A recording's lines come at file speed: its times are the receiver's own.
        startRun(connection.isReplay() ? RunSource::recording : RunSource::live);
    }
    return opened;
}

// "Log File" asks for a recording to replay; any other label names a port.
// A reader left from an earlier connection is stopped before the file dialog
// opens, so that no line of it reaches the cleared state while the dialog waits.
int CMainWindow::openSource(const char16_t* label, int baudIndex) {
    if (!connection.discardLeftoverReader()) {
        return 0;
    }
    const bool replay = isReplayLabel(label);
    PortPath path;
    const int chosen = replay ? chooseReplayFile(handle(), &path) : portPathFromLabel(label, &path);
    if (!chosen) {
        return 0;
    }
    return connection.open(path, replay, baudIndex, LineReceiver{handle(), MSG_LINE_READY});
}

// A reopen at another rate that failed leaves the connection without a
// port: it is closed as the operator's "Close GPS" would, and says why.
void CMainWindow::onReopenFailed() {
    if (!commandHost.takeReopenFailure() || !connection.active()) {
        return;  // not from the commands, or the operator closed it meanwhile
    }
    closeConnection();
    controlPanel.showConnectionClosed();
    controlPanel.appendToConsole(
        L"Reopen ERROR!! The port could not be opened at the new rate; the connection is "
        L"closed.\r\n");
    controlPanel.flushConsole();  // shown at once: nothing more comes to carry it in
}
