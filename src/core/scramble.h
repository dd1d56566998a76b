#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// A settings file is its settings text with every byte shifted by a 10-byte key; line feeds
// become the byte 1 so the camera can find the line ends whatever the key.
struct ScrambleKey {
    std::array<std::uint8_t, 10> bytes;
};

inline constexpr ScrambleKey kCameraScrambleKey{{27, 15, 44, 31, 12, 38, 25, 47, 18, 29}};
inline constexpr ScrambleKey kMmsScrambleKey{{41, 19, 23, 52, 14, 35, 28, 11, 46, 20}};
inline constexpr ScrambleKey kSmtpScrambleKey{{13, 49, 30, 17, 42, 24, 53, 36, 21, 45}};

inline constexpr std::uint8_t kScrambledLineEnd = 1;

// Scrambles the first `length` bytes of `text` in place and stores a zero byte right after
// them, so `text` must have room for length + 1 bytes. Returns false, touching nothing, when
// length is 0.
bool ScrambleSettingsText(char* text, std::size_t length, const ScrambleKey& key);

// The settings text of a settings file: the exact inverse of ScrambleSettingsText for every text
// of printable characters and line feeds, whose scrambled bytes are never the line mark.
std::string UnscrambleSettingsText(std::string_view bytes, const ScrambleKey& key);
