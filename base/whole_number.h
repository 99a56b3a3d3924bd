#pragma once
// The one parser of whole numbers in options and commands: the whole text
// must be the number, so "12abc" is no 12 the user never learns about.

#include <cstdint>

// Reads an optional sign and at least one decimal digit filling [begin, end)
// exactly, into a value from `lowest` to `highest`. Returns false otherwise.
bool parseWholeNumber(const char* begin, const char* end, std::int64_t lowest, std::int64_t highest,
                      std::int64_t* value);

// The same for a whole NUL-terminated text; a null text is no number.
bool parseWholeNumber(const char* text, std::int64_t lowest, std::int64_t highest,
                      std::int64_t* value);
