#pragma once
// The receiver families the simulated receiver can play, each known by its command set.

#include <memory>

#include "replies.h"

enum class ReceiverFamily { none, psrf, pmtk, pair, at, ubx };

// Returns 1 with the family of a name ("none", "psrf", "pmtk", "pair", "at", "ubx"),
// 0 for any other name.
int parseReceiverFamily(const char* name, ReceiverFamily* family);
const char* receiverFamilyName(ReceiverFamily family);

// The policy that answers like the family: silent for none.
std::unique_ptr<ReplyPolicy> makeReplyPolicy(ReceiverFamily family);
