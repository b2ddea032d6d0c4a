// Unit labels of the five systems for translating and oscillating followers.
#include "model/Units.h"

#include "model/CamModel.h"
#include "model/Initialize.h"
#include "model/RecordingHost.h"

#include <gtest/gtest.h>

#include <memory>

using namespace trochix::model;

namespace {

using Labels = std::array<std::string, kNumFunctions + 2>;

TEST(Units, EverySystemAndMotion) {
    const struct {
        int index;
        const char *menu, *length, *force, *torque, *mass;
    } systems[] = {
        {1, "ips", "in", "lb", "lb-in", "bl"},     {2, "fps", "ft", "lb", "lb-ft", "sl"},
        {3, "SI", "m", "N", "N-m", "kg"},          {4, "cgs", "cm", "Dyne", "Dyne-cm", "g"},
        {5, "mm-Kg-s", "mm", "KN", "KN-mm", "kg"},
    };
    for (const auto& s : systems) {
        EXPECT_STREQ(UnitSystems[s.index].menu, s.menu);
        for (bool translating : {true, false}) {
            SCOPED_TRACE(testing::Message() << s.menu << (translating ? " translating" : ""));
            Labels l;
            SetUnitLabels(l, kNumFunctions + 1, s.index, translating);
            const std::string d = translating ? s.length : "deg", len = s.length;
            Labels want = {"deg", d, d + "/sec", d + "/sec^2", d + "/sec^3", "deg", len, s.force,
                           s.torque, len, len, len, "deg", len, len, s.torque, s.torque, s.mass};
            EXPECT_EQ(l, want);
        }
    }
}

TEST(Units, CountLimitsTheLabelsFilled) {
    Labels l;
    l.fill("x");
    SetUnitLabels(l, 5, 2, true);
    EXPECT_EQ(l[5], "deg");
    EXPECT_EQ(l[1], "ft");
    EXPECT_EQ(l[6], "x");
    EXPECT_EQ(l[17], "x");
}

TEST(Units, MenuChoiceChangesLabelsNotNumbers) {
    auto m = std::make_unique<CamModel>();
    RecordingHost host;
    Initialize(*m, host);
    m->PrimeRadius = 2.5f;
    m->Results[1][90] = 0.75f;
    SelectUnitSystem(*m, 3);
    EXPECT_EQ(m->UnitSystem, 3);
    EXPECT_EQ(m->UnitLabel[1] + " " + m->UnitLabel[7], "m N");
    EXPECT_EQ(m->PrimeRadius, 2.5f);
    EXPECT_EQ(m->Results[1][90], 0.75f);
    // The follower motion alone turns labels 1..4 into degrees.
    m->Translating = false;
    RefreshUnitLabels(*m);
    EXPECT_EQ(m->UnitLabel[1] + " " + m->UnitLabel[3] + " " + m->UnitLabel[6], "deg deg/sec^2 m");
    EXPECT_EQ(m->UnitSystem, 3);
}

} // namespace
