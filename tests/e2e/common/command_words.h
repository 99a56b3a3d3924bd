#pragma once
// A command line of the bench's text protocols: a verb, then words separated by blanks.
// The words point into a copy held here; the text from a word on can also be taken whole,
// blanks included, for commands that carry free text ("set_text 1022 $PMTK000*32").

#include <cstddef>
#include <cstdint>

class CommandWords {
public:
    static constexpr std::size_t maxLine = 4096;  // a send field of 1022 characters and more
    static constexpr std::size_t maxWords = 8;

    // Trailing CR and LF are dropped; a longer line keeps its first maxLine - 1 bytes.
    explicit CommandWords(const char* line);

    std::size_t count() const { return wordCount; }
    const char* verb() const { return wordCount > 0 ? words[0] : ""; }
    // Word i (0 is the verb), or "" when there are fewer words.
    const char* word(std::size_t i) const { return i < wordCount ? words[i] : ""; }
    // Everything from word i on, blanks included, as typed ("" when there is no word i);
    // rest() is the text after the verb.
    const char* restFrom(std::size_t i) const {
        return i < wordCount ? wholeText + wordStarts[i] : "";
    }
    const char* rest() const { return restFrom(1); }
    bool is(const char* verb) const;

    // Whole decimal number in [min, max]; false for anything else.
    bool integer(std::size_t i, std::int64_t min, std::int64_t max, std::int64_t* value) const;

private:
    char splitText[maxLine];
    char wholeText[maxLine];
    const char* words[maxWords];
    std::size_t wordStarts[maxWords];
    std::size_t wordCount = 0;
};
