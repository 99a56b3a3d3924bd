#include "probe_commands.h"

#include <cstring>

#include "console_commands.h"
#include "dialog_commands.h"
#include "pixel_commands.h"
#include "port_commands.h"
#include "process_commands.h"
#include "window_commands.h"

namespace {

struct CommandEntry {
    const char* verb;
    CommandHandler handler;
};

constexpr CommandEntry commands[] = {
    {"wait_window", waitWindowCommand},
    {"window", windowCommand},
    {"title", titleCommand},
    {"text", textCommand},
    {"set_text", setTextCommand},
    {"state", stateCommand},
    {"click", clickCommand},
    {"idle", idleCommand},
    {"combo", comboCommand},
    {"select", selectCommand},
    {"menu", menuCommand},
    {"send_message", sendMessageCommand},
    {"console", consoleCommand},
    {"console_lines", consoleLinesCommand},
    {"about", aboutCommand},
    {"file_dialog", fileDialogCommand},
    {"open_file", openFileCommand},
    {"cancel_file", cancelFileCommand},
    {"keys", keysCommand},
    {"panel_size", panelSizeCommand},
    {"pixels", pixelsCommand},
    {"close", closeCommand},
    {"exit_code", exitCodeCommand},
    {"ports", portsCommand},
    {"ports_only", portsOnlyCommand},
    {"hold_port", holdPortCommand},
    {"release_port", releasePortCommand},
};

}  // namespace

bool runProbeCommand(ProbeSession& session, const CommandWords& words, JsonWriter& json) {
    if (words.is("quit")) {
        answerOk(json);
        return false;
    }
    for (const CommandEntry& entry : commands) {
        if (words.is(entry.verb)) {
            entry.handler(session, words, json);
            return true;
        }
    }
    answerError(json, words.count() == 0 ? "empty command" : "unknown command");
    return true;
}
