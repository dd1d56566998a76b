#pragma once

// Texts for reading back what was written: every printable ASCII character, the one a text starts
// with turned by `shift`, so that texts of several fields differ.
#include <string>

inline std::string EveryPrintableCharacter(std::size_t shift = 0) {
    std::string text;
    for (std::size_t i = 0; i < 95; ++i) {
        text += static_cast<char>(0x20 + (i + shift) % 95);
    }
    return text;
}
