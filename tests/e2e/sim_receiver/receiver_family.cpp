#include "receiver_family.h"

#include <cstring>

#include "pair_receiver.h"
#include "psrf_receiver.h"
#include "text_family_receiver.h"
#include "ubx_receiver.h"

namespace {

struct FamilyName {
    ReceiverFamily family;
    const char* name;
};

const FamilyName familyNames[] = {
    {ReceiverFamily::none, "none"}, {ReceiverFamily::psrf, "psrf"}, {ReceiverFamily::pmtk, "pmtk"},
    {ReceiverFamily::pair, "pair"}, {ReceiverFamily::at, "at"},     {ReceiverFamily::ubx, "ubx"},
};

const char* const pmtkVersion[] = {"$PMTK705,SIMMT_3.20_0417_25031800,0417,SKV-M1,1.0", nullptr};
const TextCommand pmtkCommands[] = {
    {"$PMTK605", pmtkVersion, std::nullopt},   {"$PMTK101", nullptr, StartKind::hot},
    {"$PMTK102", nullptr, StartKind::warm},    {"$PMTK103", nullptr, StartKind::cold},
    {"$PMTK104", nullptr, StartKind::factory},  // a full cold start
};

const char* const atVersion[] = {"[VER] Model SKV-AT1", "[VER] FW 3.4.0 build 0088", "[VER] Done",
                                 nullptr};
const TextCommand atCommands[] = {
    {"@VER", atVersion, std::nullopt},
    {"@GSR", nullptr, StartKind::hot},
    {"@GSW", nullptr, StartKind::warm},
    {"@GCD", nullptr, StartKind::cold},
};

template <std::size_t N>
std::unique_ptr<ReplyPolicy> textFamily(char startMark, const TextCommand (&table)[N]) {
    return std::make_unique<TextFamilyReceiver>(startMark, table, N);
}

}  // namespace

int parseReceiverFamily(const char* name, ReceiverFamily* family) {
    for (const FamilyName& known : familyNames) {
        if (std::strcmp(name, known.name) == 0) {
            *family = known.family;
            return 1;
        }
    }
    return 0;
}

const char* receiverFamilyName(ReceiverFamily family) {
    for (const FamilyName& known : familyNames) {
        if (known.family == family) {
            return known.name;
        }
    }
    return "none";
}

std::unique_ptr<ReplyPolicy> makeReplyPolicy(ReceiverFamily family) {
    switch (family) {
        case ReceiverFamily::psrf:
            return std::make_unique<PsrfReceiver>();
        case ReceiverFamily::pmtk:
            return textFamily('$', pmtkCommands);
        case ReceiverFamily::pair:
            return std::make_unique<PairReceiver>();
        case ReceiverFamily::at:
            return textFamily('@', atCommands);
        case ReceiverFamily::ubx:
            return std::make_unique<UbxReceiver>();
        case ReceiverFamily::none:
            break;
    }
    return std::make_unique<SilentReceiver>();
}
