// Models for the geometry tests: rows 0..3 filled from closed-form motions, so the sizing and
// profile code is checked without the motion-law code.
#pragma once

#include "support/TestModels.h"

namespace trochix::geometry::fixture {

using testsupport::Deg;
using testsupport::kTruePi;
using testsupport::Rad;

// Displacement and its first two derivatives per cam radian.
struct Motion {
    double S, dS, d2S;
};
using MotionLaw = std::function<Motion(double thetaRad)>;

// A model with start-up values whose rows 0..3 hold `law` at `step` degrees and cam speed
// omega (V = dS omega, A = d2S omega^2), rows 4.. zero.
inline std::unique_ptr<model::CamModel> ModelWithMotion(const MotionLaw& law, double omega = 1.0,
                                                        double step = 1.0) {
    auto m = testsupport::ModelAtStep(static_cast<float>(step));
    m->CamOmega = static_cast<float>(omega);
    m->CamOmega2 = static_cast<float>(omega * omega);
    m->CamOmega3 = static_cast<float>(omega * omega * omega);
    for (int i = 0; i <= m->NumPoints; ++i) {
        const double theta = i * step;
        const Motion v = law(Rad(theta));
        m->Results[0][i] = static_cast<float>(theta);
        m->Results[1][i] = static_cast<float>(v.S);
        m->Results[2][i] = static_cast<float>(v.dS * omega);
        m->Results[3][i] = static_cast<float>(v.d2S * omega * omega);
    }
    return m;
}

// An oscillating roller follower: prime radius, arm pivot (px, py), arm length L and the turning
// senses of arm and cam.
inline void SetArm(model::CamModel& m, double Rp, double px, double py, double L,
                   double armDir = 1.0, int camDir = -1) {
    m.Translating = false;
    m.PrimeRadius = static_cast<float>(Rp);
    m.ArmPivotX = static_cast<float>(px);
    m.ArmPivotY = static_cast<float>(py);
    m.ArmRadius = static_cast<float>(L);
    m.ArmDirection = static_cast<float>(armDir);
    m.CamDirection = camDir;
}

// S = h/2 (1 - cos theta): one smooth rise and fall over the cycle.
inline MotionLaw Harmonic(double h) {
    return [h](double t) {
        return Motion{h / 2 * (1 - std::cos(t)), h / 2 * std::sin(t), h / 2 * std::cos(t)};
    };
}

inline MotionLaw Dwell(double s0) {
    return [s0](double) { return Motion{s0, 0.0, 0.0}; };
}

// Roller-centre travel of a radial cam whose pitch curve is a circle of radius R centred eps
// from the cam centre, for a follower whose axis is offset e: the roller centre sits at
// x = eps cos t + sqrt(R^2 - (e + eps sin t)^2) along the axis; S = x - base.
inline MotionLaw EccentricCircle(double R, double eps, double e, double base) {
    return [=](double t) {
        const double s = std::sin(t), c = std::cos(t);
        const double u = e + eps * s;
        const double q = std::sqrt(R * R - u * u);
        const double dS = -eps * s - eps * c * u / q;
        const double d2S =
            -eps * c - eps * ((-s * u + eps * c * c) / q + eps * c * c * u * u / (q * q * q));
        return Motion{eps * c + q - base, dS, d2S};
    };
}

// Cycloidal rise h over 0..beta, dwell to 180, cycloidal fall over 180..180+beta, dwell to 360.
inline MotionLaw RiseDwellFall(double h, double betaDeg) {
    return [=](double t) {
        const double beta = Rad(betaDeg);
        const double deg = Deg(t);
        if (deg <= betaDeg) {
            const double x = t / beta;
            return Motion{h * (x - std::sin(2 * kTruePi * x) / (2 * kTruePi)),
                          h / beta * (1 - std::cos(2 * kTruePi * x)),
                          2 * kTruePi * h / (beta * beta) * std::sin(2 * kTruePi * x)};
        }
        if (deg < 180.0)
            return Motion{h, 0.0, 0.0};
        if (deg <= 180.0 + betaDeg) {
            const double x = (t - kTruePi) / beta;
            return Motion{h * (1 - x + std::sin(2 * kTruePi * x) / (2 * kTruePi)),
                          -h / beta * (1 - std::cos(2 * kTruePi * x)),
                          -2 * kTruePi * h / (beta * beta) * std::sin(2 * kTruePi * x)};
        }
        return Motion{0.0, 0.0, 0.0};
    };
}

} // namespace trochix::geometry::fixture
