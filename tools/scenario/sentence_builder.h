#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace skyvane::scenario {

// XOR of every character between '$' and '*'.
std::uint8_t nmeaChecksum(std::string_view payload);

// Builds one sentence: "$" + address, then the fields, each after a comma, then the
// checksum and CR LF.
class SentenceBuilder {
public:
    explicit SentenceBuilder(std::string_view address);

    SentenceBuilder& field(std::string_view text);
    SentenceBuilder& emptyFields(int count);

    void appendTo(std::string& out) const;

private:
    std::string payload;  // without the leading '$'
};

}  // namespace skyvane::scenario
