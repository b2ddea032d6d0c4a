#include "dynamics/Flywheel.h"
#include "dynamics/DynamicsFixture.h"
#include "dynamics/DynamicsText.h"
#include "model/Fault.h"
#include "model/ResultRow.h"
#include "model/Units.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

using namespace trochix;
using dyntest::FillRow;
using dyntest::kTruePi;
using dyntest::NewModel;

TEST(Flywheel, ConstantTorqueIsOnePositivePulseOfZeroArea) {
    model::RecordingHost host;
    auto m = NewModel(host);
    FillRow(*m, 8, [](double) { return 42.5; });
    m->FluctCoef = 0.05f;
    m->Results[16][0] = -7.0f;
    dynamics::Fly(*m, host);
    EXPECT_EQ(m->AvgTorque, 42.5f);
    EXPECT_EQ(m->FirstSign, 1);
    EXPECT_EQ(m->PulseCount, 2); // p and q both start at 1
    EXPECT_EQ(m->PosAreas[1], 0.0f);
    EXPECT_EQ(m->NegAreas[1], 0.0f);
    EXPECT_EQ(m->Results[16][0], -7.0f); // point 0 is not written
    for (int i = 1; i <= 360; ++i)
        ASSERT_NEAR(m->Results[16][i], 42.5 * 0.05, 1e-6);
    EXPECT_TRUE(host.messages.empty());
}

// T = a sin(theta) about 0 at 1 degree: integrated from point 1, the positive pulse is
// a (1 + cos 1 deg) and the negative one -2a less the last step, which the final point (0, non-
// negative) hands to a second positive pulse: -a (1 - cos 1 deg). Trapezoid and crossing-step
// errors are below 2e-4 a; tolerance 1e-3 a.
TEST(Flywheel, OneSineCycleGivesTwoPulsesOfTwiceTheAmplitude) {
    const double a = 25.0, d = kTruePi / 180;
    std::vector<float> T(361);
    for (int i = 0; i <= 360; ++i)
        T[i] = static_cast<float>(a * std::sin(i * d));
    T[0] = T[360] = 0.0f;
    const auto r = dynamics::Flywheel(T, 1, 360, 1.0, 0.0);
    EXPECT_EQ(r.firstSign, 1);
    EXPECT_EQ(r.count, 4); // p = 2 after the first crossing, q = 2 at the last point
    EXPECT_NEAR(r.pos[1], a * (1 + std::cos(d)), 1e-3 * a);
    EXPECT_NEAR(r.neg[1], -2 * a + a * (1 - std::cos(d)), 1e-3 * a);
    EXPECT_NEAR(r.pos[2], -a * (1 - std::cos(d)), 1e-3 * a);
}

// Runs -, +, -: q = 2 when + begins, p = 2 when - returns; trapezoids of 1 degree each. Fewer
// than two points find no sign; points beyond the torque are a fault.
TEST(Flywheel, NegativeStartSetsTheFirstSign) {
    std::vector<float> T = {0, -1, -2, 3, 4, -5};
    const auto r = dynamics::Flywheel(T, 1, 5, 1.0, 0.0);
    EXPECT_EQ(r.firstSign, -1);
    EXPECT_EQ(r.count, 4);
    const double s = kTruePi / 180;
    EXPECT_NEAR(r.neg[1], (-2 - 1) / 2.0 * s, 1e-7);
    EXPECT_NEAR(r.pos[1], ((3 - 2) / 2.0 + (4 + 3) / 2.0) * s, 1e-7);
    EXPECT_NEAR(r.neg[2], (-5 + 4) / 2.0 * s, 1e-7);
    EXPECT_EQ(r.pos[2], 0.0f);
    const auto two = dynamics::Flywheel(std::vector<float>{1, 2}, 1, 1, 1.0, 0.0);
    EXPECT_EQ(two.firstSign, 0);
    EXPECT_EQ(two.count, 2);
    EXPECT_THROW(dynamics::Flywheel(std::vector<float>{1, 2, 3}, 1, 3, 1.0, 0.0), model::Fault);
}

// T = a cos(n theta). Its average over points 0..N includes the repeated point at 360 degrees,
// so b = a / (N + 1). With beta = b / a and t* = acos(beta) / n the exact pulse integrals from
// point 1 (theta1 = one step) are:
//   first positive   a [(sqrt(1 - beta^2) - sin(n theta1)) / n - beta (t* - theta1)]
//   full positive    a [2 sqrt(1 - beta^2) / n - 2 beta t*]         (pulses 2..n)
//   full negative   -a [2 sqrt(1 - beta^2) / n + beta (2 pi / n - 2 t*)]   (pulses 1..n)
//   last positive    a [sqrt(1 - beta^2) / n - beta t*]              (pulse n + 1)
// and the count is p + q = 2 (n + 1). n = 12 gives 13 positive and 12 negative pulses: more than
// the ten the lists start with. Tolerance: the step that straddles a crossing goes wholly to the
// new pulse, at most n a step^2 / 2 per crossing.
TEST(Flywheel, PulsesOfACosineMatchTheirIntegrals) {
    const struct {
        int n;
        float step;
        double a;
    } cases[] = {{1, 1.0f, 10.0}, {1, 0.25f, 3.0}, {12, 0.25f, 1.0}, {12, 1.0f, 2.0}};
    for (const auto& c : cases) {
        model::RecordingHost host;
        auto m = NewModel(host, c.step);
        const int N = m->NumPoints;
        FillRow(*m, 8, [&](double t) { return c.a * std::cos(c.n * t); });
        dynamics::Fly(*m, host);
        ASSERT_TRUE(host.messages.empty());

        const double beta = 1.0 / (N + 1), th1 = c.step * kTruePi / 180;
        const double ts = std::acos(beta) / c.n, root = std::sqrt(1 - beta * beta);
        const double tol = c.n * c.a * th1 * th1 + 1e-5 * c.a;
        EXPECT_NEAR(m->AvgTorque, c.a * beta, 1e-6 * c.a);
        EXPECT_EQ(m->FirstSign, 1);
        EXPECT_EQ(m->PulseCount, 2 * (c.n + 1));
        EXPECT_NEAR(m->PosAreas[1],
                    c.a * ((root - std::sin(c.n * th1)) / c.n - beta * (ts - th1)), tol);
        for (int k = 2; k <= c.n; ++k)
            EXPECT_NEAR(m->PosAreas[k], c.a * (2 * root / c.n - 2 * beta * ts), tol) << k;
        for (int k = 1; k <= c.n; ++k)
            EXPECT_NEAR(m->NegAreas[k],
                        -c.a * (2 * root / c.n + beta * (2 * kTruePi / c.n - 2 * ts)),
                        tol)
                << k;
        EXPECT_NEAR(m->PosAreas[c.n + 1], c.a * (root / c.n - beta * ts), tol);
        // the table prints (count + 1) / 2 rows, halves to even
        const auto lines = dynamics::PulseTableLines(*m);
        EXPECT_EQ(static_cast<int>(lines.size()),
                  6 + 2 + dynamics::PulseTableRows(m->PulseCount) + 3);
        dyntest::ExpectAllRowsFinite(*m);
    }
}

TEST(Flywheel, TableRowsRoundHalfToEven) {
    const int counts[][2] = {{0, 0}, {1, 1}, {2, 2}, {3, 2}, {4, 2}, {5, 3},
                             {6, 4}, {7, 4}, {8, 4}, {25, 13}, {26, 14}};
    for (const auto& c : counts)
        EXPECT_EQ(dynamics::PulseTableRows(c[0]), c[1]) << c[0];
}

// Expected lines written by hand: tab columns 7 (header), 8 and 18, counted from 1; numbers in
// print form with a leading blank for non-negative values and a trailing blank.
TEST(Flywheel, TableLines) {
    model::RecordingHost host;
    auto m = NewModel(host);
    m->FirstSign = -1;
    m->PulseCount = 3;
    m->NegAreas = {0.0f, -12.34f, -1.06f};
    m->PosAreas = {0.0f, 5.25f};
    m->AvgTorque = 3.456f;
    const std::vector<std::string> negFirst = {
        " Areas of Camshaft Torque", " Pulses in Order over 1 cycle ", "",
        "    in Energy Units of :", "   lb - in - Radians", "", " Order Neg Area   Pos Area", "",
        "    1  -12.3      5.3 ", "    2  -1.1       0 ", "", "    Average Torque:",
        "    3.46   lb-in"};
    EXPECT_EQ(dynamics::PulseTableLines(*m), negFirst);

    model::SelectUnitSystem(*m, 3);
    m->FirstSign = 1;
    m->PulseCount = 1;
    m->AvgTorque = -0.125f;
    const std::vector<std::string> posFirst = {
        " Areas of Camshaft Torque", " Pulses in Order over 1 cycle ", "",
        "    in Energy Units of :", "   N - m - Radians", "", " Order Pos Area   Neg Area", "",
        "    1   5.3      -12.3 ", "", "    Average Torque:", "   -.12   N-m"};
    EXPECT_EQ(dynamics::PulseTableLines(*m), posFirst);

    m->FirstSign = 0;
    const auto none = dynamics::PulseTableLines(*m);
    ASSERT_EQ(none.size(), 9u);
    EXPECT_EQ(none[6] + none[7], "    Average Torque:");
}

// The energy swing is the range of the running sum of the pulses: a torque a sin(theta) about
// its mean stores and returns 2a (the integral over half a cycle); a sin(2 theta) swings only
// a, however many pulses it has. I = swing / (Cf omega^2), worked by hand for omega 15 rad/s
// and Cf 0.05: 2a / 11.25. Trapezoid errors at 1 degree are below 1e-3 of the swing.
TEST(Flywheel, SizingFromTheEnergySwing) {
    const struct {
        int cycles;
        double swing;
    } cases[] = {{1, 50.0}, {2, 25.0}};
    for (const auto& c : cases) {
        model::RecordingHost host;
        auto m = NewModel(host);
        FillRow(*m, model::ResultRow::Torque,
                [&](double t) { return 100.0 + 25.0 * std::sin(c.cycles * t); });
        m->FluctCoef = 0.05f;
        m->CamOmega = 15.0f;
        dynamics::Fly(*m, host);
        const dynamics::FlywheelSize size = dynamics::FlywheelSizing(*m);
        ASSERT_TRUE(size.valid);
        EXPECT_NEAR(size.swing, c.swing, 1e-3 * c.swing) << c.cycles;
        EXPECT_NEAR(size.inertia, c.swing / (0.05 * 225.0), 1e-3 * c.swing / 11.25);
    }
}

// The screen states both figures with the torque unit of the current system; without pulses
// or with no fluctuation allowed there is nothing to size.
TEST(Flywheel, SizingLinesCarryTheirUnits) {
    model::RecordingHost host;
    auto m = NewModel(host);
    FillRow(*m, model::ResultRow::Torque, [](double t) { return 25.0 * std::sin(t); });
    m->FluctCoef = 0.05f;
    m->CamOmega = 15.0f;
    model::SelectUnitSystem(*m, 3); // SI
    dynamics::Fly(*m, host);
    const std::vector<std::string> lines = dynamics::FlywheelSizeLines(*m);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0], " Largest energy swing between pulses:");
    EXPECT_EQ(lines[1], "   50.00  N-m");
    EXPECT_EQ(lines[2], " Flywheel inertia for a speed fluctuation of 0.050:");
    EXPECT_EQ(lines[3], "   4.444  N-m-sec^2");
    m->FluctCoef = 0.0f;
    EXPECT_EQ(dynamics::FlywheelSizeLines(*m),
              std::vector<std::string>{" Flywheel: no torque pulses to size it from"});
}

// The Dynamics screen's picture: the pulse table, an empty line, the flywheel figures.
TEST(Flywheel, PictureIsTheTableThenTheFlywheel) {
    model::RecordingHost host;
    auto m = NewModel(host);
    m->FirstSign = -1;
    m->PulseCount = 2;
    m->NegAreas = {0.0f, -6.0f};
    m->PosAreas = {0.0f, 6.0f};
    m->AvgTorque = 2.5f;
    m->CamOmega = 10.0f;
    const auto lines = dynamics::PulsePictureLines(*m);
    const auto table = dynamics::PulseTableLines(*m);
    const auto flywheel = dynamics::FlywheelSizeLines(*m);
    ASSERT_EQ(lines.size(), table.size() + 1 + flywheel.size());
    EXPECT_TRUE(std::equal(table.begin(), table.end(), lines.begin()));
    EXPECT_EQ(lines[table.size()], "");
    EXPECT_EQ(lines.back(), flywheel.back());
    // swing 6 (running sum 0, -6, 0) over 0.05 x 10^2: 1.2 (hand value)
    EXPECT_EQ(lines.back(), "   1.200  lb-in-sec^2");
}
