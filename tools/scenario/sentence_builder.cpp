#include "sentence_builder.h"

namespace skyvane::scenario {

std::uint8_t nmeaChecksum(std::string_view payload) {
    std::uint8_t sum = 0;
    for (char c : payload) {
        sum = static_cast<std::uint8_t>(sum ^ static_cast<std::uint8_t>(c));
    }
    return sum;
}

SentenceBuilder::SentenceBuilder(std::string_view address) : payload(address) {}

SentenceBuilder& SentenceBuilder::field(std::string_view text) {
    payload += ',';
    payload += text;
    return *this;
}

SentenceBuilder& SentenceBuilder::emptyFields(int count) {
    payload.append(static_cast<std::size_t>(count), ',');
    return *this;
}

void SentenceBuilder::appendTo(std::string& out) const {
    constexpr char hexDigits[] = "0123456789ABCDEF";
    const std::uint8_t checksum = nmeaChecksum(payload);
    out += '$';
    out += payload;
    out += '*';
    out += hexDigits[checksum >> 4];
    out += hexDigits[checksum & 0x0F];
    out += "\r\n";
}

}  // namespace skyvane::scenario
