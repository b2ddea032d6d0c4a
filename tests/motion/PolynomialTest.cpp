#include "model/CamModel.h"
#include "model/RecordingHost.h"
#include "motion/Polynomial.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

using namespace trochix;
using model::CamModel;
using model::RecordingHost;

namespace {

// A model with one polynomial segment of `beta` degrees starting at `start`.
std::unique_ptr<CamModel> PolySegment(float beta, float start = 0.0f) {
    auto m = std::make_unique<CamModel>();
    m->CurSeg = 1;
    m->SegDir[1] = "P";
    m->SegBeta[1] = beta;
    m->SegBetaRadArr[1] = static_cast<float>(beta / 57.29577950560105);
    m->SegStart[1] = start;
    m->SegEnd[1] = start + beta;
    return m;
}

void StoreCondition(CamModel& m, int i, float pos, int order, float value) {
    m.BcPos[i][1] = pos;
    m.BcOrder[i][1] = static_cast<float>(order);
    m.BcValue[i][1] = value;
    m.BcEntered[i][1] = value;
    m.PolyExponent[i][1] = static_cast<float>(i - 1);
}

} // namespace

// S, V, A at both ends (0,0,0 and h,0,0) must reproduce the 3-4-5 law
// h(10x^3 - 15x^4 + 6x^5), written out here independently of the solver.
TEST(EvaluateStoredPolynomial, SixEndConditionsGiveThe345Law) {
    auto m = PolySegment(90.0f);
    const float h = 2.0f;
    StoreCondition(*m, 1, 0, 0, 0);
    StoreCondition(*m, 2, 0, 1, 0);
    StoreCondition(*m, 3, 0, 2, 0);
    StoreCondition(*m, 4, 1, 0, h);
    StoreCondition(*m, 5, 1, 1, 0);
    StoreCondition(*m, 6, 1, 2, 0);
    m->SegNumBC[1] = 6;
    RecordingHost host;
    ASSERT_TRUE(motion::EvaluateStoredPolynomial(*m, host));
    EXPECT_TRUE(host.messages.empty());
    const double expected[] = {0, 0, 0, 10 * h, -15 * h, 6 * h};
    for (int i = 1; i <= 6; ++i)
        EXPECT_NEAR(m->PolyCoef[i][1], expected[i - 1], 1e-4) << "term " << i;
    const double br = 90.0 / 57.29577950560105;
    for (int deg = 0; deg <= 90; deg += 5) {
        const double x = deg / 90.0;
        const double s = h * (10 * std::pow(x, 3) - 15 * std::pow(x, 4) + 6 * std::pow(x, 5));
        const double v = h / br * (30 * x * x - 60 * std::pow(x, 3) + 30 * std::pow(x, 4));
        EXPECT_NEAR(m->Results[1][deg], s, 1e-5) << deg;
        EXPECT_NEAR(m->Results[2][deg], v, 1e-5) << deg;
    }
}
