// The start commands, whole and with correct checksums, and the sequences that send them.

#include "commands/start_commands.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "commands/start_sequence.h"
#include "commands/step_execution.h"
#include "nmea/checksum.h"
#include "recording_command_host.h"

namespace {

constexpr CommandFamily families[] = {CommandFamily::psrf, CommandFamily::pmtk, CommandFamily::pair,
                                      CommandFamily::at, CommandFamily::ubx};

// A UBX frame's two 8-bit running sums over class, id, length and payload.
bool fletcherOk(const ByteFrame& frame) {
    std::uint8_t a = 0, b = 0;
    for (std::size_t i = 2; i + 2 < frame.count; ++i) {
        a = static_cast<std::uint8_t>(a + frame.bytes[i]);
        b = static_cast<std::uint8_t>(b + a);
    }
    return frame.count >= 8 && a == frame.bytes[frame.count - 2] &&
           b == frame.bytes[frame.count - 1];
}

// What each command means is checked against the simulated receivers, which read the
// protocols' rules (tests/e2e/unit/family_starts_test.cpp); here, that each is whole.
TEST(StartCommands, OnlyThePublishedOnesExistEachWithARightChecksum) {
    for (CommandFamily family : families) {
        for (StartKind kind : allStartKinds) {
            const char* label = commandFamilyName(family);
            const StartCommand* command = startCommand(family, kind);
            const bool published = kind != StartKind::factory ||
                                   (family != CommandFamily::at && family != CommandFamily::ubx);
            ASSERT_EQ(command != nullptr, published) << label << " " << startKindName(kind);
            if (command == nullptr) {
                continue;
            }
            if (family == CommandFamily::ubx) {
                ASSERT_EQ(command->sentence, nullptr);
                EXPECT_TRUE(fletcherOk(command->frame)) << startKindName(kind);
            } else if (family != CommandFamily::at) {
                const std::u16string line = std::u16string(command->sentence) + u"\r\n";
                EXPECT_TRUE(sentenceChecksumOk(line.c_str(), line.size())) << label;
            }
        }
    }
    for (StartKind kind : allStartKinds) {
        EXPECT_EQ(startCommand(CommandFamily::none, kind), nullptr);
        StartKind parsed = StartKind::hot;
        EXPECT_EQ(parseStartKind(startKindName(kind), &parsed), 1);
        EXPECT_EQ(parsed, kind);
    }
    StartKind untouched = StartKind::warm;
    for (const char* name : {"", "Cold", "cold ", "full", "unknown"}) {
        EXPECT_EQ(parseStartKind(name, &untouched), 0) << name;
    }
    EXPECT_EQ(untouched, StartKind::warm);
}

// Every step run against a recording host: the bytes written, each at its time.
std::vector<PortEvent> written(const CommandSequence& sequence) {
    RecordingCommandHost host;
    auto state = std::make_unique<ReceiverState>();
    for (int i = 0; i < sequence.count; ++i) {
        host.now = sequence.steps[i].atMs;
        EXPECT_EQ(executeStep(sequence.steps[i], host, *state), 1);
    }
    EXPECT_TRUE(host.panel.empty()) << "a start only writes";
    return host.port;
}

std::string bytesOf(CommandFamily family, StartKind kind) {
    const StartCommand* command = startCommand(family, kind);
    return command->sentence != nullptr ? narrowed(command->sentence) + "\r\n"
                                        : bytesOf(command->frame);
}

TEST(StartSequences, OneFamilyOrAllInTheColdStartOrderWithTheirFirstWrite) {
    auto sequence = std::make_unique<CommandSequence>();
    for (StartKind kind : allStartKinds) {
        std::vector<PortEvent> all;
        for (CommandFamily family : families) {
            const int writes = buildStartSequence(kind, family, *sequence);
            if (startCommand(family, kind) == nullptr) {
                EXPECT_EQ(writes, 0);
                EXPECT_EQ(firstWriteAtMs(*sequence), -1);
                EXPECT_TRUE(written(*sequence).empty());
                continue;
            }
            const std::vector<PortEvent> one = {{0, bytesOf(family, kind)}};
            EXPECT_EQ(writes, 1);
            EXPECT_EQ(firstWriteAtMs(*sequence), 0);
            EXPECT_EQ(written(*sequence), one) << commandFamilyName(family);
            all.emplace_back(static_cast<std::uint32_t>(all.size()) * familyPaceMs,
                             bytesOf(family, kind));
        }
        EXPECT_EQ(buildAllFamiliesStartSequence(kind, *sequence), static_cast<int>(all.size()));
        EXPECT_EQ(firstWriteAtMs(*sequence), 0);
        EXPECT_EQ(written(*sequence), all) << startKindName(kind);
    }
    EXPECT_EQ(buildAllFamiliesStartSequence(StartKind::factory, *sequence), 3);
    EXPECT_EQ(buildStartSequence(StartKind::cold, CommandFamily::none, *sequence), 0);

    // A sequence that shows something before it writes is timed from the write.
    buildStartSequence(StartKind::hot, CommandFamily::pmtk, *sequence);
    sequence->steps[1] = sequence->steps[0];
    sequence->steps[1].atMs = 300;
    sequence->steps[0] = CommandStep();
    sequence->steps[0].text = u"console";
    sequence->count = 2;
    EXPECT_EQ(firstWriteAtMs(*sequence), 300);
}

}  // namespace
