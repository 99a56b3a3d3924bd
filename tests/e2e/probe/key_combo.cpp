#include "key_combo.h"

#include <cctype>
#include <cstring>

namespace {

struct NamedKey {
    const char* name;
    std::uint16_t vk;
};

// Virtual-key numbers of the Windows API (VK_*), written out so this file needs no
// Windows header.
constexpr NamedKey modifiers[] = {
    {"ctrl", 0x11}, {"control", 0x11}, {"shift", 0x10}, {"alt", 0x12}};

constexpr NamedKey namedKeys[] = {
    {"escape", 0x1B}, {"esc", 0x1B},  {"enter", 0x0D},  {"return", 0x0D}, {"tab", 0x09},
    {"space", 0x20},  {"back", 0x08}, {"delete", 0x2E}, {"home", 0x24},   {"end", 0x23},
    {"left", 0x25},   {"up", 0x26},   {"right", 0x27},  {"down", 0x28},   {"f1", 0x70},
    {"f2", 0x71},     {"f3", 0x72},   {"f4", 0x73},     {"f5", 0x74},     {"f6", 0x75},
    {"f7", 0x76},     {"f8", 0x77},   {"f9", 0x78},     {"f10", 0x79},    {"f11", 0x7A},
    {"f12", 0x7B}};

template <std::size_t N>
bool lookUp(const NamedKey (&table)[N], const char* name, std::uint16_t* vk) {
    for (const NamedKey& key : table) {
        if (std::strcmp(key.name, name) == 0) {
            *vk = key.vk;
            return true;
        }
    }
    return false;
}

// A single letter or digit is its own virtual key ('A' to 'Z', '0' to '9').
bool mainKey(const char* name, std::uint16_t* vk) {
    if (name[0] != 0 && name[1] == 0 && std::isalnum(static_cast<unsigned char>(name[0]))) {
        *vk = static_cast<std::uint16_t>(std::toupper(static_cast<unsigned char>(name[0])));
        return true;
    }
    return lookUp(namedKeys, name, vk);
}

}  // namespace

bool parseKeyCombo(const char* text, KeyCombo* combo) {
    combo->count = 0;
    char name[16];
    std::size_t length = 0;
    for (const char* p = text;; ++p) {
        if (*p != '+' && *p != 0) {
            if (length + 1 >= sizeof name) {
                return false;
            }
            name[length++] = static_cast<char>(std::tolower(static_cast<unsigned char>(*p)));
            continue;
        }
        name[length] = 0;
        length = 0;
        const bool last = *p == 0;
        std::uint16_t vk = 0;
        const bool known = last ? mainKey(name, &vk) : lookUp(modifiers, name, &vk);
        if (!known || combo->count == KeyCombo::maxKeys) {
            return false;
        }
        combo->keys[combo->count++] = vk;
        if (last) {
            return true;
        }
    }
}
