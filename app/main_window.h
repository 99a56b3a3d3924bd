#pragma once
// The main window: the hub through which every operator action, every
// received line and every timer passes. It owns the receiver state, both
// panels, the connection and the log, and hands each its part.

#include <windows.h>

#include <optional>

#include "app/window_campaign_host.h"
#include "app/window_command_host.h"
#include "app/window_intake_host.h"
#include "commands/campaign_command_line.h"
#include "commands/campaign_runner.h"
#include "commands/command_set.h"
#include "nmea/intake_fan_out.h"
#include "nmea/receiver_state.h"
#include "nmea/sentence_intake.h"
#include "serial/connection_win32.h"
#include "serial/log_file_win32.h"
#include "serial/log_path.h"
#include "stats/report_file_name.h"
#include "stats/run_judge.h"
#include "ui/campaign_window.h"
#include "ui/control_panel.h"
#include "ui/graphics_panel.h"
#include "ui/statistics_window.h"
#include "window/cwnd.h"

class CMainWindow : public CWnd {
public:
    CMainWindow() = default;

    // Registers the class, creates and shows the window. Returns 1 when shown.
    int initInstance(HINSTANCE instance, int showCommand);
    LRESULT handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;
    // Gives a modeless window's keys (Tab, Enter) to it; true when it took the message.
    bool takeDialogMessage(MSG* message);
    // Opens the port and begins the campaign a lab's script asked for; the
    // program ends with the campaign. Returns 1 when it began, else 0 with
    // the reason for the script, and exitStatus() the status to end with.
    int runCampaignFromCommandLine(const CampaignCommandLine& line, char (&why)[800]);
    int exitStatus() const { return exitCode; }

private:
    LRESULT onCreate(HWND window);
    void onDestroy();
    void onActivate(WPARAM wParam);
    void onCommand(int command);
    void onTimer(UINT_PTR id);
    LRESULT onDeviceChange(WPARAM event);
    int onLineReady(LPARAM lParam);
    void readSettings();
    void applyJudgingSettings();
    int onConnectionToggle();
    int startConnection();
    int openSource(const char16_t* label, int baudIndex);
    void closeConnection();
    void onReopenFailed();
    int onLogStart();
    int onLogStop();
    int onSaveReport();
    int writeReportFiles(const LogPath& stem, const RunReport& report);
    static int stemBesideProgram(const ReportBaseName& name, LogPath* stem);
    int onCampaignStart();
    int beginCampaign(const CampaignSettings& settings, const std::optional<GeoPoint>& reference);
    void onCampaignTimer();
    void endCampaign(CampaignEnd why);
    void finishCampaign();
    int saveCampaignReport(const RunReport& report, FixedText<256>* saved);
    void startRun(RunSource source);
    void refuseLogStart(bool reportError);
    int onReceiverCommand(Command command);
    void runCommandSteps();
    void scheduleCommandSteps();
    void dropCommands();

    HINSTANCE instance = nullptr;
    // Set while WM_CREATE runs (and for good when it fails): activation,
    // device arrival and exit are ignored until the panels exist.
    bool creating = false;
    bool devicePending = false;

    ReceiverState state;
    // Built in this order, the control panel first.
    CControlPanel controlPanel;
    CGraphicsPanel graphicsPanel{state};
    SerialConnection connection;
    LogFile log;
    WindowIntakeHost intakeHost{controlPanel, graphicsPanel, log};
    SentenceIntake intake{state, intakeHost};
    RunJudge judge;
    CStatisticsWindow statisticsWindow{judge};
    // The running log's name, after which a saved report is named.
    FixedText<256> logName;
    WindowCommandHost commandHost{controlPanel, graphicsPanel, connection};
    CommandSet commands{commandHost, state};
    bool commandTimerArmed = false;
    DWORD commandTimerDue = 0;
    // The intake tells the statistics, then a campaign that runs.
    IntakeFanOut intakeListeners;
    WindowCampaignHost campaignHost{connection};
    CampaignRunner campaign{commands, campaignHost};
    CCampaignWindow campaignWindow{campaign, judge};
    // A campaign's reference holds over skyvane.ini's while it is judged.
    bool referenceFromCampaign = false;
    // A campaign from the command line: its limits hold over skyvane.ini's,
    // its report goes where it said, and the program ends with it.
    bool commandLineCampaign = false;
    bool limitsFromCommandLine = false;
    LogPath commandLineStem;
    int exitCode = 0;
};
