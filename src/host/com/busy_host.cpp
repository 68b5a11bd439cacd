#include "host/com/busy_host.h"

namespace trivex::com {

std::optional<uint32_t> RetryAfter(Rejection rejection, uint32_t elapsedMs) {
    if (rejection != Rejection::RetryLater || elapsedMs >= kBusyTimeoutMs) return std::nullopt;
    return kBusyRetryMs;
}

}  // namespace trivex::com
