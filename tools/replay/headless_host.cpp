#include "headless_host.h"

#include "base/machine_local_time.h"
#include "serial/log_format.h"

HeadlessHost::HeadlessHost() {
    title.assignAscii("Skyvane");
}

HeadlessHost::~HeadlessHost() {
    closeLog();
}

void HeadlessHost::reset() {
    closeLog();
    currentColor = ConsoleColor::black;
    consoleCleared = false;
    repaintRequests = 0;
    consoleLines = 1;
    title.assignAscii("Skyvane");
    coreVersion.clear();
    firmwareVersion.clear();
    gsvGsaChecked = false;
    tick = clockStart;
    hasUtcOffset = false;
    utcOffsetMinutes = 0;
}

void HeadlessHost::closeLog() {
    if (log != nullptr) {
        std::fclose(log);
        log = nullptr;
    }
}

void HeadlessHost::useUtcOffset(std::int64_t minutes) {
    hasUtcOffset = true;
    utcOffsetMinutes = minutes;
}

int HeadlessHost::openLog(const char* path) {
    closeLog();
    log = std::fopen(path, "wb");
    if (log == nullptr) {
        return 0;
    }
    std::fwrite(logByteOrderMark, 1, sizeof logByteOrderMark, log);
    return 1;
}

void HeadlessHost::beginLine() {
    consoleCleared = false;
    repaintRequests = 0;
}

void HeadlessHost::emptyConsole() {
    consoleLines = 1;
    consoleCleared = true;
}

// Counted as the rich edit counts unwrapped text: one line more than line feeds.
// With the length known the loop has no test for the NUL, and compilers turn it
// into vector steps; a 16-bit count, which a chunk of fewer than 2^16 units
// cannot overflow, lets each step take eight units.
void HeadlessHost::appendToConsole(const char16_t* text, std::size_t units) {
    constexpr std::size_t chunkUnits = 0xFFFF;
    while (units > 0) {
        const std::size_t chunk = units < chunkUnits ? units : chunkUnits;
        std::uint16_t lineFeeds = 0;
        for (std::size_t i = 0; i < chunk; ++i) {
            lineFeeds = static_cast<std::uint16_t>(lineFeeds + (text[i] == u'\n' ? 1 : 0));
        }
        consoleLines += lineFeeds;
        text += chunk;
        units -= chunk;
    }
}

void HeadlessHost::logSentence(const char16_t* line, std::size_t units) {
    if (log == nullptr) {
        return;
    }
    std::uint8_t bytes[2 * 1024];
    const std::size_t count = units < 1024 ? units : 1024;
    encodeLogUnits(line, count, bytes);
    std::fwrite(bytes, 1, 2 * count, log);
}

int HeadlessHost::utcToLocal(const CivilTime& utc, CivilTime* local) {
    if (hasUtcOffset) {
        return shiftCivilTime(utc, utcOffsetMinutes, local);
    }
    return machineUtcToLocal(utc, local);
}
