// Program entry: one main window for the whole run and its message loop.
// A lab's script can run a start campaign from the command line; the program
// then ends with the campaign, its exit status the verdict.

#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include <memory>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "commands/campaign_command_line.h"
#include "res/resource.h"

namespace {

// The arguments in UTF-8, as the core reads them.
struct Arguments {
    std::vector<std::string> texts;
    std::vector<const char*> pointers;
};

int readArguments(Arguments* arguments) {
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    if (wide == nullptr) {
        return 0;
    }
    for (int i = 0; i < count; ++i) {
        const int bytes = WideCharToMultiByte(CP_UTF8, 0, wide[i], -1, nullptr, 0, nullptr, nullptr);
        std::string text(bytes > 0 ? static_cast<std::size_t>(bytes) : 1, '\0');
        if (bytes > 0) {
            WideCharToMultiByte(CP_UTF8, 0, wide[i], -1, text.data(), bytes, nullptr, nullptr);
        }
        text.resize(std::char_traits<char>::length(text.c_str()));
        arguments->texts.push_back(std::move(text));
    }
    LocalFree(wide);
    for (const std::string& text : arguments->texts) {
        arguments->pointers.push_back(text.c_str());
    }
    return 1;
}

// A script started from a console or with its output redirected sees why.
void tellScript(const char* text, const char* detail = "") {
    const HANDLE error = GetStdHandle(STD_ERROR_HANDLE);
    if (error == nullptr || error == INVALID_HANDLE_VALUE) {
        return;
    }
    DWORD written = 0;
    WriteFile(error, text, static_cast<DWORD>(std::char_traits<char>::length(text)), &written,
              nullptr);
    WriteFile(error, detail, static_cast<DWORD>(std::char_traits<char>::length(detail)), &written,
              nullptr);
    WriteFile(error, "\n", 1, &written, nullptr);
}

int runMessageLoop(CMainWindow& mainWindow, HINSTANCE instance) {
    const HACCEL accelerators = LoadAcceleratorsW(instance, MAKEINTRESOURCEW(IDR_ACCEL));
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        // Offered for the main window whichever control has the focus, so the
        // shortcuts work after the operator has clicked into a panel.
        if (!TranslateAcceleratorW(mainWindow.handle(), accelerators, &message) &&
            !mainWindow.takeDialogMessage(&message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    return static_cast<int>(message.wParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
    Arguments arguments;
    CampaignCommandLine campaignLine;
    const char* problem = "";
    if (!readArguments(&arguments) ||
        !parseCampaignCommandLine(static_cast<int>(arguments.pointers.size()),
                                  arguments.pointers.data(), &campaignLine, &problem)) {
        tellScript("skyvane: bad arguments: ", problem);
        return exitBadArguments;
    }
    auto mainWindow = std::make_unique<CMainWindow>();
    if (!mainWindow->initInstance(instance, showCommand)) {
        return campaignLine.given ? exitBadArguments : 0;
    }
    char why[800] = "";
    if (campaignLine.given && !mainWindow->runCampaignFromCommandLine(campaignLine, why)) {
        tellScript("skyvane: the campaign could not begin: ", why);
        const int status = mainWindow->exitStatus();
        DestroyWindow(mainWindow->handle());
        return status;
    }
    return runMessageLoop(*mainWindow, instance);
}
