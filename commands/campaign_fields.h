#pragma once
// The campaign window's fields as the operator filled them, read into a
// campaign's settings: the kind and family by their list positions, the
// count, timeout and settle time as whole numbers, and an optional reference.

#include <optional>

#include "campaign_runner.h"
#include "stats/geodesy.h"

// The family list's entries, in order: auto, all, then each family.
constexpr int campaignFamilyEntries = 7;
const char* campaignFamilyEntry(int position);

struct CampaignFields {
    int kindPosition = -1;    // in hot, warm, cold, factory
    int familyPosition = -1;  // in the family list
    const char* count = "";
    const char* timeoutS = "";
    const char* settleS = "";
    const char* referenceLat = "";  // both empty: no reference
    const char* referenceLon = "";
};

// Returns 1 with the settings, or 0 with what is wrong, for the window to say.
int readCampaignFields(const CampaignFields& fields, CampaignSettings* settings,
                       std::optional<GeoPoint>* reference, const char** problem);

// What the window says when the addressed family has no command for the kind.
void describeMissingStart(StartKind kind, CommandFamily family, char (&text)[128]);
