#pragma once
// Hot, warm, cold and factory starts as each command family publishes them: the one
// command a receiver of the family takes for the kind, or none where the family
// publishes no command for it. docs/start-commands.md names each command's source.

#include <cstdint>

#include "nmea/command_family.h"
#include "receiver_frames.h"

enum class StartKind : std::uint8_t { hot, warm, cold, factory };

constexpr StartKind allStartKinds[] = {StartKind::hot, StartKind::warm, StartKind::cold,
                                       StartKind::factory};

// "hot", "warm", "cold" or "factory".
const char* startKindName(StartKind kind);

// Returns 1 with the kind of such a name, 0 for any other text.
int parseStartKind(const char* name, StartKind* kind);

// A sentence sent as it stands (its checksum is part of it, the writer adds CR LF), or,
// when `sentence` is null, a binary frame.
struct StartCommand {
    const char16_t* sentence = nullptr;
    ByteFrame frame;
};

// The family's command for the kind; null when the family has none, and for
// CommandFamily::none.
const StartCommand* startCommand(CommandFamily family, StartKind kind);
