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

TEST(Units, IpsTranslatingAndSiOscillatingInFull) {
    Labels l;
    SetUnitLabels(l, kNumFunctions + 1, 1, true);
    const Labels ips = {"deg", "in", "in/sec", "in/sec^2", "in/sec^3", "deg", "in", "lb", "lb-in",
                        "in", "in", "in", "deg", "in", "in", "lb-in", "lb-in", "bl"};
    EXPECT_EQ(l, ips);
    SetUnitLabels(l, kNumFunctions + 1, 3, false);
    const Labels si = {"deg", "deg", "deg/sec", "deg/sec^2", "deg/sec^3", "deg", "m", "N", "N-m",
                       "m", "m", "m", "deg", "m", "m", "N-m", "N-m", "kg"};
    EXPECT_EQ(l, si);
}

struct System {
    int index;
    const char* menu;
    const char* length;   // label 6
    const char* velocity; // label 2, translating
    const char* force;    // label 7
    const char* torque;   // labels 8, 15, 16
    const char* mass;     // label 17
};

TEST(Units, EverySystemAndMotion) {
    const System systems[] = {
        {1, "ips", "in", "in/sec", "lb", "lb-in", "bl"},
        {2, "fps", "ft", "ft/sec", "lb", "lb-ft", "sl"},
        {3, "SI", "m", "m/sec", "N", "N-m", "kg"},
        {4, "cgs", "cm", "cm/sec", "Dyne", "Dyne-cm", "g"},
        {5, "mm-Kg-s", "mm", "mm/sec", "KN", "KN-mm", "kg"},
    };
    for (const auto& s : systems) {
        EXPECT_STREQ(UnitSystems[s.index].menu, s.menu);
        for (bool translating : {true, false}) {
            Labels l;
            SetUnitLabels(l, kNumFunctions + 1, s.index, translating);
            const std::string d = translating ? s.length : "deg";
            EXPECT_EQ(l[1], d) << s.menu;
            EXPECT_EQ(l[2], translating ? s.velocity : "deg/sec") << s.menu;
            EXPECT_EQ(l[4], d + "/sec^3");
            for (int i : {6, 9, 10, 11, 13, 14})
                EXPECT_EQ(l[i], s.length) << s.menu << " " << i;
            for (int i : {0, 5, 12})
                EXPECT_EQ(l[i], "deg");
            EXPECT_EQ(l[7], s.force);
            for (int i : {8, 15, 16})
                EXPECT_EQ(l[i], s.torque) << s.menu << " " << i;
            EXPECT_EQ(l[17], s.mass);
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
    EXPECT_EQ(m->UnitLabel[1], "m");
    EXPECT_EQ(m->UnitLabel[7], "N");
    EXPECT_EQ(m->PrimeRadius, 2.5f);
    EXPECT_EQ(m->Results[1][90], 0.75f);
    // The follower motion alone turns labels 1..4 into degrees.
    m->Translating = false;
    RefreshUnitLabels(*m);
    EXPECT_EQ(m->UnitLabel[1], "deg");
    EXPECT_EQ(m->UnitLabel[3], "deg/sec^2");
    EXPECT_EQ(m->UnitLabel[6], "m");
    EXPECT_EQ(m->UnitSystem, 3);
}

} // namespace
