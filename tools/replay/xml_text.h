#pragma once

#include <string>

// Appends UTF-16 text as XML 1.0 character data in UTF-8. The five markup
// characters become references, and every unit XML cannot hold (controls other
// than TAB, LF and CR, U+FFFE, U+FFFF, a lone surrogate) becomes U+FFFD, so the
// document stays well-formed whatever the text holds. Stops at the NUL.
void appendXmlText(std::string& out, const char16_t* text);
