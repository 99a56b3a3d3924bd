#include "psrf_receiver.h"

#include <cstdint>
#include <cstring>

#include "base/whole_number.h"

namespace {

const char* const versionAnswer[] = {"$PSRF195,SIMPS_5.1.3-R2 04/11/2025", nullptr};

// $PSRF100 (serial port to binary) opens the program's factory reset, whose binary
// frames follow; the receiver takes the sentence for that reset.
const TextCommand psrfCommands[] = {
    {"$PSRF125", versionAnswer, std::nullopt},
    {"$PSRF100", nullptr, StartKind::factory},
};

bool isInitialisation(const char* command) {
    return std::strncmp(command, "$PSRF101,", 9) == 0 || std::strncmp(command, "$PSRF104,", 9) == 0;
}

// The kind its ResetCfg field names; false for another value.
bool startOf(const char* command, StartKind* kind) {
    const char* star = std::strchr(command, '*');
    const char* field = star;
    while (field > command && field[-1] != ',') {
        --field;
    }
    std::int64_t resetConfig = 0;
    if (star == nullptr || field == star || !parseWholeNumber(field, star, 0, 255, &resetConfig)) {
        return false;
    }
    switch (resetConfig) {
        case 1:
            *kind = StartKind::hot;
            return true;
        case 2:
        case 3:
            *kind = StartKind::warm;
            return true;
        case 4:
            *kind = StartKind::cold;
            return true;
        case 8:
            *kind = StartKind::factory;
            return true;
    }
    return false;
}

}  // namespace

PsrfReceiver::PsrfReceiver()
    : TextFamilyReceiver('$', psrfCommands, sizeof psrfCommands / sizeof psrfCommands[0]) {}

void PsrfReceiver::onOtherCommand(const char* command, ReceiverControl& receiver) {
    StartKind kind = StartKind::cold;
    if (isInitialisation(command) && startOf(command, &kind)) {
        receiver.start(kind);
    }
}
