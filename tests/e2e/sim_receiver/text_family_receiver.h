#pragma once
// A receiver family that takes text commands: NMEA sentences ('$', checksums both ways)
// or the at family's '@' lines (no checksum). It acts on the commands of its table and
// leaves everything else alone: other families' commands, garbage, binary frames and
// sentences whose checksum is wrong.

#include <cstddef>
#include <cstdint>
#include <optional>

#include "replies.h"
#include "text_command_reader.h"

// One command of a family and what the receiver does about it.
struct TextCommand {
    const char* name;                 // its first field: "$PMTK605", "@VER"
    const char* const* answer;        // the lines it answers, ending in nullptr; nullptr: none
    std::optional<StartKind> starts;  // the start it is, if it is one
};

class TextFamilyReceiver : public ReplyPolicy {
public:
    // The table must outlive the receiver.
    TextFamilyReceiver(char startMark, const TextCommand* table, std::size_t tableSize);

    void onReceived(const std::uint8_t* bytes, std::size_t count,
                    ReceiverControl& receiver) override;

protected:
    // A well-formed command of the family that its table does not hold.
    virtual void onOtherCommand(const char*, ReceiverControl&) {}

private:
    void onCommand(const char* command, ReceiverControl& receiver);
    void answer(const char* const* lines, ReceiverControl& receiver) const;

    TextCommandReader reader;
    bool sentences;
    const TextCommand* commands;
    std::size_t commandCount;
};
