#include "text_command_reader.h"

namespace {

bool isText(std::uint8_t byte) {
    return byte == '\r' || (byte >= 0x20 && byte <= 0x7E);
}

}  // namespace

bool TextCommandReader::take(std::uint8_t byte) {
    if (byte == static_cast<std::uint8_t>(startMark)) {
        text[0] = startMark;
        length = 1;
        inCommand = true;
        overlong = false;
        return false;
    }
    if (!inCommand) {
        return false;
    }
    if (byte == '\n') {
        inCommand = false;
        if (overlong) {
            return false;
        }
        if (text[length - 1] == '\r') {
            --length;
        }
        text[length] = 0;
        return true;
    }
    if (!isText(byte)) {
        inCommand = false;
    } else if (length + 1 < maxCommand) {
        text[length++] = static_cast<char>(byte);
    } else {
        overlong = true;
    }
    return false;
}
