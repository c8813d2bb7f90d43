// The keys the user can choose to start and stop clicking: A to Z, then F1 to F12.
#pragma once

#include <array>
#include <string_view>

struct StartKey {
    std::string_view text;   // as shown in the list
    unsigned virtualKey;     // registered as a hotkey
};

inline constexpr std::array<StartKey, 38> StartKeyTable = [] {
    constexpr std::string_view letters = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    constexpr std::string_view functionKeys[] = {"F1", "F2", "F3", "F4",  "F5",  "F6",
                                                 "F7", "F8", "F9", "F10", "F11", "F12"};
    std::array<StartKey, 38> table{};
    for (unsigned i = 0; i < 26; ++i)
        table[i] = {letters.substr(i, 1), 'A' + i};  // a letter key's code is its capital
    for (unsigned i = 0; i < 12; ++i) table[26 + i] = {functionKeys[i], 0x70 + i};
    return table;
}();

inline constexpr std::array<std::string_view, 38> StartKeyNames = [] {
    std::array<std::string_view, 38> names{};
    for (std::size_t i = 0; i < names.size(); ++i) names[i] = StartKeyTable[i].text;
    return names;
}();
