// The response stage on whole motion programs against closed forms: the steady state of a
// harmonic program, the residual after a cycloidal rise from rest, the stiff follower, the
// decay through a dwell, and the stage's place in the chain.
#include "chain/ResponseStage.h"
#include "chain/Recalculate.h"
#include "chain/Stages.h"
#include "model/CamModel.h"
#include "model/Initialize.h"
#include "model/RecordingHost.h"
#include "model/ResultRow.h"
#include "model/SegmentTable.h"
#include "motion/MotionLaws.h"
#include "motion/SegmentDriver.h"
#include "output/FunctionList.h"

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <memory>
#include <string>

using namespace trochix;
using model::CamModel;
using model::RecordingHost;
using model::ResultRow;

namespace {

constexpr double kTruePi = 3.14159265358979323846;

struct Seg {
    const char* dir;
    int law;
    float beta;
    const char* start;
    const char* end;
};

// A program of the given segments at 10 rad/s, one unit of mass, computed.
std::unique_ptr<CamModel> Program(RecordingHost& host, std::initializer_list<Seg> segs) {
    auto m = std::make_unique<CamModel>();
    model::Initialize(*m, host);
    m->NumSegments = static_cast<int>(segs.size());
    m->CamOmega = 10.0f;
    motion::CamOmegaPowers(*m);
    int s = 1;
    for (const Seg& g : segs) {
        m->SegDir[s] = g.dir;
        m->SegLawText[s] = motion::LawList[g.law];
        m->SegBeta[s] = g.beta;
        m->SegBetaRadArr[s] = static_cast<float>(g.beta / 57.29577950560105);
        m->SegStartText[s] = g.start;
        m->SegEndText[s] = g.end;
        ++s;
    }
    model::StartEnd(*m);
    EXPECT_TRUE(chain::RecalculateMotion(*m, host)) << host.lastText();
    m->EffMass = 1.0f;
    return m;
}

// The cam's time for one degree at 10 rad/s.
const double kSecondsPerDegree = kTruePi / 180.0 / 10.0;

// S = (1 - cos theta) / 2 (a harmonic rise and fall of 1): in the steady state
// x = 1/2 - |H| cos(theta + arg H) / 2, H = wn^2 / (wn^2 - W^2 + 2 i z wn W), W the cam speed.
TEST(ResponseStage, SteadyStateOfAHarmonicProgramIsItsFrequencyResponse) {
    RecordingHost host;
    auto m = Program(host, {{"R", motion::kLawSimpHarmFull, 180, "0", "1"},
                            {"F", motion::kLawSimpHarmFull, 180, "1", "0"}});
    m->SpringK = 300.0f;
    m->DampRatio = 0.1f;
    ASSERT_TRUE(chain::RunResponse(*m, host)) << host.lastText();
    const double wn = std::sqrt(300.0), z = m->DampRatio, W = 10.0;
    const std::complex<double> H = wn * wn / std::complex<double>(wn * wn - W * W, 2 * z * wn * W);
    for (int i = 0; i <= 360; ++i) {
        const double th = i * kTruePi / 180.0;
        const double x = 0.5 - 0.5 * std::abs(H) * std::cos(th + std::arg(H));
        ASSERT_NEAR(m->Results[ResultRow::ActualDisplacement][i], x, 1e-6) << i;
        ASSERT_NEAR(m->Results[ResultRow::MotionError][i], x - m->Results[1][i], 1e-6) << i;
        const double a = 0.5 * std::abs(H) * W * W * std::cos(th + std::arg(H));
        ASSERT_NEAR(m->Results[ResultRow::ActualAcceleration][i], a, 1e-6 * W * W) << i;
    }
    EXPECT_FALSE(m->Response.FromRest);
    EXPECT_NEAR(m->Response.OmegaN, wn, 1e-4);
    EXPECT_TRUE(m->ResponseDone);
    EXPECT_FALSE(m->Response.HasResidual[1]); // a rise straight into a fall rings in no dwell
}

// From rest, undamped: the rise leaves no vibration when it lasts a whole number of natural
// periods for the cycloid, and the classical |sin pi r| / (pi r |1 - r^2|) otherwise; the
// modified sine does not vanish there. The spectrum of the segment agrees with the dwell.
TEST(ResponseStage, ResidualAfterARiseFromRest) {
    for (int law : {motion::kLawCycloidFull, motion::kLawModSine}) {
        for (double r : {2.0, 3.0, 2.5}) {
            SCOPED_TRACE(testing::Message() << "law " << law << " ratio " << r);
            RecordingHost host;
            auto m =
                Program(host, {{"R", law, 90, "0", "2"}, {"D", motion::kLawDwell, 270, "2", "2"}});
            const double wn = 2 * kTruePi * r / (90 * kSecondsPerDegree);
            m->SpringK = static_cast<float>(wn * wn);
            m->DampRatio = 0.0f;
            m->ResponseFromRest = true;
            ASSERT_TRUE(chain::RunResponse(*m, host)) << host.lastText();
            ASSERT_TRUE(m->Response.HasResidual[1]);
            const double residual = m->Response.Residual[1] / 2.0;
            if (law == motion::kLawCycloidFull) {
                const double expected =
                    std::fabs(std::sin(kTruePi * r)) / (kTruePi * r * std::fabs(1 - r * r));
                EXPECT_NEAR(residual, expected, 1e-6);
            } else {
                EXPECT_GT(residual, 1e-3);
            }
            std::vector<dynamics::SpectrumPoint> points;
            std::string why;
            const double present = chain::PresentRatio(*m, 1);
            EXPECT_NEAR(present, r, 1e-6);
            ASSERT_TRUE(chain::SegmentSpectrum(*m, 1, present, present + 1, 2, points, why)) << why;
            EXPECT_NEAR(points[0].residual, residual, 1e-6);
        }
    }
}

// A follower train of huge stiffness follows S to 1e-6 of the lift everywhere.
TEST(ResponseStage, VeryStiffFollowerFollowsTheProgram) {
    RecordingHost host;
    auto m = Program(host, {{"R", motion::kLawCycloidFull, 100, "0", "1.5"},
                            {"D", motion::kLawDwell, 80, "1.5", "1.5"},
                            {"F", motion::kLaw345, 100, "1.5", "0"},
                            {"D", motion::kLawDwell, 80, "0", "0"}});
    m->TrainStiffness = 1.0e9f;
    ASSERT_TRUE(chain::RunResponse(*m, host)) << host.lastText();
    EXPECT_LT(m->Response.MaxError, 1e-6 * 1.5);
    EXPECT_GT(m->Response.OmegaN, 3.0e4f);
    EXPECT_NEAR(m->Results[ResultRow::ActualDisplacement][140], 1.5, 1e-6 * 1.5);
}

// Through a dwell the damped free vibration falls by exp(-zeta wn Td) every damped period Td,
// here 20 stored points long.
TEST(ResponseStage, DecayThroughADwellHasTheDecrementOfItsDamping) {
    RecordingHost host;
    auto m = Program(
        host, {{"R", motion::kLawModTrap, 50, "0", "1"}, {"D", motion::kLawDwell, 310, "1", "1"}});
    const double z = 0.05, Td = 20 * kSecondsPerDegree;
    const double wn = 2 * kTruePi / Td / std::sqrt(1 - z * z);
    m->SpringK = static_cast<float>(wn * wn);
    m->DampRatio = static_cast<float>(z);
    m->ResponseFromRest = true;
    ASSERT_TRUE(chain::RunResponse(*m, host)) << host.lastText();
    const auto& e = m->Results[ResultRow::MotionError];
    const double amplitude = m->Response.Residual[1], decrement = std::exp(-z * wn * Td);
    ASSERT_GT(amplitude, 1e-3);
    for (int i = 51; i + 20 <= 360; ++i)
        ASSERT_NEAR(e[i + 20], e[i] * decrement, 1e-5 * amplitude) << i;
}

TEST(ResponseStage, RefusalsAndItsPlaceInTheChain) {
    RecordingHost host;
    auto m = Program(host, {{"R", motion::kLawCycloidFull, 180, "0", "1"},
                            {"F", motion::kLawCycloidFull, 180, "1", "0"}});
    m->DampRatio = 0.0f;
    EXPECT_FALSE(chain::RunResponse(*m, host));
    EXPECT_EQ(host.lastText(),
              "Without damping the follower never settles into a steady motion.\r"
              "Take its motion from rest instead, or give the train some damping.");
    EXPECT_FALSE(m->ResponseDone);

    m->DampRatio = 0.2f;
    m->EffMass = 0.0f;
    EXPECT_FALSE(chain::RunResponse(*m, host));
    EXPECT_NE(host.lastText().find("needs its mass"), std::string::npos);
    m->EffMass = 1.0f;

    ASSERT_TRUE(chain::RunResponse(*m, host));
    EXPECT_TRUE(output::IsSelectable(*m, ResultRow::MotionError));
    EXPECT_EQ(output::MatchFunction("er"), ResultRow::MotionError);
    EXPECT_EQ(output::MatchFunction("AD"), ResultRow::ActualDisplacement);
    EXPECT_EQ(output::MatchFunction("aa"), ResultRow::ActualAcceleration);
    chain::Changed(*m, chain::Input::FollowerTrain);
    EXPECT_FALSE(m->ResponseDone);
    EXPECT_EQ(m->Results[ResultRow::ActualDisplacement][90], 0.0f);
    EXPECT_FALSE(output::IsSelectable(*m, ResultRow::MotionError));

    ASSERT_TRUE(chain::RunResponse(*m, host));
    chain::Changed(*m, chain::Input::ResponseData);
    EXPECT_FALSE(m->ResponseDone);

    std::vector<dynamics::SpectrumPoint> points;
    std::string why;
    EXPECT_FALSE(chain::SegmentSpectrum(*m, 3, 0.5, 2, 10, points, why));
    EXPECT_EQ(why, "Segment 3 is not a rise or fall with a lift.");
    EXPECT_FALSE(chain::SegmentSpectrum(*m, 1, 2, 1, 10, points, why));
    EXPECT_TRUE(points.empty());
}

} // namespace
