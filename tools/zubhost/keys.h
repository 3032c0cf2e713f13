// The keys a script presses by name with key: the name, the virtual key, the character
// that the keyboard's translation adds as WM_CHAR (0 for none), and whether the key is
// an extended one. One table for the script reader, which knows the names, and the
// console, which presses the keys. No windows here: the virtual keys are their numbers.
#pragma once

#include <cstdint>
#include <string_view>

namespace zub::script {

struct Key {
    const char* name;
    uint16_t vk;
    char character;
    bool extended;
};

inline constexpr Key kKeys[] = {
    {"backspace", 0x08, '\b', false}, {"delete", 0x2E, 0, true}, {"enter", 0x0D, '\r', false},
    {"tab", 0x09, '\t', false},       {"escape", 0x1B, 27, false}, {"left", 0x25, 0, true},
    {"right", 0x27, 0, true},         {"up", 0x26, 0, true},       {"down", 0x28, 0, true},
    {"home", 0x24, 0, true},          {"end", 0x23, 0, true},
};

// The key of that name (lower case); null for a name the table does not hold.
constexpr const Key* findKey(std::string_view name)
{
    for (const Key& key : kKeys) {
        if (name == key.name) return &key;
    }
    return nullptr;
}

} // namespace zub::script
