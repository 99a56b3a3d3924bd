#pragma once
// The control panel: source and rate selectors, command buttons, version
// fields, log name and the console. Every button and check box but the port
// rescan becomes one private message to the main window.

#include <richedit.h>
#include <windows.h>

#include "serial/port_discovery_win32.h"
#include "serial/port_label.h"
#include "ui/console_pane.h"
#include "window/cwnd.h"

class CControlPanel : public CWnd {
public:
    LRESULT handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;

    int create(HINSTANCE instance, HWND parent);
    void setOwner(HWND owner) { ownerWindow = owner; }

    // Console
    void setConsoleColor(ConsoleColor color);
    int consoleLineCount() const;
    void emptyConsole();
    void appendToConsole(const wchar_t* text);
    // Shows every line still waiting to go into the console.
    void flushConsole();
    // Replaces everything the console holds with a short message.
    void showConsoleMessage(const wchar_t* text);

    HWND control(int id) const { return GetDlgItem(handle(), id); }
    void enable(int id, bool enabled) const { EnableWindow(control(id), enabled ? TRUE : FALSE); }
    void setText(int id, const wchar_t* text) const { SetDlgItemTextW(handle(), id, text); }
    void setChecked(int id, bool checked) const;

    void rescanPorts();

    HWND console() const { return consolePane.window(); }

    // Written by the connection toggle: 1 while a connection is open.
    void setConnectionRunning(int running) { connectionRunning = running; }
    // The controls as after "Start GPS" with this port and rate, for a
    // connection the command line opened.
    void showOpenedConnection(const PortPath& port, int baudIndex);
    // The controls as after "Close GPS", for a connection that ended by itself.
    void showConnectionClosed();
    // The log's name and offset are fixed while it runs; the box shows whether it does.
    void showLogRunning(bool running);

private:
    LRESULT onInitDialog();
    void onCommand(int id);
    void placeAndFillLists();
    void listPorts();
    void relistPorts();
    void createConsole();
    void sendToggle();
    void sendReset(UINT message);
    void postCheckState(int id, UINT onMessage);
    void switchControls();

    // A rescan lists at most this many of the ports found.
    static constexpr int relistedPorts = 20;
    static constexpr const wchar_t* replayEntry = L"Log File:";

    PortTable ports;
    int portListPositions[PortTable::capacity] = {};
    CHARFORMATW consoleFormat;
    HWND ownerWindow = nullptr;
    int connectionRunning = 0;
    int scanBusy = 0;
    ConsolePane consolePane;
};
