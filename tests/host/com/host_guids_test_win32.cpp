// The client names the host's classes and interfaces by GUIDs of its own; the stand-in's type
// library publishes them. The two must agree.
#include <gtest/gtest.h>

#include <uiview32.h>

#include "host/com/host_guids_win32.h"

namespace trivex::com {
namespace {

TEST(HostGuids, AreThoseOfTheTypeLibrary) {
    EXPECT_TRUE(IsEqualGUID(kApplicationClass, CLSID_UivApplication));
    EXPECT_TRUE(IsEqualGUID(kApplicationInterface, IID__UivApplication));
    EXPECT_TRUE(IsEqualGUID(kApplicationEvents, DIID___UivApplication));
    EXPECT_TRUE(IsEqualGUID(kMapInterface, IID__UivMap));
    EXPECT_TRUE(IsEqualGUID(kMapEvents, DIID___UivMap));
    EXPECT_TRUE(IsEqualGUID(kStationInfoClass, CLSID_UivStationInfo));
    EXPECT_TRUE(IsEqualGUID(kStationInfoInterface, IID__UivStationInfo));
    EXPECT_TRUE(IsEqualGUID(kObjectClass, CLSID_UivObject));
    EXPECT_TRUE(IsEqualGUID(kObjectInterface, IID__UivObject));
}

}  // namespace
}  // namespace trivex::com
