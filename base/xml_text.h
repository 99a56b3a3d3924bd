#pragma once
// Text as XML 1.0 character data in UTF-8, for every SVG and HTML document
// the program and its tools write. The five markup characters become
// references, and every unit XML cannot hold (controls other than TAB, LF and
// CR, U+FFFE, U+FFFF, a lone surrogate, a byte that is not UTF-8) becomes
// U+FFFD, so the document stays well-formed whatever the text holds.

#include <cstddef>
#include <string>

// UTF-16 text up to its NUL.
void appendXmlText(std::string& out, const char16_t* text);

// At most `count` UTF-16 units, stopping at a NUL.
void appendXmlText(std::string& out, const char16_t* units, std::size_t count);

// UTF-8 bytes up to the NUL (a file name as the system gave it): each byte
// that does not begin a well-formed sequence becomes one U+FFFD.
void appendXmlTextUtf8(std::string& out, const char* text);
