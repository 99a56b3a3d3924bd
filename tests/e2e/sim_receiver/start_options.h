#pragma once
// How the simulated receiver takes its family's start commands, as its command line sets
// it: when it fixes again, which kinds it ignores, how its restart shows.

#include <iterator>

#include "commands/start_commands.h"
#include "ttff_plan.h"

// Epochs without a fix right away, or first a second without any line, as a receiver
// that reboots.
enum class RestartShows { noFix, silence };

struct StartOptions {
    TtffPlan ttff;
    bool ignored[std::size(allStartKinds)] = {};
    RestartShows shows = RestartShows::noFix;
};
