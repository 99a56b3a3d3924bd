#pragma once
// Sentences and frames towards the receiver. Text is narrowed to one byte per
// UTF-16 unit (its low byte); a unit whose low byte is 0 ends the text.

#include <cstddef>
#include <cstdint>

// Where the bytes go. One call carries one whole line or frame.
class SentenceOutput {
public:
    virtual ~SentenceOutput() = default;
    virtual void writeBytes(const std::uint8_t* bytes, std::size_t count) = 0;
};

// One output line, its terminating zero included (the zero is not written).
constexpr std::size_t sentenceLineSize = 256;
constexpr std::size_t plainTextLimit = sentenceLineSize - 3;    // CR, LF, zero
constexpr std::size_t checkedTextLimit = sentenceLineSize - 6;  // '*', two digits, CR, LF, zero

// Units the writers take from the text, counting no further than limit + 1:
// a result above the limit means the text does not fit.
std::size_t sentenceTextLength(const char16_t* text, std::size_t limit);

// The text and CR LF. Returns 1, or 0 with nothing written when the text is
// longer than plainTextLimit.
int writeSentence(SentenceOutput& output, const char16_t* text);

// The text, '*', the XOR of every byte after the first as two upper-case
// hexadecimal digits, CR LF. Returns 1, or 0 with nothing written when the
// text is longer than checkedTextLimit.
int writeSentenceChecked(SentenceOutput& output, const char16_t* text);

// The bytes unchanged.
void writeFrame(SentenceOutput& output, const std::uint8_t* bytes, std::size_t count);
