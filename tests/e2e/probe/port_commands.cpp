#include "port_commands.h"

#include <cstdio>
#include <cstring>

namespace {

// "COM<n>" with n from 1 to 255, as the serial device map names a port.
bool portNumber(const char* name, int* number) {
    if (std::strncmp(name, "COM", 3) != 0) {
        return false;
    }
    const char* digits = name + 3;
    const std::size_t count = std::strlen(digits);
    if (count == 0 || count > 3) {
        return false;
    }
    int value = 0;
    for (std::size_t i = 0; i < count; ++i) {
        if (digits[i] < '0' || digits[i] > '9') {
            return false;
        }
        value = value * 10 + (digits[i] - '0');
    }
    if (value < 1 || value > 255) {
        return false;
    }
    *number = value;
    return true;
}

}  // namespace

// hold_port COMn: opens the port without sharing and keeps it open until release_port
// (or the probe's end).
void holdPortCommand(ProbeSession& session, const CommandWords& words, JsonWriter& json) {
    int number = 0;
    if (!portNumber(words.word(1), &number)) {
        answerError(json, "a port from COM1 to COM255 is needed");
        return;
    }
    if (session.heldPort().holding()) {
        answerError(json, "a port is held already; release_port first");
        return;
    }
    DWORD error = 0;
    if (!session.heldPort().hold(number, &error)) {
        char reason[64];
        std::snprintf(reason, sizeof reason, "the port could not be opened (error %lu)", error);
        answerError(json, reason);
        return;
    }
    answerOk(json);
    json.field("port", words.word(1));
}

void releasePortCommand(ProbeSession& session, const CommandWords&, JsonWriter& json) {
    if (!session.heldPort().release()) {
        answerError(json, "no port is held");
        return;
    }
    answerOk(json);
}
