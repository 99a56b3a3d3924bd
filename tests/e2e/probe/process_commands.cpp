#include "process_commands.h"

#include <cwchar>

#include "serial_map.h"

namespace {

constexpr DWORD defaultExitWaitMs = 10000;
constexpr std::size_t maxSerialPorts = 64;

void exitAnswer(const TargetProcess& process, DWORD timeoutMs, JsonWriter& json) {
    DWORD exitCode = 0;
    const WaitResult result = process.waitExit(timeoutMs, &exitCode);
    if (result != WaitResult::done) {
        answerError(json, result == WaitResult::timedOut ? "the program did not end"
                                                         : "cannot watch the program");
        return;
    }
    answerOk(json);
    json.field("exit_code", std::int64_t{exitCode});
}

void serialMapField(JsonWriter& json) {
    static SerialMapEntry entries[maxSerialPorts];
    const int count = readSerialMap(entries, maxSerialPorts);
    json.beginArray("ports");
    for (int i = 0; i < count; ++i) {
        json.beginObject();
        wideField(json, "device", entries[i].device, std::wcslen(entries[i].device));
        wideField(json, "port", entries[i].port, std::wcslen(entries[i].port));
        json.endObject();
    }
    json.endArray();
}

}  // namespace

// close [TIMEOUT_MS]: WM_CLOSE, as the caption's close box sends it, then the exit code.
void closeCommand(ProbeSession& session, const CommandWords& words, JsonWriter& json) {
    DWORD timeoutMs = 0;
    if (!timeoutArgument(words, 1, defaultExitWaitMs, json, &timeoutMs) ||
        !needWindows(session, json)) {
        return;
    }
    if (!PostMessageW(session.windows().main, WM_CLOSE, 0, 0)) {
        answerError(json, "WM_CLOSE could not be posted");
        return;
    }
    exitAnswer(session.process(), timeoutMs, json);
}

// exit_code [TIMEOUT_MS]: waits for a program that was told to end in another way.
void exitCodeCommand(ProbeSession& session, const CommandWords& words, JsonWriter& json) {
    DWORD timeoutMs = 0;
    if (!timeoutArgument(words, 1, defaultExitWaitMs, json, &timeoutMs)) {
        return;
    }
    if (session.process().handle() == nullptr && !needWindows(session, json)) {
        return;
    }
    exitAnswer(session.process(), timeoutMs, json);
}

void portsCommand(ProbeSession&, const CommandWords&, JsonWriter& json) {
    answerOk(json);
    serialMapField(json);
}

// ports_only N: the device map lists COM<N> and nothing else.
void portsOnlyCommand(ProbeSession&, const CommandWords& words, JsonWriter& json) {
    std::int64_t port = 0;
    if (!words.integer(1, 1, 255, &port)) {
        answerError(json, "a COM port number from 1 to 255 is needed");
        return;
    }
    if (!replaceSerialMap(static_cast<int>(port))) {
        answerError(json, "the serial device map could not be written");
        return;
    }
    answerOk(json);
    serialMapField(json);
}
