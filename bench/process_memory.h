#pragma once

// The memory of this process as the system counts it, in KiB.
#include <cstdint>

// Resident now.
std::int64_t ResidentKiB();
// The most that was ever resident.
std::int64_t PeakResidentKiB();
