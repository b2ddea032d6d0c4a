#include "geometry/SuggestPoints.h"

#include "model/Constants.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <limits>

namespace trochix::geometry {

using model::kDegToRad;
using model::kHalfPi;
using model::kPi;
using model::kRadToDeg;

double SuggestRules::SurfaceOf(double rho) const {
    if (barrel)
        return std::fabs(rho) - Rr;
    if (flat)
        return rho;
    return rho > 0.0 ? rho - Rr : std::numeric_limits<double>::infinity();
}

SizingCase ArmAt(SizingCase c, double C, double Rp) {
    const double L = c.arm.L;
    c.arm.C = C;
    const double cosine = std::clamp((C * C + L * L - Rp * Rp) / (2.0 * C * L), -1.0, 1.0);
    c.arm.armAngle0 = std::acos(cosine) * kRadToDeg;
    return c;
}

ArmGuide::ArmGuide(const MotionPoints& p, const SizingCase& arm, double Rp,
                   const SuggestRules& rules)
    : arm_(arm), Rp_(Rp), rules_(rules) {
    const std::size_t n = p.size();
    cosS_.resize(n);
    sinS_.resize(n);
    S_.resize(n);
    w_.resize(n);
    w2_.resize(n);
    cosLimit_.resize(n);
    const double cosRise =
        std::cos(rules.riseAngle * (1.0 + SuggestRules::kAngleSlack) * kDegToRad);
    const double cosFall =
        std::cos(rules.fallAngle * (1.0 + SuggestRules::kAngleSlack) * kDegToRad);
    for (std::size_t i = 0; i < n; ++i) {
        S_[i] = p.S[i] * kDegToRad;
        const bool repeat = i > 0 && S_[i] == S_[i - 1];
        cosS_[i] = repeat ? cosS_[i - 1] : std::cos(S_[i]);
        sinS_[i] = repeat ? sinS_[i - 1] : std::sin(S_[i]);
        // The sizing's own expressions for the arm's speed and acceleration per cam radian.
        w_[i] = p.V[i] * kPi / (arm.omega * 180.0);
        w2_[i] = p.A[i] * (kPi / (arm.omega2 * 180.0));
        cosLimit_[i] = p.V[i] >= 0.0 ? cosRise : cosFall;
    }
    L_ = arm.arm.L;
    L2_ = L_ * L_;
}

void ArmGuide::SetPivot(double C) {
    C_ = C;
    C2_ = C * C;
    twoCL_ = 2.0 * C * L_;
    mu0_ = ArmAt(arm_, C, Rp_).arm.armAngle0 * kDegToRad;
    cosMu0_ = std::cos(mu0_);
    sinMu0_ = std::sin(mu0_);
}

// The sizing: phi = T1 - T2 + atan(1/B) (K < 0) or T2 - T1 + atan(1/B) (K > 0), with
// T1 - T2 = mu + alpha - pi/2, alpha the angle at the cam centre, B = A1 -+ A2; in a dwell no
// atan term. Here as a unit vector, the angles added by their cosines and sines: the triangle's
// cosine rule and sine rule give alpha, and B times 2 C L sin(mu) w is free of divisions.
ArmGuide::Angle ArmGuide::AngleAt(std::size_t i) const {
    static const double cosHalf = std::cos(kHalfPi), sinHalf = std::sin(kHalfPi);
    Angle a;
    const double cm = cosMu0_ * cosS_[i] - sinMu0_ * sinS_[i];
    const double sm = sinMu0_ * cosS_[i] + cosMu0_ * sinS_[i];
    const double q = std::max(C2_ + L2_ - twoCL_ * cm, 0.0);
    a.r = std::sqrt(q);
    a.sinMu = sm;
    if (C_ * a.r == 0.0)
        return a; // the roller centre on the cam centre: the sizing faults
    a.ok = true;
    const int K = arm_.arm.K;
    if (K == 0)
        return a;
    const double inverse = 1.0 / a.r;
    const double cosA = std::clamp((C2_ + q - L2_) * inverse / (2.0 * C_), -1.0, 1.0);
    const double sinA = std::min(L_ * std::fabs(sm) * inverse, 1.0);
    const double cX = cm * cosA - sm * sinA, sX = sm * cosA + cm * sinA;
    const double cT = cX * cosHalf + sX * sinHalf, sT = sX * cosHalf - cX * sinHalf;
    const double sign = K < 0 ? 1.0 : -1.0;
    a.c = cT;
    a.s = sign * sT;
    // acos x = pi/2 - x and asin x = x within pi/2 - 1 each.
    a.approx = sign * (mu0_ + S_[i] - cosA);
    const double w = w_[i];
    const double Dn = twoCL_ * sm * w; // B = N / Dn
    if (Dn == 0.0)
        return a;
    const double A2 = (C2_ - q - L2_) * w * (sm > 0.0 ? 1.0 : -1.0);
    const double N = K < 0 ? 2.0 * q - A2 : 2.0 * q + A2;
    if (N == 0.0) { // B = 0: the sizing warns and leaves the angle 0
        a.c = 1.0;
        a.s = a.approx = 0.0;
        return a;
    }
    // atan(1/B): the direction of (|B|, sign B), that is of (|N|, sign(N) Dn).
    const double h = 1.0 / std::sqrt(N * N + Dn * Dn);
    const double cb = std::fabs(N) * h, sb = (N > 0.0 ? Dn : -Dn) * h;
    const double c = a.c * cb - a.s * sb, s = a.s * cb + a.c * sb;
    a.c = c;
    a.s = s;
    a.approx += sb;
    return a;
}

// RhoOscillatingOf with the angle's cosine and sine, 1 / (P (1 + Q R)) with P = cos / D and
// Q = L cos / D as D^2 / (cos (D + L cos R)); in a dwell the roller centre's distance.
double ArmGuide::RhoAt(std::size_t i, const Angle& a) const {
    const double w = w_[i];
    if (w == 0.0)
        return a.r;
    const int K = arm_.arm.K;
    const double relative = K < 0 ? 1.0 + w : 1.0 - w;
    const double R = w * relative * a.s - w2_[i] * a.c;
    const double D = C_ * a.sinMu;
    const double den = a.c * (D + L_ * a.c * R);
    if (den == 0.0)
        return kRhoInfinite;
    const double rho = D * D / den;
    if (std::fabs(rho) > static_cast<double>(FLT_MAX))
        return rho < 0.0 ? -kRhoInfinite : kRhoInfinite;
    return rho;
}

PointVerdict ArmGuide::At(std::size_t i) const {
    const Angle a = AngleAt(i);
    // Within the limit, the cosine and the turn (the approximation off by less than 1.2 rad:
    // below pi for an angle within 90 degrees, beyond it a whole turn away).
    if (!a.ok || !(a.c >= cosLimit_[i]) || !(std::fabs(a.approx) < kPi))
        return PointVerdict::Fails;
    const double surface = rules_.SurfaceOf(RhoAt(i, a));
    if (std::isnan(surface))
        return PointVerdict::Fails;
    return surface >= rules_.minSurf ? PointVerdict::Pass : PointVerdict::Surface;
}

ArmGuide::Value ArmGuide::ValueAt(std::size_t i) const {
    const Angle a = AngleAt(i);
    Value v;
    if (!a.ok)
        return v;
    const double wrapped = std::atan2(a.s, a.c);
    const double turns = std::nearbyint((a.approx - wrapped) / (2.0 * kPi));
    v.phi = (wrapped + 2.0 * kPi * turns) * kRadToDeg;
    v.rho = RhoAt(i, a);
    v.ok = !std::isnan(v.rho);
    return v;
}

} // namespace trochix::geometry
