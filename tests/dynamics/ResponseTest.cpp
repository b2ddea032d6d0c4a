// The one-mass follower train against closed forms: free motion in every damping regime, the
// ramp from rest, the classical residual-vibration spectrum of the cycloid, and the energy of
// the undamped free motion.
#include "dynamics/Response.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace trochix::dynamics;

namespace {

constexpr double kTruePi = 3.14159265358979323846;

// x(t) of x'' + 2 z w x' + w^2 x = 0 from (x0, v0), written out for each regime.
double FreeClosedForm(double w, double z, double x0, double v0, double t) {
    const double a = z * w;
    if (z < 1.0) {
        const double wd = w * std::sqrt(1 - z * z);
        return std::exp(-a * t) * (x0 * std::cos(wd * t) + (v0 + a * x0) / wd * std::sin(wd * t));
    }
    if (z == 1.0)
        return std::exp(-w * t) * (x0 + (v0 + w * x0) * t);
    const double q = w * std::sqrt(z * z - 1), r1 = -a + q, r2 = -a - q;
    const double c1 = (v0 - r2 * x0) / (r1 - r2), c2 = x0 - c1;
    return c1 * std::exp(r1 * t) + c2 * std::exp(r2 * t);
}

TEST(Response, FreeMotionInEveryDampingRegime) {
    for (double z : {0.0, 0.05, 0.7, 1.0, 1.5, 6.0}) {
        const Oscillator o{30.0, z, 900.0};
        for (double t : {0.0, 0.013, 0.2, 1.7}) {
            const OscState s = FreeMotion(o, {0.4, -3.0}, t);
            EXPECT_NEAR(s.x, FreeClosedForm(30.0, z, 0.4, -3.0, t), 1e-12) << z << " " << t;
            // The rate by a central difference of the closed form (h^2 x''' / 6 ~ 1e-9).
            const double h = 1e-6;
            const double v = (FreeClosedForm(30.0, z, 0.4, -3.0, t + h) -
                              FreeClosedForm(30.0, z, 0.4, -3.0, t - h)) /
                             (2 * h);
            EXPECT_NEAR(s.v, v, 1e-6) << z << " " << t;
        }
    }
}

// S = t from rest: x = t - sin(w t) / w undamped; with damping x = t - 2 z / w + the decaying
// part that starts it at rest (the particular solution of a ramp).
TEST(Response, RampFromRestMatchesItsClosedForm) {
    const double w = 12.0;
    const auto ramp = [](double t) { return t; };
    OscState s = Advance({w, 0.0, w * w}, {}, 0.0, 2.5, ramp);
    EXPECT_NEAR(s.x, 2.5 - std::sin(w * 2.5) / w, 1e-12);
    EXPECT_NEAR(s.v, 1.0 - std::cos(w * 2.5), 1e-11);

    const double z = 0.3, x0 = 2 * z / w; // x - xp starts at 2 z / w with rate -1
    s = Advance({w, z, w * w}, {}, 0.0, 2.5, ramp);
    EXPECT_NEAR(s.x, 2.5 - x0 + FreeClosedForm(w, z, x0, -1.0, 2.5), 1e-12);
}

// Residual after a cycloidal rise from rest, undamped, as a fraction of the lift:
// |sin(pi r)| / (pi r |1 - r^2|), r the rise's duration in natural periods.
TEST(Response, CycloidSpectrumIsTheClassicalOneAndVanishesAtWholePeriods) {
    const Oscillator o{1.0, 0.0, 1.0}; // only zeta and gain / wn^2 matter to the spectrum
    const auto cycloid = [](double u) {
        return 2.0 * (u - std::sin(2 * kTruePi * u) / (2 * kTruePi));
    };
    for (double r : {0.4, 0.7, 1.5, 2.25, 3.6}) {
        const double expected =
            std::fabs(std::sin(kTruePi * r)) / (kTruePi * r * std::fabs(1 - r * r));
        EXPECT_NEAR(ResidualAfterLaw(o, r, 2.0, cycloid), expected, 1e-8) << r;
    }
    for (double r : {2.0, 3.0, 4.0})
        EXPECT_LT(ResidualAfterLaw(o, r, 2.0, cycloid), 1e-8) << r;

    const auto points = ResponseSpectrum(o, 1.0, 3.0, 5, 2.0, cycloid);
    ASSERT_EQ(points.size(), 5u);
    EXPECT_DOUBLE_EQ(points[1].ratio, 1.5);
    EXPECT_NEAR(points[4].residual, 0.0, 1e-8);
}

// Undamped free motion about a held position keeps its energy over a thousand periods.
TEST(Response, UndampedFreeMotionKeepsItsEnergy) {
    const double w = 50.0, held = 0.75;
    const Oscillator o{w, 0.0, w * w};
    const OscState s0{1.0, 20.0};
    const auto energy = [&](OscState s) {
        return 0.5 * s.v * s.v + 0.5 * w * w * (s.x - held) * (s.x - held);
    };
    const double T = 2 * kTruePi / w;
    const OscState s = Advance(o, s0, 0.0, 1000.3 * T, [&](double) { return held; });
    EXPECT_NEAR(energy(s) / energy(s0), 1.0, 1e-9);
    EXPECT_NEAR(FreeAmplitude(o, s.x - held, s.v), std::sqrt(2 * energy(s0)) / w, 1e-9);
}

// Below critical damping the envelope falls by the logarithmic decrement over each damped
// period; at and above it the amplitude is the one turning point of the motion.
TEST(Response, AmplitudeOfTheFreeMotion) {
    const double w = 40.0, z = 0.08;
    const Oscillator o{w, z, w * w};
    const double Td = 2 * kTruePi / (w * std::sqrt(1 - z * z));
    const OscState later = FreeMotion(o, {0.3, 5.0}, Td);
    EXPECT_NEAR(FreeAmplitude(o, later.x, later.v) / FreeAmplitude(o, 0.3, 5.0),
                std::exp(-2 * kTruePi * z / std::sqrt(1 - z * z)), 1e-12);

    for (double zc : {1.0, 3.0}) {
        const Oscillator c{w, zc, w * w};
        // From x = 0 moving out: the turning point, found by scanning the closed form.
        double largest = 0.0;
        for (int i = 1; i < 200000; ++i)
            largest = std::max(largest, std::fabs(FreeClosedForm(w, zc, 0.0, 2.0, i * 1e-6)));
        EXPECT_NEAR(FreeAmplitude(c, 0.0, 2.0), largest, 1e-9) << zc;
        EXPECT_DOUBLE_EQ(FreeAmplitude(c, 0.5, 0.0), 0.5) << zc; // it only creeps back
    }
}

} // namespace
