#pragma once

// The medium a folder lies on. A folder chosen on a card is told apart from the empty mount
// point that stays behind on the system disk when the card is pulled: the two lie on
// different devices.

#include <cstdint>
#include <optional>
#include <string>

using FolderDevice = std::uint64_t;

// The device of `folder`, or nothing when the folder cannot be reached.
std::optional<FolderDevice> ReadFolderDevice(const std::string& folder);

// Whether `folder` is a card's mount point with no card in it: a folder below the system's
// removable-media roots (/media, /run/media) that lies on the same device as the system's root.
// Cards are mounted there, so such a folder is what a pulled card leaves behind.
bool NoCardMountedAt(const std::string& folder);
