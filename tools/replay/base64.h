#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// Appends the bytes in standard base64 with '=' padding, on one line.
void appendBase64(std::string& out, const std::uint8_t* bytes, std::size_t count);
