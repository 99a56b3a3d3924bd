#pragma once
// A strict check that a text is one well-formed XML 1.0 document, as the
// report's SVG and HTML pages are written: UTF-8 without a character XML
// cannot hold, names and quoted attributes (none twice in an element), every
// element closed in order under one root, "<" only as markup, "&" only in a
// reference to one of the five entities or to a character, comments, a
// <!DOCTYPE> and <?...?> only where they belong. For the tests and fuzzers of
// everything that writes SVG or HTML.

#include <string>
#include <string_view>

// Returns true when well formed; otherwise false with where and why in `problem`.
bool markupWellFormed(std::string_view text, std::string* problem = nullptr);
