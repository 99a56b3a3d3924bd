#pragma once
// Keystrokes named the way a tester writes them: "ctrl+a", "escape", "alt+f4", "enter".
// Portable: the result is Windows virtual-key numbers, so the parser is tested natively.

#include <cstddef>
#include <cstdint>

struct KeyCombo {
    static constexpr std::size_t maxKeys = 4;
    // Modifiers first, in the order given, then the key itself; pressed in this order and
    // released in the reverse order.
    std::uint16_t keys[maxKeys] = {};
    std::size_t count = 0;
};

// False for an unknown key name, a combination without a main key, or too many keys.
bool parseKeyCombo(const char* text, KeyCombo* combo);
