// How the program answers a busy host. A host with a dialog of its own open turns calls away,
// asking to be called again later: such a call is made again every kBusyRetryMs until
// kBusyTimeoutMs have passed since it was first made, and then given up.
#pragma once

#include <cstdint>
#include <optional>

namespace trivex::com {

inline constexpr uint32_t kBusyRetryMs = 100;
inline constexpr uint32_t kBusyTimeoutMs = 10000;

enum class Rejection {
    RetryLater,  // the host is busy
    Refused,     // the host will not take the call at all
};

// The milliseconds to wait before the call is made again, or nothing: give it up.
[[nodiscard]] std::optional<uint32_t> RetryAfter(Rejection rejection, uint32_t elapsedMs);

}  // namespace trivex::com
