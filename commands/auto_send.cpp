#include "auto_send.h"

#include <cstdint>

#include "command_host.h"
#include "nmea/field_scan.h"

namespace {

constexpr std::size_t fieldSize = 256;
constexpr std::int64_t longestPeriodMs = 2147483647;

}  // namespace

int startAutoSend(CommandHost& host) {
    char16_t text[fieldSize];
    host.readModText(text, fieldSize);
    text[fieldSize - 1] = 0;
    std::int32_t offset = 0;
    if (scanDecimal(text, 0, &offset)) {
        host.setSignalOffset(offset);
    }

    host.readAutoPeriodText(text, fieldSize);
    text[fieldSize - 1] = 0;
    const std::int64_t seconds = scanInt(text);
    if (seconds <= 0) {
        // A timer left from an earlier start must not go on behind an unticked box.
        host.stopAutoSendTimer();
        host.untickAuto();
        return 0;
    }
    const std::int64_t periodMs = seconds * 1000;
    host.startAutoSendTimer(
        static_cast<std::uint32_t>(periodMs < longestPeriodMs ? periodMs : longestPeriodMs));
    return 0;
}

int stopAutoSend(CommandHost& host) {
    host.stopAutoSendTimer();
    return 0;
}
