#include "start_commands.h"

#include <cstring>
#include <iterator>

namespace {

// UBX CFG-RST (class 0x06, id 0x04), payload of 4: navBbrMask little-endian (hot 0x0000,
// warm 0x0001, cold 0xFFFF), reset mode 0x02 (controlled software reset, GNSS only: the
// serial port and its output stay up, so the restart shows), reserved; then the
// protocol's two 8-bit running sums over class, id, length and payload.
const std::uint8_t cfgRstHot[] = {0xB5, 0x62, 0x06, 0x04, 0x04, 0x00,
                                  0x00, 0x00, 0x02, 0x00, 0x10, 0x68};
const std::uint8_t cfgRstWarm[] = {0xB5, 0x62, 0x06, 0x04, 0x04, 0x00,
                                   0x01, 0x00, 0x02, 0x00, 0x11, 0x6C};
const std::uint8_t cfgRstCold[] = {0xB5, 0x62, 0x06, 0x04, 0x04, 0x00,
                                   0xFF, 0xFF, 0x02, 0x00, 0x0E, 0x61};

constexpr StartCommand sentence(const char16_t* text) {
    return StartCommand{text, ByteFrame()};
}

template <std::size_t N>
constexpr StartCommand frame(const std::uint8_t (&bytes)[N]) {
    return StartCommand{nullptr, ByteFrame{bytes, N}};
}

// $PSRF101 NavigationInitialization with every initialisation field 0 (clock offset 0:
// the last saved one) and 12 channels; only its last field, ResetCfg, differs. Each list
// holds the kinds in order, hot, warm, cold, factory, as far as the family has them.
const StartCommand psrfStarts[] = {
    sentence(u"$PSRF101,0,0,0,0,0,0,12,1*15"),
    sentence(u"$PSRF101,0,0,0,0,0,0,12,2*16"),
    sentence(u"$PSRF101,0,0,0,0,0,0,12,4*10"),
    sentence(u"$PSRF101,0,0,0,0,0,0,12,8*1C"),
};

// For PMTK and PAIR the factory start is the full cold start, which also clears the
// configuration.
const StartCommand pmtkStarts[] = {
    sentence(u"$PMTK101*32"),  // hot
    sentence(u"$PMTK102*31"),  // warm
    sentence(u"$PMTK103*30"),  // cold
    sentence(u"$PMTK104*37"),  // factory
};

const StartCommand pairStarts[] = {
    sentence(u"$PAIR004*3E"),  // hot
    sentence(u"$PAIR005*3F"),  // warm
    sentence(u"$PAIR006*3C"),  // cold
    sentence(u"$PAIR007*3D"),  // factory
};

// The "@" family has no factory start; UBX CFG-RST has no factory clear set (the
// configuration is reverted by another message that does not restart).
const StartCommand atStarts[] = {sentence(u"@GSR"), sentence(u"@GSW"), sentence(u"@GCD")};
const StartCommand ubxStarts[] = {frame(cfgRstHot), frame(cfgRstWarm), frame(cfgRstCold)};

struct FamilyStarts {
    const StartCommand* commands;
    std::size_t count;  // the kinds from hot on that the family has
};

template <std::size_t N>
constexpr FamilyStarts starts(const StartCommand (&commands)[N]) {
    return FamilyStarts{commands, N};
}

FamilyStarts startsOf(CommandFamily family) {
    switch (family) {
        case CommandFamily::psrf:
            return starts(psrfStarts);
        case CommandFamily::pmtk:
            return starts(pmtkStarts);
        case CommandFamily::pair:
            return starts(pairStarts);
        case CommandFamily::at:
            return starts(atStarts);
        case CommandFamily::ubx:
            return starts(ubxStarts);
        case CommandFamily::none:
            break;
    }
    return FamilyStarts{nullptr, 0};
}

const char* const kindNames[] = {"hot", "warm", "cold", "factory"};

}  // namespace

const char* startKindName(StartKind kind) {
    const auto index = static_cast<std::size_t>(kind);
    return index < std::size(kindNames) ? kindNames[index] : "unknown";
}

int parseStartKind(const char* name, StartKind* kind) {
    for (StartKind known : allStartKinds) {
        if (std::strcmp(name, startKindName(known)) == 0) {
            *kind = known;
            return 1;
        }
    }
    return 0;
}

const StartCommand* startCommand(CommandFamily family, StartKind kind) {
    const FamilyStarts familyStarts = startsOf(family);
    const auto index = static_cast<std::size_t>(kind);
    return index < familyStarts.count ? &familyStarts.commands[index] : nullptr;
}
