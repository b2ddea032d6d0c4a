// Radius of curvature of a translating roller follower with an offset, against the curvature of
// the pitch curve that CamProfile writes to rows 9 and 10.
#include "GeometryFixture.h"
#include "geometry/Profile.h"
#include "geometry/Sizing.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <complex>

using namespace trochix;
using namespace trochix::geometry;
using namespace trochix::geometry::fixture;
using model::RecordingHost;
using Point = std::complex<double>;

namespace {

// The polar form fed with r = |(Rp + S, e)|, as the offset roller was once computed: exact only
// for e = 0.
float PolarFormOnOffsetRadius(double X, double e, double v, double a) {
    const double r = std::sqrt(X * X + e * e);
    const double q = r * r + v * v;
    const double den = r * r + 2.0 * v * v - r * a;
    return den == 0.0 ? 1000000.0f : static_cast<float>(std::sqrt(q * q * q) / den);
}

double Cross(Point p, Point q) {
    return (std::conj(p) * q).imag();
}

// Signed radius of curvature from a curve point and its first two derivatives: positive where
// the curve bends towards the cam centre (convex), whichever way round it is traversed.
double SignedRadius(Point z, Point dz, Point ddz) {
    return std::copysign(1.0, Cross(z, dz)) * std::pow(std::norm(dz), 1.5) / Cross(dz, ddz);
}

// Cycloidal rise of 1 over 60 degrees, dwell, cycloidal fall over 60 from 180, dwell; on a prime
// distance of 2 the pitch curve is concave through part of the rise and fall. Step 0.25 degree.
// The pitch curve is recomputed in double from the motion law - the roller centre (Rp + S, e)
// turned by the cam angle, mirrored for a counter-clockwise cam - checked against rows 9 and 10
// at every point, and differentiated by central differences of 1e-3 rad (truncation about 1e-5
// relative). Where |rho| < 2 Rp, at least half a degree from a segment joint, row 6 must match
// within 1e-3 relative; the polar form on r = |(Rp + S, e)| misses by over 5 % with an offset.
TEST(RadiusOfCurvature, OffsetRollerMatchesItsOwnPitchCurve) {
    const double Rp = 2.0, omega = 2.0, step = 0.25, k = 1e-3;
    const MotionLaw law = RiseDwellFall(1.0, 60.0);
    const std::array joints{0.0, 60.0, 180.0, 240.0, 360.0};
    const struct {
        double e;
        int camDirection;
    } cases[] = {{0.4, -1}, {0.4, 1}, {-0.4, -1}, {-0.4, 1}, {0.0, -1}, {0.0, 1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << "e " << c.e << " dir " << c.camDirection);
        auto m = ModelWithMotion(law, omega, step);
        m->PrimeRadius = static_cast<float>(Rp);
        m->Offset = static_cast<float>(c.e);
        m->CamDirection = c.camDirection;
        RecordingHost host;
        ASSERT_TRUE(Autopress(*m, host, 1));
        ASSERT_TRUE(RadiusOfCurvature(*m, host, 1));
        ASSERT_TRUE(host.messages.empty());
        const auto pitch = [&](double t) {
            const Point p = Point(Rp + law(t).S, c.e) * std::polar(1.0, t);
            return c.camDirection == -1 ? p : std::conj(p);
        };
        const auto& R = m->Results;
        int checked = 0, concave = 0;
        double oldWorst = 0.0;
        for (int i = 0; i <= m->NumPoints; ++i) {
            const double deg = i * step, t = Rad(deg);
            const Point z = pitch(t);
            ASSERT_NEAR(R[9][i], z.real(), 1e-6) << "x at " << deg;
            ASSERT_NEAR(R[10][i], z.imag(), 1e-6) << "y at " << deg;
            if (std::ranges::any_of(joints, [&](double j) { return std::fabs(deg - j) < 0.5; }))
                continue;
            const Point zp = pitch(t + k), zm = pitch(t - k);
            const double rho = SignedRadius(z, (zp - zm) / (2 * k), (zp - 2.0 * z + zm) / (k * k));
            if (std::fabs(rho) >= 2 * Rp)
                continue;
            ++checked;
            concave += rho < 0.0;
            EXPECT_NEAR(R[6][i], rho, 1e-3 * std::fabs(rho)) << "rho at " << deg;
            const double old = PolarFormOnOffsetRadius(Rp + R[1][i], c.e, R[2][i] / omega,
                                                       R[3][i] / (omega * omega));
            oldWorst = std::max(oldWorst, std::fabs(old - rho) / std::fabs(rho));
        }
        EXPECT_GT(checked, 200);
        EXPECT_GT(concave, 20);
        if (c.e != 0.0)
            EXPECT_GT(oldWorst, 0.05);
        else
            EXPECT_LT(oldWorst, 1e-3);
    }
}

// With no offset the radius is the polar form on r = Rp + S to the last bit, at every point of
// the program above and of a slower and faster cam.
TEST(RadiusOfCurvature, ZeroOffsetKeepsThePolarFormBitForBit) {
    for (const double omega : {0.5, 2.0, 37.0}) {
        const auto m = ModelWithMotion(RiseDwellFall(1.0, 60.0), omega, 0.25);
        const double Rp = 2.0;
        for (int i = 0; i <= m->NumPoints; ++i) {
            const double X = Rp + m->Results[1][i], v = m->Results[2][i] / omega;
            const double a = m->Results[3][i] / (omega * omega);
            ASSERT_EQ(RhoRadialRoller(X, 0.0, v, a), PolarFormOnOffsetRadius(X, 0.0, v, a))
                << "omega " << omega << " point " << i;
        }
    }
}

} // namespace
