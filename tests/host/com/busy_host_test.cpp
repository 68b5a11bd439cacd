#include "host/com/busy_host.h"

#include <gtest/gtest.h>

namespace trivex::com {
namespace {

TEST(BusyHostTest, ABusyHostIsAskedAgainUntilTheTimeOut) {
    const struct {
        Rejection rejection;
        uint32_t elapsedMs;
        std::optional<uint32_t> retryAfter;
    } cases[] = {
        {Rejection::RetryLater, 0, 100},     // busy: asked again a tenth of a second later
        {Rejection::RetryLater, 9999, 100},  // still within the ten seconds
        {Rejection::RetryLater, 10000, {}},  // the host stayed busy: given up
        {Rejection::Refused, 0, {}},         // a refusal is not asked again
    };
    for (const auto& c : cases)
        EXPECT_EQ(RetryAfter(c.rejection, c.elapsedMs), c.retryAfter)
            << "rejection " << static_cast<int>(c.rejection) << " after " << c.elapsedMs << " ms";
}

}  // namespace
}  // namespace trivex::com
