// Input checks, field commits, the Calc sequence, the summary lines and the picture set-up:
// exact texts and the state each leaves behind.
#include "geometry/SizingChecks.h"
#include "GeometryFixture.h"
#include "forms/SizeCamForm.h"
#include "geometry/SizingSummary.h"
#include "model/Units.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

using namespace trochix;
using namespace trochix::geometry;
using namespace trochix::geometry::fixture;
using model::Icon;
using model::RecordingHost;

namespace {

std::string ArmMissesText(const std::string& c, const std::string& unit) {
    return "The roller follower arm misses the cam entirely\r"
           "with your current choice of arm center location. \r"
           "\r"
           "Please adjust the arm radius to be about\r" +
           c + " " + unit + " for this arm center location.";
}

// The follower radius must lie in 0 <= Rf < Rp and be a number; a refused value leaves the
// model as it was and the box shows the model's radius again; an accepted one shows two
// decimals.
TEST(SizingCommits, FollowerRadius) {
    const std::string tooBig = "Something is wrong\r\rThe follower radius is greater than the "
                               "prime circle radius\r\rPlease check your data.";
    const std::string negative = "The follower radius must be zero or positive";
    const struct {
        const char *text, *rollerText; // "" when refused
        std::string message;
    } cases[] = {{"2", "", tooBig},     {"2.5", "", tooBig},    {"-0.1", "", negative},
                 {"abc", "", negative}, {"", "", negative},     {"0", "0.00", ""},
                 {"0.375", "0.38", ""}, {"1.99", "1.99", ""}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        auto m = ModelWithMotion(Dwell(0.0));
        m->PrimeRadius = 2.0f;
        m->RollerRadius = 0.25f;
        m->RollerRadiusText = "0.25";
        RecordingHost host;
        const FieldCommit r = CommitFollower(*m, host, c.text);
        EXPECT_EQ(r.accepted, c.message.empty());
        EXPECT_EQ(r.boxText, c.message.empty() ? c.text : ".25");
        EXPECT_EQ(m->RollerRadius, c.message.empty() ? std::stof(c.text) : 0.25f);
        EXPECT_EQ(m->RollerRadiusText, c.message.empty() ? c.rollerText : "0.25");
        if (!c.message.empty()) {
            ASSERT_EQ(host.messages.size(), 1u);
            EXPECT_EQ(host.messages[0].text, c.message);
            EXPECT_EQ(host.messages[0].icon, Icon::Warning);
        }
    }
}

// Every screen's roller radius goes through one path: the text must be a number, two decimals
// for the printed text; unchecked (Calc) it takes what the check would refuse, silently, but
// never letters as 0.
TEST(SizingCommits, RollerRadiusPath) {
    const struct {
        const char* text;
        FollowerCheck check;
        bool stored;
        float radius;
        const char* rollerText;
    } cases[] = {{" .5 ", FollowerCheck::Checked, true, 0.5f, "0.50"},
                 {"1.2e0", FollowerCheck::Checked, true, 1.2f, "1.20"},
                 {" .5 in", FollowerCheck::Checked, false, 0.25f, "0.25"},
                 {"", FollowerCheck::Checked, false, 0.25f, "0.25"},
                 {"3", FollowerCheck::Checked, false, 0.25f, "0.25"},
                 {"3", FollowerCheck::Unchecked, true, 3.0f, "3.00"},
                 {"-1.005", FollowerCheck::Unchecked, true, -1.005f, "-1.00"},
                 {"abc", FollowerCheck::Unchecked, false, 0.25f, "0.25"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        auto m = ModelWithMotion(Dwell(0.0));
        m->PrimeRadius = 2.0f;
        m->RollerRadius = 0.25f;
        m->RollerRadiusText = "0.25";
        RecordingHost host;
        EXPECT_EQ(CommitRollerRadius(*m, host, c.text, c.check), c.stored);
        EXPECT_EQ(m->RollerRadius, c.radius);
        EXPECT_EQ(m->RollerRadiusText, c.rollerText);
        EXPECT_EQ(host.messages.size(), c.stored || c.check == FollowerCheck::Unchecked ? 0u : 1u);
    }
}

// C = 3, Rp = 1: lengths strictly between C - Rp = 2 and C + Rp = 4 reach the prime circle.
TEST(SizingChecks, ArmMustReachThePrimeCircle) {
    auto m = ModelWithMotion(Dwell(0.0));
    for (const auto& [L, accepted] :
         {std::pair{2.0, false}, {4.0, false}, {1.0, false}, {2.001, true}, {3.999, true}}) {
        RecordingHost host;
        EXPECT_EQ(CheckArmRadius(*m, host, L, 3.0), accepted) << L;
        EXPECT_EQ(host.messages.size(), accepted ? 0u : 1u);
        for (const auto& msg : host.messages) {
            EXPECT_EQ(msg.text, ArmMissesText("3.00", "in"));
            EXPECT_EQ(msg.icon, Icon::Warning);
        }
    }
    model::SelectUnitSystem(*m, 3);
    RecordingHost host;
    EXPECT_FALSE(CheckArmRadius(*m, host, 0.5, 2.345));
    EXPECT_EQ(host.lastText(), ArmMissesText("2.35", "m"));
}

// Prime radius must exceed the offset's size; the offset must stay below the prime radius, and
// names the prime frame. Neither takes letters. Refusals leave the model alone and the box shows
// the model's value again (the Draw Cam screen redrew the old cam under a box showing "1").
TEST(SizingCommits, PrimeRadiusAndOffset) {
    const std::string prime = "Prime radius cannot be zero or negative or less than the offset";
    const std::string ecc = "Cannot compute - Eccentricity is >= Prime Radius.  "
                            "Try a smaller absolute value of eccentricity";
    const struct {
        bool isPrime;
        float offset;
        const char *text, *caption;
        bool accepted;
    } cases[] = {
        {true, 0.0f, "2.5", "", true},
        {true, 0.0f, "0", "", false},
        {true, 0.0f, "-1", "", false},
        {true, 0.0f, "abc", "", false},
        {true, 0.0f, "", "", false},
        {true, 0.5f, "0.5", "", false},
        {true, 0.5f, "0.6", "", true},
        // A negative offset does not open the way to a radius at or below its size.
        {true, -0.5f, "-0.2", "", false},
        {true, -0.5f, "0.4", "", false},
        {true, -0.5f, "0.75", "", true},
        {false, 0.3f, "2", "", false},
        {false, 0.3f, "-2.5", "", false},
        {false, 0.3f, "abc", "", false},
        {false, 0.3f, "", "", false},
        {false, 0.3f, "0", "Prime Radius", true},
        {false, 0.3f, "-0.7", "Prime Distance", true},
        {false, 0.3f, "1.99", "Prime Distance", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.isPrime << " " << c.offset << " " << c.text);
        auto m = ModelWithMotion(Dwell(0.0));
        m->PrimeRadius = c.isPrime ? 7.0f : 2.0f;
        m->Offset = c.offset;
        RecordingHost host;
        const FieldCommit r =
            c.isPrime ? CommitPrime(*m, host, c.text) : CommitOffset(*m, host, c.text);
        EXPECT_EQ(r.accepted, c.accepted);
        EXPECT_TRUE(r.redraw == c.accepted && r.clearResults == c.accepted);
        EXPECT_EQ(r.boxText, c.accepted ? c.text : c.isPrime ? "7" : c.offset == 0.5f ? ".5" : ".3");
        EXPECT_EQ(r.primeCaption, c.caption);
        const float value = c.accepted ? std::stof(c.text) : 0.0f;
        EXPECT_EQ(m->PrimeRadius, c.isPrime && c.accepted ? value : c.isPrime ? 7.0f : 2.0f);
        EXPECT_EQ(m->Offset, !c.isPrime && c.accepted ? value : c.offset);
        EXPECT_EQ(host.messages.size(), c.accepted ? 0u : 1u);
        for (const auto& msg : host.messages) {
            EXPECT_EQ(msg.text, c.isPrime ? prime : ecc);
            EXPECT_EQ(msg.title, c.isPrime ? model::DefaultTitle() : "TROCHIX");
        }
    }
}

TEST(SizingCommits, ArmRadiusAndPivot) {
    auto m = ModelWithMotion(Dwell(0.0));
    m->PrimeRadius = 1.0f;
    m->ArmPivotX = 3.0f;
    m->ArmPivotY = 4.0f;
    m->ArmRadius = 4.5f;
    RecordingHost host;
    FieldCommit r = CommitArmRadius(*m, host, "4"); // C - Rp
    EXPECT_FALSE(r.accepted);
    EXPECT_EQ(m->PivotDistance, 5.0f);
    EXPECT_EQ(m->ArmRadius, 4.5f);
    EXPECT_EQ(r.boxText, "4.5"); // the arm the model keeps; the message advises 5
    EXPECT_EQ(host.messages.size(), 1u); // the arm message
    r = CommitArmRadius(*m, host, "5.5cm");
    EXPECT_FALSE(r.accepted);
    EXPECT_EQ(m->ArmRadius, 4.5f);
    EXPECT_EQ(r.boxText, "4.5");
    EXPECT_EQ(host.lastText(), ArmMissesText("5.00", "in"));
    EXPECT_TRUE(r.redraw && r.clearResults);
    r = CommitArmRadius(*m, host, "5.5");
    EXPECT_TRUE(r.accepted);
    EXPECT_EQ(m->ArmRadius, 5.5f);
    EXPECT_EQ(r.boxText, "5.5");
    // Moving the pivot reruns the arm check with the arm box's text.
    r = CommitArmPivotY(*m, host, "0", "2");
    EXPECT_EQ(m->ArmPivotY, 0.0f);
    EXPECT_EQ(m->PivotDistance, 3.0f);
    EXPECT_FALSE(r.accepted); // 2 = C - Rp
    EXPECT_EQ(r.boxText, "5.5");
    EXPECT_EQ(m->ArmRadius, 5.5f);
    r = CommitArmPivotX(*m, host, "2.5", "2");
    EXPECT_EQ(m->PivotDistance, 2.5f);
    EXPECT_TRUE(r.accepted);
    EXPECT_EQ(m->ArmRadius, 2.0f);
    EXPECT_EQ(host.messages.size(), 3u);
    // A pivot that is not a number is not stored as 0: its box gets the model's value back.
    r = CommitArmPivotX(*m, host, "x", "2");
    EXPECT_FALSE(r.accepted);
    EXPECT_EQ(m->ArmPivotX, 2.5f);
    EXPECT_EQ(r.pivotText, "2.5");
    EXPECT_EQ(host.lastText(), ArmCentreNotNumberMessage());
}

TEST(MinBasecircle, FromTheLeastAcceleration) {
    // Cycloidal rise h = 1 over 60 degrees: least S'' = -2 pi h / beta^2 = -18/pi at 45 degrees,
    // where S = 0.75 + 1/(2 pi); Rb_min = 18/pi - 0.75 - 1/(2 pi) = 4.820423.
    auto m = ModelWithMotion(RiseDwellFall(1.0, 60.0), 2.0);
    RecordingHost host;
    const auto rb = MinBasecircle(*m, host);
    ASSERT_TRUE(rb.has_value());
    EXPECT_NEAR(*rb, 4.820423, 2e-5);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text,
              "The minimum base circle radius for no negative Radius of Curvature is 4.82  in");
    EXPECT_EQ(host.messages[0].icon, Icon::Information);
    m->Results[3][0] = -100.0f; // the least acceleration at the first point
    m->Results[1][0] = 0.5f;
    EXPECT_NEAR(*MinBasecircle(*m, host), 100.0 / 4.0 - 0.5, 1e-5);
}

TEST(PrintPressMax, SummaryLines) {
    auto m = ModelWithMotion(Dwell(0.0));
    m->PressMax = 25.4567f;
    m->PressMaxAngle = 45.0f;
    m->PressMin = -12.3f;
    m->PressMinAngle = 200.5f;
    m->RhoPosMinText = "1.25";
    m->RhoPosMaxText = "+ Infinity";
    m->RhoNegMinText = "None";
    m->RhoNegMaxText = "-7.";
    m->RhoPosMinAngle = 10.0f;
    m->RhoPosMaxAngle = 120.0f;
    m->RhoNegMinAngle = 0.0f;
    m->RhoNegMaxAngle = 300.25f;
    const PressMaxSummary s = PrintPressMax(*m);
    const std::vector<std::string> pang = {
        "", "",
        "", "  Max pressure angle =  25.46  deg @ cam angle 45  deg",
        "", "  Min pressure angle = -12.3  deg @ cam angle 200.5  deg"};
    const std::vector<std::string> radcurv = {
        "",
        "",
        "  Smallest pos radius of curvature = 1.25  in @ cam angle 10  deg",
        "",
        "  Largest pos radius of curvature = + Infinity  in @ cam angle 120  deg",
        "",
        "",
        "  Smallest neg radius of curvature = None  in @ cam angle 0  deg",
        "",
        "  Largest neg radius of curvature = -7.  in @ cam angle 300.25  deg"};
    EXPECT_EQ(s.pang, pang);
    EXPECT_EQ(s.radcurv, radcurv);
}

// Roller: Rp = 2 and e = .5 put the zero-lift roller centre at R0 = sqrt(4.25), angle
// atan(.25); the base circle is R0 - Rf. The base circle must stay positive.
TEST(SizePictureSetup, RollerFollower) {
    auto m = ModelWithMotion(Harmonic(1.0));
    m->PrimeRadius = 2.0f;
    m->Offset = 0.5f;
    m->RollerRadius = 0.5f;
    RecordingHost host;
    const SizePicture p = SizePictureSetup(*m, host);
    ASSERT_TRUE(p.drawable);
    const double R0 = std::sqrt(4.25);
    EXPECT_NEAR(p.R0, R0, 1e-6);
    EXPECT_NEAR(p.t0, Deg(std::atan(0.25)), 1e-6);
    EXPECT_EQ((std::array{p.Rf, p.halfLow, p.halfHigh, p.drawnOffset}),
              (std::array{0.5, 0.25, 0.25, -0.5})); // clockwise
    EXPECT_NEAR(p.Rb, R0 - 0.5, 1e-6);
    EXPECT_NEAR(p.extent, 1.2 * (R0 + 0.5 + 1.0), 1e-6);
    EXPECT_TRUE(host.messages.empty());
    m->Offset = 0.0f;
    m->RollerRadius = 2.0f; // Rb = Rp - Rf = 0
    EXPECT_FALSE(SizePictureSetup(*m, host).drawable);
    EXPECT_EQ(host.lastText(), "Something Wrong - Base Circle has become zero or minus.  "
                               "Change follower radius or prime/base circle");
}

TEST(SizePictureSetup, FlatFaceSpansTheVelocityRange) {
    // S = 0.3 sin t + 0.1 sin 2t: S' = 0.3 cos t + 0.2 cos 2t runs from 0.5 (t = 0) down to
    // -0.25625 (cos t = -0.375).
    const MotionLaw law = [](double t) {
        return Motion{0.3 * std::sin(t) + 0.1 * std::sin(2 * t),
                      0.3 * std::cos(t) + 0.2 * std::cos(2 * t),
                      -0.3 * std::sin(t) - 0.4 * std::sin(2 * t)};
    };
    double maxS = 0.0;
    for (int i = 0; i <= 360; ++i)
        maxS = std::max(maxS, law(Rad(i)).S);
    for (int direction : {-1, 1}) {
        auto m = ModelWithMotion(law, 3.0);
        m->PrimeRadius = 2.0f;
        m->FollowerType = 2;
        m->CamDirection = direction;
        RecordingHost host;
        const SizePicture p = SizePictureSetup(*m, host);
        ASSERT_TRUE(p.drawable);
        EXPECT_NEAR(m->FaceWidth, 0.75625, 2e-5);
        EXPECT_NEAR(m->Offset, direction * (0.5 - 0.25625) / 2, 2e-5);
        EXPECT_NEAR(p.R0, std::hypot(2.0, 0.5), 1e-6); // contact point at V(0)/omega = 0.5
        EXPECT_NEAR(p.t0, Deg(std::atan2(0.5, 2.0)), 1e-5);
        EXPECT_EQ(p.Rf, 0.0);
        EXPECT_NEAR(p.faceVmax, 0.5, 1e-6);
        EXPECT_NEAR(p.halfHigh, 0.5, 1e-6);
        EXPECT_NEAR(p.faceVmin, 0.25625, 2e-5);
        EXPECT_NEAR(p.halfLow, 0.25625, 2e-5);
        EXPECT_NEAR(p.Rb, p.R0, 1e-12);
        EXPECT_NEAR(p.extent, 1.2 * (p.R0 + maxS), 1e-5);
        EXPECT_NEAR(p.drawnOffset, (0.5 - 0.25625) / 2, 2e-5);
    }
}

TEST(SizePictureSetup, OscillatingArmReach) {
    for (const auto& [L, reaches] : {std::pair{2.5f, true}, {2.0f, false}, {4.0f, false}}) {
        auto m = ModelWithMotion(Harmonic(10.0));
        SetArm(*m, 1.0, 3.0, 0.0, L);
        m->RollerRadius = 0.25f;
        RecordingHost host;
        const SizePicture p = SizePictureSetup(*m, host);
        EXPECT_TRUE(p.drawable);
        EXPECT_EQ(p.armReaches, reaches) << L;
        EXPECT_TRUE(host.messages.empty());
        if (reaches) { // the zero-lift roller centre is on the prime circle, L from the pivot
            EXPECT_NEAR(std::hypot(m->RollerX0, m->RollerY0), 1.0, 1e-6);
            EXPECT_NEAR(std::hypot(m->RollerX0 - 3.0, m->RollerY0), 2.5, 1e-6);
        }
    }
}

TEST(SizeCamCalc, FillsTheLabelsFromAnEccentricCircle) {
    // Pitch circle R = 2, eps = 0.6, zero offset: phi = -asin(0.3 sin t), so +-17.4576 degrees;
    // rho = 2 everywhere.
    auto m = ModelWithMotion(EccentricCircle(2.0, 0.6, 0.0, 1.3));
    SizeCamInputs in;
    in.primeText = "1.3";
    in.offsetText = "0";
    in.followerText = "0.5";
    RecordingHost host;
    const SizeCamCalcResult r = SizeCamCalc(*m, host, in);
    ASSERT_TRUE(r.completed);
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(r.state.pamax + " " + r.state.pamin + " " + r.state.rhomin, "17.5 -17.5 2.00");
    EXPECT_FALSE(r.state.calcEnabled);
    EXPECT_TRUE(r.state.summaryEnabled && r.state.copyEnabled && r.state.printFormEnabled &&
                r.state.doneEnabled);
    EXPECT_EQ(m->RollerRadius, 0.5f);
    EXPECT_EQ(m->RollerRadiusText, "0.50");
    EXPECT_EQ(m->PressMaxAngle, 270.0f);
    EXPECT_EQ(host.busyCalls, (std::vector<bool>{true, false}));
    // A flat face shows its face width instead: V/omega runs over +-0.6.
    in.followerType = 2;
    in.ccw = true;
    in.barrel = false;
    auto flat = ModelWithMotion([](double t) {
        return Motion{0.6 * std::cos(t), -0.6 * std::sin(t), -0.6 * std::cos(t)};
    });
    const SizeCamCalcResult f = SizeCamCalc(*flat, host, in);
    ASSERT_TRUE(f.completed);
    EXPECT_EQ(flat->RollerRadiusText, "1.20");
    EXPECT_EQ(flat->CamDirection, 1);
    EXPECT_EQ(f.state.pamax, "0.0");
}

TEST(SizeCamCalc, StoppedPassLeavesTheLabelsBlank) {
    auto m = ModelWithMotion(Harmonic(10.0));
    m->ArmPivotY = 5.0f;
    m->ArmRadius = 1.0f;
    SizeCamInputs in;
    in.primeText = "2";
    in.translating = false;
    RecordingHost host;
    const SizeCamCalcResult r = SizeCamCalc(*m, host, in);
    EXPECT_FALSE(r.completed);
    EXPECT_EQ(host.messages.size(), 1u); // the arm warning, once
    EXPECT_EQ(r.state.pamax, "");
    EXPECT_TRUE(r.state.calcEnabled);
    EXPECT_FALSE(r.state.doneEnabled || r.state.summaryEnabled || host.busy);
    const SizeResultsState cleared = ClearSizeResults();
    EXPECT_EQ(cleared.rhomin, "");
    EXPECT_TRUE(cleared.calcEnabled);
    EXPECT_FALSE(cleared.copyEnabled || cleared.printFormEnabled);
}

} // namespace
