#include "core/scramble.h"

bool ScrambleSettingsText(char* text, std::size_t length, const ScrambleKey& key) {
    if (length == 0) {
        return false;
    }
    for (std::size_t i = 0; i < length; ++i) {
        const auto byte = static_cast<std::uint8_t>(text[i]);
        // A line feed uses up its key position without taking the key value.
        const std::uint8_t scrambled =
            byte == '\n' ? kScrambledLineEnd
                         : static_cast<std::uint8_t>(byte + key.bytes[i % key.bytes.size()]);
        text[i] = static_cast<char>(scrambled);
    }
    text[length] = '\0';
    return true;
}

std::string UnscrambleSettingsText(std::string_view bytes, const ScrambleKey& key) {
    std::string text(bytes);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<std::uint8_t>(text[i]);
        text[i] = byte == kScrambledLineEnd ? '\n'
                                            : static_cast<char>(static_cast<std::uint8_t>(
                                                  byte - key.bytes[i % key.bytes.size()]));
    }
    return text;
}
