#pragma once
// The main window: the hub through which every operator action, every
// received line and every timer passes.

#include <windows.h>

#include "app/cwnd.h"
#include "app/window_command_host.h"
#include "app/window_intake_host.h"
#include "commands/command_set.h"
#include "nmea/receiver_state.h"
#include "nmea/sentence_intake.h"
#include "serial/byte_ring.h"
#include "serial/line_batch.h"
#include "ui/backup_dlg.h"
#include "ui/restore_dlg.h"

class CBaseWnd : public CWnd {
public:
    CBaseWnd() = default;

    // Registers the class, creates and shows the window. Returns 1 when shown.
    int initInstance(HINSTANCE instance, int showCommand);
    LRESULT handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;

    int onLineReady(LineBatch& batch);
    void readSettings();

private:
    LRESULT onCreate(HWND window);
    void onDestroy();
    void onActivate(WPARAM wParam);
    void onCommand(int command);
    void onTimer(UINT_PTR id);
    LRESULT onDeviceChange(WPARAM event);
    int onConnectionToggle();
    int startConnection();
    int openSource(const char16_t* label, int baudIndex);
    int onLogStart();
    int onLogStop();
    void refuseLogStart(bool reportError);
    int onReceiverCommand(Command command);
    void runCommandSteps();
    void scheduleCommandSteps();
    void dropCommands();

    ReceiverState state;
    // Built in this order, the control panel first.
    CBackupDlg controlPanel;
    CRestoreDlg graphicsPanel{state};
    WindowIntakeHost intakeHost{controlPanel, graphicsPanel};
    SentenceIntake intake{state, intakeHost};
    WindowCommandHost commandHost{controlPanel};
    CommandSet commands{commandHost, state};
    // The intake takes each handed-over line out of this ring.
    ByteRing rxRing;
    bool commandTimerArmed = false;
    DWORD commandTimerDue = 0;
};

extern HINSTANCE moduleInstance;
