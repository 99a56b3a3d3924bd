#include "campaign_fields.h"

#include <cstdio>
#include <iterator>

#include "base/whole_number.h"
#include "stats/reference_position.h"

namespace {

constexpr const char* familyEntries[campaignFamilyEntries] = {
    "auto (the family that answered)", "all families", "PSRF", "PMTK", "PAIR", "@ commands",
    "UBX"};
constexpr CommandFamily entryFamilies[campaignFamilyEntries] = {
    CommandFamily::none, CommandFamily::none, CommandFamily::psrf, CommandFamily::pmtk,
    CommandFamily::pair, CommandFamily::at,   CommandFamily::ubx};

int readNumber(const char* text, std::int64_t lowest, std::int64_t highest, int* value) {
    std::int64_t parsed = 0;
    if (!parseWholeNumber(text, lowest, highest, &parsed)) {
        return 0;
    }
    *value = static_cast<int>(parsed);
    return 1;
}

int readFamily(int position, CampaignSettings* settings) {
    if (position < 0 || position >= campaignFamilyEntries) {
        return 0;
    }
    settings->choice = position == 0   ? FamilyChoice::automatic
                       : position == 1 ? FamilyChoice::all
                                       : FamilyChoice::one;
    settings->family = entryFamilies[position];
    return 1;
}

int readReference(const CampaignFields& fields, std::optional<GeoPoint>* reference) {
    reference->reset();
    if (fields.referenceLat[0] == 0 && fields.referenceLon[0] == 0) {
        return 1;
    }
    char both[160];
    std::snprintf(both, sizeof both, "%.70s,%.70s", fields.referenceLat, fields.referenceLon);
    GeoPoint point;
    if (!parseReferenceArgument(both, &point)) {
        return 0;
    }
    *reference = point;
    return 1;
}

}  // namespace

const char* campaignFamilyEntry(int position) {
    return position >= 0 && position < campaignFamilyEntries ? familyEntries[position] : "";
}

int readCampaignFields(const CampaignFields& fields, CampaignSettings* settings,
                       std::optional<GeoPoint>* reference, const char** problem) {
    if (fields.kindPosition < 0 || fields.kindPosition >= static_cast<int>(std::size(allStartKinds))) {
        *problem = "Choose the kind of start.";
        return 0;
    }
    settings->kind = allStartKinds[fields.kindPosition];
    if (!readFamily(fields.familyPosition, settings)) {
        *problem = "Choose the family, or auto.";
        return 0;
    }
    if (!readNumber(fields.count, 1, maxCampaignStarts, &settings->count)) {
        *problem = "Starts: a whole number from 1 to 1000.";
        return 0;
    }
    if (!readNumber(fields.timeoutS, 1, 3600, &settings->timeoutS)) {
        *problem = "Timeout: whole seconds from 1 to 3600.";
        return 0;
    }
    if (!readNumber(fields.settleS, 0, 3600, &settings->settleS)) {
        *problem = "Settle: whole seconds from 0 to 3600.";
        return 0;
    }
    if (!readReference(fields, reference)) {
        *problem = "Reference: latitude and longitude in degrees, or both empty.";
        return 0;
    }
    return 1;
}

void describeMissingStart(StartKind kind, CommandFamily family, char (&text)[128]) {
    const char* name = "every family";
    for (int i = 2; i < campaignFamilyEntries; ++i) {
        name = entryFamilies[i] == family ? familyEntries[i] : name;
    }
    std::snprintf(text, sizeof text, "%s has no published %s start: choose another family or kind.",
                  name, startKindName(kind));
}
