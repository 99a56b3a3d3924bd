#pragma once
// A strict check that a text is one well-formed JSON value (RFC 8259): no
// NaN or Infinity, no trailing commas, no control characters in strings, no
// leading zeros, no member name twice in an object. For the tests and fuzzers of everything that
// writes JSON.

#include <cstddef>
#include <string>
#include <string_view>

// Returns true when well formed; otherwise false with where and why in `problem`.
bool jsonWellFormed(std::string_view text, std::string* problem = nullptr);
