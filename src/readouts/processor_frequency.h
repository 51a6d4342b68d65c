#pragma once

#include <cstdint>

namespace platform {
class SystemInfo;
}

namespace veltrana {

// Counts processor cycles across a half-second sleep at real-time priority
// and returns the clock frequency in GHz. Blocks for a little over 510 ms;
// the priorities are restored before it returns.
double measureProcessorSpeed(platform::SystemInfo& system);

// Cycles counted in half a second, in GHz. The whole 64-bit count takes part,
// so processors above 8.59 GHz do not wrap around.
double cyclesToGHz(std::uint64_t cycles);

}  // namespace veltrana
