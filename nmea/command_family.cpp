#include "command_family.h"

namespace {

struct FamilyName {
    CommandFamily family;
    const char* name;
};

constexpr FamilyName familyNames[] = {
    {CommandFamily::none, "none"}, {CommandFamily::psrf, "psrf"}, {CommandFamily::pmtk, "pmtk"},
    {CommandFamily::pair, "pair"}, {CommandFamily::at, "at"},     {CommandFamily::ubx, "ubx"},
};

}  // namespace

const char* commandFamilyName(CommandFamily family) {
    for (const FamilyName& known : familyNames) {
        if (known.family == family) {
            return known.name;
        }
    }
    return "none";
}
