#include "pair_receiver.h"

#include <cstdint>
#include <cstring>

#include "base/whole_number.h"

namespace {

const char* const versionAnswer[] = {"$PAIR020,SIMAR_V2.8.1,F2.8.1_0318,SKV-A1,1.0", nullptr};

const TextCommand pairCommands[] = {
    {"$PAIR020", versionAnswer, std::nullopt}, {"$PAIR004", nullptr, StartKind::hot},
    {"$PAIR005", nullptr, StartKind::warm},    {"$PAIR006", nullptr, StartKind::cold},
    {"$PAIR007", nullptr, StartKind::factory},  // a full cold start
};

const char ratePrefix[] = "$PAIR864,0,0,";

// The rate of "$PAIR864,0,0,<rate>*HH"; 0 for any other text.
long namedRate(const char* command) {
    if (std::strncmp(command, ratePrefix, sizeof ratePrefix - 1) != 0) {
        return 0;
    }
    const char* digits = command + sizeof ratePrefix - 1;
    const char* star = std::strchr(digits, '*');
    std::int64_t rate = 0;
    if (star == nullptr || *digits < '0' || *digits > '9' ||
        !parseWholeNumber(digits, star, 0, 100000000, &rate)) {
        return 0;
    }
    return static_cast<long>(rate);
}

}  // namespace

PairReceiver::PairReceiver()
    : TextFamilyReceiver('$', pairCommands, sizeof pairCommands / sizeof pairCommands[0]) {}

void PairReceiver::onOtherCommand(const char* command, ReceiverControl& receiver) {
    const long rate = namedRate(command);
    if (supportedBaud(rate)) {
        pendingBaud = rate;
    } else if (std::strncmp(command, "$PAIR023*", 9) == 0 && pendingBaud != 0) {
        receiver.switchBaud(pendingBaud);
        pendingBaud = 0;
    }
}

bool supportedBaud(long baud) {
    static const long rates[] = {4800, 9600, 19200, 38400, 57600, 115200, 230400, 460800, 921600};
    for (long rate : rates) {
        if (baud == rate) {
            return true;
        }
    }
    return false;
}
