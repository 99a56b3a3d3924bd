#include "text_family_receiver.h"

#include <cstdio>
#include <cstring>

#include "sentence_text.h"

namespace {

// The command's name ends at its first field separator.
bool nameIs(const char* command, const char* name) {
    const std::size_t length = std::strlen(name);
    if (std::strncmp(command, name, length) != 0) {
        return false;
    }
    const char next = command[length];
    return next == 0 || next == ',' || next == '*' || next == ' ';
}

}  // namespace

TextFamilyReceiver::TextFamilyReceiver(char startMark, const TextCommand* table,
                                       std::size_t tableSize)
    : reader(startMark), sentences(startMark == '$'), commands(table), commandCount(tableSize) {}

void TextFamilyReceiver::onReceived(const std::uint8_t* bytes, std::size_t count,
                                    ReceiverControl& receiver) {
    for (std::size_t i = 0; i < count; ++i) {
        if (reader.take(bytes[i])) {
            onCommand(reader.command(), receiver);
        }
    }
}

void TextFamilyReceiver::onCommand(const char* command, ReceiverControl& receiver) {
    if (sentences && !checksumValid(command)) {
        return;  // a receiver ignores a sentence it cannot trust
    }
    for (std::size_t i = 0; i < commandCount; ++i) {
        const TextCommand& known = commands[i];
        if (!nameIs(command, known.name)) {
            continue;
        }
        if (known.answer != nullptr) {
            answer(known.answer, receiver);
        }
        if (known.starts) {
            receiver.start(*known.starts);
        }
        return;
    }
    onOtherCommand(command, receiver);
}

// The answer goes as one reply so that no stream line slips in between its lines.
void TextFamilyReceiver::answer(const char* const* lines, ReceiverControl& receiver) const {
    char text[1024];
    std::size_t length = 0;
    for (const char* const* line = lines; *line != nullptr; ++line) {
        const std::size_t room = sizeof text - length;
        const std::size_t added =
            sentences
                ? formatSentence(text + length, room, *line)
                : static_cast<std::size_t>(std::snprintf(text + length, room, "%s\r\n", *line));
        if (added == 0 || added >= room) {
            return;  // the tables are far smaller; never send a cut answer
        }
        length += added;
    }
    receiver.queueReply(reinterpret_cast<const std::uint8_t*>(text), length);
}
