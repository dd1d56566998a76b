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
