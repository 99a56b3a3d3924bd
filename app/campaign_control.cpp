// Start campaigns in the main window: Start and Stop from the campaign
// window, a timer that polls the runner while it runs, and the report
// written when it ends, however it ends. A campaign from the command line
// ends the program with it.

#include <cstdio>
#include <cwchar>

#include "app/main_window.h"
#include "base/machine_local_time.h"
#include "base/wide_win32.h"
#include "commands/campaign_fields.h"
#include "res/resource.h"
#include "stats/limits_file.h"
#include "window/messages.h"

namespace {

constexpr UINT campaignPollMs = 100;

void campaignReportName(const CampaignSettings& settings, ReportBaseName* name) {
    const CivilTime t = machineLocalNow();
    char text[80];
    std::snprintf(text, sizeof text, "campaign_%s_%04d-%02d-%02d_%02d%02d%02d",
                  startKindName(settings.kind), t.year, t.month, t.day, t.hour, t.minute,
                  t.second);
    name->assignAscii(text);
}

// "FILE.json" names the report; the page and the starts go beside it.
int stemOfReportPath(const char* utf8, LogPath* stem) {
    wchar_t path[LogPath::capacity];
    if (MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8, -1, path,
                            static_cast<int>(LogPath::capacity)) <= 0) {
        return 0;
    }
    const std::size_t length = std::wcslen(path);
    if (length > 5 && _wcsicmp(path + length - 5, L".json") == 0) {
        path[length - 5] = 0;
    }
    stem->assign(asText16(path));
    return path[0] != 0;
}

template <std::size_t size>
void utf8Of(const char16_t* text, char (&utf8)[size]) {
    if (WideCharToMultiByte(CP_UTF8, 0, asWide(text), -1, utf8, static_cast<int>(size), nullptr,
                            nullptr) <= 0) {
        utf8[0] = 0;
    }
}

}  // namespace

int CMainWindow::onCampaignStart() {
    CampaignSettings settings;
    std::optional<GeoPoint> reference;
    if (campaign.running() || !campaignWindow.readSettings(&settings, &reference)) {
        return 0;
    }
    return beginCampaign(settings, reference);
}

// A campaign needs a receiver on a port: a recording cannot be restarted.
int CMainWindow::beginCampaign(const CampaignSettings& settings,
                               const std::optional<GeoPoint>& reference) {
    if (!connection.hasPort() || connection.isReplay()) {
        campaignWindow.setNoteAscii("Open the receiver's port first: a campaign restarts a receiver.");
        return 0;
    }
    const CommandFamily family =
        CampaignRunner::addressedFamily(settings, intake.lastVersionFamily());
    if (!CampaignRunner::canStart(settings.kind, family)) {
        char text[128];
        describeMissingStart(settings.kind, family, text);
        campaignWindow.setNoteAscii(text);
        return 0;
    }
    referenceFromCampaign = reference.has_value();
    if (reference) {
        judge.setReference(reference);
    } else {
        applyJudgingSettings();  // an earlier campaign's reference no longer holds
    }
    startRun(RunSource::live);  // the report covers the campaign's own lines
    if (!campaign.start(settings, intake.lastVersionFamily(), GetTickCount())) {
        return 0;
    }
    scheduleCommandSteps();
    SetTimer(handle(), IDT_CAMPAIGN, campaignPollMs, nullptr);
    campaignWindow.setNoteAscii("");
    return 1;
}

void CMainWindow::onCampaignTimer() {
    campaign.poll(GetTickCount());
    scheduleCommandSteps();
    if (!campaign.running()) {
        finishCampaign();
    }
}

// Stopping, closing the connection or the window: the starts made so far
// are reported.
void CMainWindow::endCampaign(CampaignEnd why) {
    if (campaign.running()) {
        campaign.stop(why);
        scheduleCommandSteps();
        finishCampaign();
    }
}

void CMainWindow::finishCampaign() {
    KillTimer(handle(), IDT_CAMPAIGN);
    const RunReport& report = judge.refresh(&campaign.report());
    FixedText<256> note;
    if (campaign.end() == CampaignEnd::receiverGone) {
        note.assignAscii("The receiver stopped answering: the campaign ended. ");
    }
    FixedText<256> saved;
    const int written = saveCampaignReport(report, &saved);
    note.append(written ? saved.c_str() : u"Report ERROR!! The report could not be written.");
    campaignWindow.setNote(note.c_str());
    if (commandLineCampaign) {
        // Only a campaign that made every start can pass.
        const bool passed = report.pass && campaign.end() == CampaignEnd::completed;
        exitCode = !written ? exitBadArguments : passed ? exitCampaignPassed : exitCampaignFailed;
        commandLineCampaign = false;
        PostMessageW(handle(), WM_CLOSE, 0, 0);
    }
}

int CMainWindow::saveCampaignReport(const RunReport& report, FixedText<256>* saved) {
    LogPath stem;
    ReportBaseName name;
    if (commandLineCampaign) {
        stem.assign(commandLineStem.c_str());
        name.assign(stem.c_str());
    } else {
        campaignReportName(campaign.settings(), &name);
        if (!stemBesideProgram(name, &stem)) {
            return 0;
        }
    }
    if (!writeReportFiles(stem, report)) {
        return 0;
    }
    saved->assignAscii("Saved ");
    saved->append(name.c_str());
    saved->append(u".json, .html and .csv");
    return 1;
}

int CMainWindow::runCampaignFromCommandLine(const CampaignCommandLine& line,
                                            char (&why)[800]) {
    exitCode = exitBadArguments;
    if (!stemOfReportPath(line.reportPath, &commandLineStem)) {
        std::snprintf(why, sizeof why, "cannot name a report %s", line.reportPath);
        return 0;
    }
    if (line.limitsPath != nullptr) {
        LimitSet limits;
        IniError error;
        if (!readLimitsFile(line.limitsPath, &limits, &error)) {
            std::snprintf(why, sizeof why, "%s", error.message);
            return 0;
        }
        judge.setLimits(limits);
        limitsFromCommandLine = true;
    }
    state.clearAll();
    state.resetFirstFix();
    if (!connection.open(line.port, false, line.baudIndex, LineReceiver{handle(), MSG_LINE_READY})) {
        char port[300];
        utf8Of(line.port.c_str(), port);
        std::snprintf(why, sizeof why, "cannot open %s", port);
        return 0;
    }
    controlPanel.showOpenedConnection(line.port, line.baudIndex);
    campaignWindow.show(instance, handle());
    campaignWindow.showSettings(line.settings, line.reference);
    commandLineCampaign = true;
    if (!beginCampaign(line.settings, line.reference)) {
        commandLineCampaign = false;
        utf8Of(campaignWindow.noteText(), why);
        return 0;
    }
    exitCode = exitCampaignPassed;
    return 1;
}
