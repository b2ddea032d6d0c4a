#include "model/CamModel.h"
#include "model/Initialize.h"
#include "model/RecordingHost.h"

#include <gtest/gtest.h>

using namespace trochix::model;

TEST(Initialize, SetsStartUpValues) {
    auto m = std::make_unique<CamModel>();
    RecordingHost host;
    Initialize(*m, host);
    EXPECT_EQ(m->UnitLabel[0], "Degrees");
    EXPECT_EQ(m->UnitLabel[1], "in");
    EXPECT_EQ(m->DateStr, "12-08-2026");
    EXPECT_EQ(m->TimeStr, "09:30:05");
}
