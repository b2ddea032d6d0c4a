// Adopting a design from the map: the limit boxes read as the suggestion reads them, a design
// goes in through the sizing's commits in an order each of them accepts, the sizing runs, and
// a design the follower cannot take leaves the model as it was.
#include "forms/DesignMapForm.h"
#include "chain/Recalculate.h"
#include "files/Examples.h"
#include "model/CamModel.h"
#include "model/Initialize.h"
#include "model/RecordingHost.h"
#include "support/TestModels.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

using namespace trochix;
using namespace trochix::geometry;
using model::RecordingHost;

TEST(DesignMapForm, LimitBoxes) {
    MapLimitsRead r = ReadMapLimits({"25", "35", ""});
    ASSERT_TRUE(r.ok) << r.why;
    EXPECT_EQ(r.limits.riseAngle, 25.0);
    EXPECT_EQ(r.limits.fallAngle, 35.0);
    EXPECT_EQ(r.limits.minSurface, -1.0) << "empty: the default";
    r = ReadMapLimits({"30", "30", "0.2"});
    EXPECT_EQ(r.limits.minSurface, 0.2);
    const std::pair<MapLimitTexts, const char*> bad[] = {
        {{"abc", "30", ""}, "A pressure angle limit must lie between 0 and 90 degrees."},
        {{"30", "90", ""}, "A pressure angle limit must lie between 0 and 90 degrees."},
        {{"30", "0", ""}, "A pressure angle limit must lie between 0 and 90 degrees."},
        {{"30", "30", "-1"}, "The smallest surface radius must be zero or positive."},
        {{"30", "30", "x"}, "The smallest surface radius must be zero or positive."},
    };
    for (const auto& [texts, why] : bad) {
        const MapLimitsRead b = ReadMapLimits(texts);
        EXPECT_FALSE(b.ok) << texts.rise << " " << texts.fall << " " << texts.minSurface;
        EXPECT_EQ(b.why, why);
    }
}

// Example 1 has an offset of .75: a prime radius below it can only follow a smaller offset,
// so the offset goes in first; the sizing then holds what a fresh sizing of the design gives.
TEST(DesignMapForm, AdoptsThroughTheCommitsInEitherOrder) {
    auto m = testsupport::ExampleModel(1);
    ASSERT_GT(m->Offset, 0.5f);
    RecordingHost host;
    ASSERT_TRUE(AdoptDesign(*m, host, MapAxis::Roller, {2.0, 0.25}, AdoptRun::Whole, true).adopted);
    EXPECT_EQ(m->RollerRadius, 0.25f);
    const AdoptedDesign a =
        AdoptDesign(*m, host, MapAxis::Offset, {0.6, 0.1}, AdoptRun::Whole, true);
    ASSERT_TRUE(a.adopted) << a.why;
    EXPECT_TRUE(a.sized);
    EXPECT_TRUE(host.messages.empty()) << host.messages.front().text;
    EXPECT_EQ(m->PrimeRadius, 0.6f);
    EXPECT_EQ(m->Offset, 0.1f);
    EXPECT_TRUE(m->ProfileDone);
    EXPECT_TRUE(m->DynamicsDone) << "the dynamics that had been computed follow";
    EXPECT_FALSE(m->ModelSaved);
    auto fresh = std::make_unique<model::CamModel>(*m);
    ASSERT_TRUE(chain::RecalculateSizing(*fresh, host));
    EXPECT_EQ(m->PressMax, fresh->PressMax);
    EXPECT_EQ(m->PressMin, fresh->PressMin);

    // Rounded to four digits on the way in, as a box would hold it.
    const AdoptedDesign b =
        AdoptDesign(*m, host, MapAxis::Roller, {3.123456, 0.987654}, AdoptRun::SizingOnly, true);
    ASSERT_TRUE(b.adopted) << b.why;
    EXPECT_EQ(m->PrimeRadius, 3.123f);
    EXPECT_EQ(m->RollerRadius, 0.9877f);
    EXPECT_FALSE(m->DynamicsDone) << "a drag runs the sizing alone";
}

TEST(DesignMapForm, ImpossibleDesignsChangeNothing) {
    auto m = testsupport::ExampleModel(1);
    const model::CamModel before = *m;
    RecordingHost host;
    const std::pair<Point, const char*> cases[] = {
        {{2.0, 2.0}, "The roller radius must be smaller than the prime radius."},
        {{0.0, 0.5}, "The prime radius must be positive."},
        {{2.0, -0.1}, "The roller radius cannot be negative."},
    };
    for (const auto& [design, why] : cases) {
        const AdoptedDesign a =
            AdoptDesign(*m, host, MapAxis::Roller, design, AdoptRun::Whole, true);
        EXPECT_FALSE(a.adopted);
        EXPECT_EQ(a.why, why);
    }
    // Rounding may carry a point onto a bound: 1.99996 is 2 in four digits.
    EXPECT_FALSE(
        AdoptDesign(*m, host, MapAxis::Offset, {2.0, 1.99996}, AdoptRun::Whole, true).adopted);
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(m->PrimeRadius, before.PrimeRadius);
    EXPECT_EQ(m->RollerRadius, before.RollerRadius);
    EXPECT_EQ(m->Offset, before.Offset);
    EXPECT_TRUE(m->DynamicsDone);
}

TEST(DesignMapForm, Readouts) {
    auto m = testsupport::ExampleModel(1);
    EXPECT_EQ(PointReadout(*m, MapAxis::Roller, {2.0, 2.5}),
              "Prime 2  Roller 2.5 in: The roller radius must be smaller than the prime radius.");
    const std::string ok = PointReadout(*m, MapAxis::Roller, {3.0, 0.5});
    EXPECT_EQ(ok.rfind("Prime 3  Roller .5 in:  rise ", 0), 0u) << ok;
    EXPECT_EQ(SizedReadout(*m).rfind("Sized: pressure angle ", 0), 0u);
    m->ProfileDone = false;
    EXPECT_EQ(SizedReadout(*m), "Not sized");
}
