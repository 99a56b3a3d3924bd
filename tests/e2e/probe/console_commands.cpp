#include "console_commands.h"

#include <cwchar>
#include <iterator>

#include "console_reader.h"
#include "messaging.h"
#include "thread_freeze.h"

namespace {

// A line that arrives while the lines are read changes the indexes; the read is then
// done again, at most this often.
constexpr int readAttempts = 5;

// The program empties its console by putting a new control in the old one's place
// (a "Log File ERROR!!", every 2000 lines): a read that met the old control as it went
// is made again on the new one, whatever time it took.
bool consoleReplaced(ProbeSession& session, HWND read) {
    return !IsWindow(read) && session.refresh() && session.windows().console != nullptr &&
           session.windows().console != read;
}

bool needConsole(ProbeSession& session, JsonWriter& json) {
    if (!needWindows(session, json)) {
        return false;
    }
    if (session.windows().console == nullptr) {
        answerError(json, "the control panel has no RICHEDIT console");
        return false;
    }
    return true;
}

class JsonLines final : public ConsoleLineSink {
public:
    explicit JsonLines(JsonWriter& writer) : json(writer) {}
    void line(const ConsoleLine& line) override {
        json.beginObject().field("index", std::int64_t{line.index});
        wideField(json, "text", line.text, wcsnlen(line.text, ConsoleLine::maxUnits));
        if (line.hasColor) {
            char color[8];
            colorText(rgbOf(line.color), color);
            json.field("color", color);
        } else {
            json.nullField("color");
        }
        json.endObject();
    }

private:
    JsonWriter& json;
};

}  // namespace

void consoleCommand(ProbeSession& session, const CommandWords&, JsonWriter& json) {
    if (!needConsole(session, json)) {
        return;
    }
    static wchar_t text[262144];
    std::size_t length = 0;
    LRESULT lines = 0;
    HWND console = session.windows().console;
    while (!readWindowText(console, text, std::size(text), &length) ||
           !sendTimed(console, EM_GETLINECOUNT, 0, 0, &lines)) {
        if (!consoleReplaced(session, console)) {
            answerError(json, "the console did not answer");
            return;
        }
        console = session.windows().console;
    }
    answerOk(json);
    wideField(json, "text", text, wcslen(text))
        .field("length", static_cast<std::int64_t>(length))
        .field("line_count", std::int64_t{lines});
}

// console_lines [N]: the last N lines (all without N), each with its colour. The program's
// other threads are held meanwhile (see ThreadFreeze); a change that still comes from
// the window's own thread, a timer for instance, makes the read start again.
void consoleLinesCommand(ProbeSession& session, const CommandWords& words, JsonWriter& json) {
    std::int64_t maxLines = 0;
    if (*words.word(1) != 0 && !words.integer(1, 1, 1'000'000, &maxLines)) {
        answerError(json, "the line count must be a positive number");
        return;
    }
    if (!needConsole(session, json)) {
        return;
    }
    HWND console = session.windows().console;
    const DWORD windowThread = GetWindowThreadProcessId(console, nullptr);
    ConsoleRead result = ConsoleRead::changed;
    for (int attempt = 0; attempt < readAttempts; ++attempt) {
        json.reset();
        answerOk(json);
        json.beginArray("lines");
        JsonLines sink(json);
        int lineCount = 0;
        const ThreadFreeze freeze(session.windows().processId, windowThread);
        result = readConsoleLines(console, session.process().handle(), static_cast<int>(maxLines),
                                  &lineCount, sink);
        json.endArray().field("line_count", std::int64_t{lineCount});
        const bool again = result == ConsoleRead::changed ||
                           (result == ConsoleRead::noAnswer && consoleReplaced(session, console));
        if (!again) {
            break;
        }
        console = session.windows().console;
    }
    if (result != ConsoleRead::ok) {
        json.reset();
        answerError(json, result == ConsoleRead::changed    ? "the console kept changing"
                          : result == ConsoleRead::noMemory ? "no memory in the program"
                                                            : "the console did not answer");
    }
}
