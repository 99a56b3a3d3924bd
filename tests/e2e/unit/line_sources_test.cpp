#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "recording_source.h"
#include "scenario_source.h"

namespace {

std::vector<std::uint8_t> bytesOf(const std::string& text) {
    return std::vector<std::uint8_t>(text.begin(), text.end());
}

std::string textOf(const Chunk& chunk) {
    return std::string(reinterpret_cast<const char*>(chunk.bytes), chunk.length);
}

struct Piece {
    std::string text;
    bool endsLine;
};

std::vector<Piece> drain(LineSource& source, std::size_t limit = 100000) {
    std::vector<Piece> pieces;
    Chunk chunk;
    while (pieces.size() < limit && source.next(chunk)) {
        pieces.push_back({textOf(chunk), chunk.endsLine});
    }
    return pieces;
}

TEST(RecordingSource, CutsAfterEachLineFeedKeepingEveryByte) {
    RecordingSource source(bytesOf(std::string("$A*00\r\n\n$B\x00\xB5\x62*11\r\nlast", 22)));
    const auto pieces = drain(source);
    ASSERT_EQ(pieces.size(), 4u);
    EXPECT_EQ(pieces[0].text, "$A*00\r\n");
    EXPECT_EQ(pieces[1].text, "\n");
    EXPECT_EQ(pieces[2].text, std::string("$B\x00\xB5\x62*11\r\n", 10));
    EXPECT_EQ(pieces[3].text, "last");
    for (const Piece& piece : pieces) {
        EXPECT_TRUE(piece.endsLine) << piece.text;
    }
}

TEST(RecordingSource, ALineLongerThanAChunkComesInPiecesAndOnlyTheLastEndsIt) {
    const std::string longLine(Chunk::capacity + 10, 'x');
    RecordingSource source(bytesOf(longLine + "\n$B\r\n"));
    const auto pieces = drain(source);
    ASSERT_EQ(pieces.size(), 3u);
    EXPECT_EQ(pieces[0].text.size(), Chunk::capacity);
    EXPECT_FALSE(pieces[0].endsLine);
    EXPECT_EQ(pieces[1].text, std::string(10, 'x') + "\n");
    EXPECT_TRUE(pieces[1].endsLine);
    EXPECT_EQ(pieces[2].text, "$B\r\n");
}

TEST(RecordingSource, RewindStartsOverAndAnEmptyFileHasNoLines) {
    RecordingSource source(bytesOf("1\n2\n"));
    EXPECT_EQ(drain(source).size(), 2u);
    Chunk chunk;
    EXPECT_FALSE(source.next(chunk));
    source.rewind();
    const auto again = drain(source);
    ASSERT_EQ(again.size(), 2u);
    EXPECT_EQ(again[0].text, "1\n");

    RecordingSource empty({});
    EXPECT_FALSE(empty.next(chunk));
}

TEST(RecordingSource, OpeningAMissingFileFails) {
    EXPECT_EQ(openRecording("/nonexistent/recording.nmea"), nullptr);
}

TEST(ScenarioSource, GivesWholeSentencesEndingInCrLf) {
    ScenarioOptions options;
    options.seconds = 3;
    ScenarioSource source(options);
    const auto pieces = drain(source);
    ASSERT_GT(pieces.size(), 3u);
    for (const Piece& piece : pieces) {
        ASSERT_TRUE(piece.endsLine);
        ASSERT_GE(piece.text.size(), 3u);
        EXPECT_EQ(piece.text[0], '$') << piece.text;
        EXPECT_EQ(piece.text.substr(piece.text.size() - 2), "\r\n") << piece.text;
    }
}

TEST(ScenarioSource, IsTheSameStreamAsTheGeneratorAndRepeatsAfterRewind) {
    ScenarioOptions options;
    options.seconds = 5;
    options.seed = 7;
    const std::string expected = generateScenario(options);
    ScenarioSource source(options);
    std::string first;
    for (const Piece& piece : drain(source)) {
        first += piece.text;
    }
    EXPECT_EQ(first, expected);
    source.rewind();
    std::string second;
    for (const Piece& piece : drain(source)) {
        second += piece.text;
    }
    EXPECT_EQ(second, expected);
}

std::string readBytes(LineSource& source, std::size_t count) {
    std::string text;
    Chunk chunk;
    while (text.size() < count && source.next(chunk)) {
        text += textOf(chunk);
    }
    return text;
}

TEST(ScenarioSource, AColdStartBeginsANewRunWhoseClockGoesOn) {
    ScenarioOptions options;
    options.seconds = 4;
    options.fixAfterSeconds = 2;
    options.year = 2026, options.month = 12, options.day = 31;
    options.hour = 23, options.minute = 59, options.second = 58;
    ScenarioOptions firstThree = options;
    firstThree.seconds = 3;
    const std::string firstEpochs = generateScenario(firstThree);

    ScenarioSource source(options);
    ASSERT_EQ(readBytes(source, firstEpochs.size()), firstEpochs);
    source.restartCold();
    ScenarioOptions later = options;  // three seconds on: into the next year
    later.year = 2027, later.month = 1, later.day = 1;
    later.hour = 0, later.minute = 0, later.second = 1;
    std::string restarted;
    for (const Piece& piece : drain(source)) {
        restarted += piece.text;
    }
    EXPECT_EQ(restarted, generateScenario(later));
    source.rewind();  // a loop still goes back to the very start
    EXPECT_EQ(readBytes(source, firstEpochs.size()), firstEpochs);
}

}  // namespace
