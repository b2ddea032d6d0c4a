#include "dynamics/Response.h"

#include "model/CamModel.h"
#include "model/Constants.h"
#include "model/Fault.h"
#include "model/Host.h"
#include "model/ReportError.h"
#include "model/ResultRow.h"
#include "motion/SegmentDriver.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace trochix::dynamics {

using model::ResultRow;
using model::ToSingle;

namespace {

// Impulse response G(s) of x'' + 2 a x' + w^2 x and its rate G'(s).
struct Impulse {
    double g = 0.0, dg = 0.0;
};

Impulse ImpulseAt(const Oscillator& o, double s) {
    const double w = o.omegaN, z = o.zeta, a = z * w;
    if (z < 1.0) {
        const double wd = w * std::sqrt(1.0 - z * z);
        const double sn = wd > 0.0 ? std::sin(wd * s) / wd : s;
        const double decay = std::exp(-a * s);
        return {decay * sn, decay * (std::cos(wd * s) - a * sn)};
    }
    const double q = w * std::sqrt(z * z - 1.0);
    if (q * s < 20.0) {
        const double sh = q > 0.0 ? std::sinh(q * s) / q : s;
        const double decay = std::exp(-a * s);
        return {decay * sh, decay * (std::cosh(q * s) - a * sh)};
    }
    // Far out only the slow root is left; sinh would overflow first.
    const double r1 = q - a, r2 = -q - a;
    const double e1 = std::exp(r1 * s), e2 = std::exp(r2 * s);
    return {(e1 - e2) / (2.0 * q), (r1 * e1 - r2 * e2) / (2.0 * q)};
}

// The fastest rate of the free motion, which bounds the sub-step.
double FastestRate(const Oscillator& o) {
    return o.zeta <= 1.0 ? o.omegaN : o.omegaN * (o.zeta + std::sqrt(o.zeta * o.zeta - 1.0));
}

constexpr double kMaxRadiansPerStep = 0.5;
// Beyond this the train is stiffer than any step could follow; such a follower is rigid to far
// better than the accuracy asked for, and the sub-steps stay bounded.
constexpr double kMaxSubSteps = 4.0e6;

constexpr std::array<double, 5> kGaussNode = {-0.9061798459386640, -0.5384693101056831, 0.0,
                                              0.5384693101056831, 0.9061798459386640};
constexpr std::array<double, 5> kGaussWeight = {0.2369268850561891, 0.4786286704993665,
                                                0.5688888888888889, 0.4786286704993665,
                                                0.2369268850561891};

OscState Step(const Oscillator& o, OscState z, double t0, double h,
              const std::function<double(double)>& S) {
    OscState next = FreeMotion(o, z, h);
    double dx = 0.0, dv = 0.0;
    for (std::size_t k = 0; k < kGaussNode.size(); ++k) {
        const double tau = 0.5 * h * (1.0 + kGaussNode[k]);
        const Impulse g = ImpulseAt(o, h - tau);
        const double f = o.gain * S(t0 + tau);
        dx += kGaussWeight[k] * g.g * f;
        dv += kGaussWeight[k] * g.dg * f;
    }
    next.x += 0.5 * h * dx;
    next.v += 0.5 * h * dv;
    return next;
}

} // namespace

OscState FreeMotion(const Oscillator& o, OscState from, double s) {
    const Impulse g = ImpulseAt(o, s);
    const double w2 = o.omegaN * o.omegaN, a2 = 2.0 * o.zeta * o.omegaN;
    return {from.x * (g.dg + a2 * g.g) + from.v * g.g, -w2 * g.g * from.x + g.dg * from.v};
}

OscState Advance(const Oscillator& o, OscState z, double t0, double t1,
                 const std::function<double(double)>& S) {
    const double span = t1 - t0;
    if (!(span > 0.0))
        return z;
    const double wanted = std::ceil(FastestRate(o) * span / kMaxRadiansPerStep);
    const int n = static_cast<int>(std::clamp(wanted, 1.0, kMaxSubSteps));
    const double h = span / n;
    for (int i = 0; i < n; ++i)
        z = Step(o, z, t0 + i * h, h, S);
    return z;
}

double FreeAmplitude(const Oscillator& o, double e, double v) {
    const double w = o.omegaN, z = o.zeta, a = z * w;
    if (z < 1.0) {
        const double wd = w * std::sqrt(1.0 - z * z);
        const double q = (v + a * e) / wd;
        return std::sqrt(e * e + q * q);
    }
    // At or above critical damping the motion turns at most once, where its rate is zero:
    // -w^2 G(t) e + G'(t) v = 0.
    double t = -1.0;
    if (z == 1.0) {
        const double d = w * w * e + w * v;
        if (d != 0.0)
            t = v / d;
    } else {
        const double q = w * std::sqrt(z * z - 1.0), r1 = q - a, r2 = -q - a;
        const double num = v * r2 - w * w * e, den = v * r1 - w * w * e;
        if (den != 0.0 && num / den > 0.0)
            t = std::log(num / den) / (r1 - r2);
    }
    double largest = std::fabs(e);
    if (t > 0.0 && std::isfinite(t))
        largest = std::max(largest, std::fabs(FreeMotion(o, {e, v}, t).x));
    return largest;
}

bool FollowerOscillator(const CamModel& m, Oscillator& o, std::string& why) {
    const double mass = m.EffMass, k = m.SpringK, kf = m.TrainStiffness;
    if (!(mass > 0.0)) {
        why = "The follower's motion needs its mass: enter the effective mass on the Dynamics "
              "screen.";
        return false;
    }
    if (!(k + kf > 0.0)) {
        why = "The follower's motion needs a stiffness: a spring rate, or the stiffness of the "
              "follower train.";
        return false;
    }
    // The screen's damping: from zeta with a spring, as typed without one.
    const double c = k != 0.0 ? 2.0 * m.DampRatio * std::sqrt(k * mass) : m.DampC;
    o.omegaN = std::sqrt((k + kf) / mass);
    o.zeta = c / (2.0 * mass * o.omegaN);
    o.gain = kf > 0.0 ? kf / mass : o.omegaN * o.omegaN;
    return true;
}

namespace {

// A rise or fall's following dwell: the segment that starts where it ends, 0 when none.
int FollowingDwell(const CamModel& m, int seg) {
    const double end = std::fmod(static_cast<double>(m.SegEnd[seg]), 360.0);
    for (int j = 1; j <= m.NumSegments; ++j) {
        if (j == seg || !motion::IsDwellRow(m, j) || !(m.SegBeta[j] > 0.0f))
            continue;
        const double start = std::fmod(static_cast<double>(m.SegStart[j]), 360.0);
        const double gap = std::fabs(start - end);
        if (gap < 1e-4 || std::fabs(gap - 360.0) < 1e-4)
            return j;
    }
    return 0;
}

bool IsRiseOrFall(const CamModel& m, int seg) {
    return (m.SegDir[seg] == "R" || m.SegDir[seg] == "F") && !motion::IsDwellRow(m, seg);
}

struct Node {
    double theta = 0.0;
    int point = -1; // the stored point here, -1 for a break between points
    OscState state;
};

} // namespace

bool Response(CamModel& m, Host& host, const MotionInput& motion) {
    Oscillator o;
    std::string why;
    if (!FollowerOscillator(m, o, why)) {
        host.message(why, model::Icon::Exclamation, model::DefaultTitle());
        return false;
    }
    if (!m.ResponseFromRest && o.zeta == 0.0) {
        host.message("Without damping the follower never settles into a steady motion.\rTake "
                     "its motion from rest instead, or give the train some damping.",
                     model::Icon::Exclamation, model::DefaultTitle());
        return false;
    }
    return model::RunGuarded(host, "Response", [&] {
        const double omega = model::CheckDivisor(m.CamOmega);
        const int n = std::clamp(m.NumPoints, 1, model::kMaxPoints);
        const double turn = n * static_cast<double>(m.DeltaTheta) * model::kDegToRad;
        std::vector<Node> nodes;
        for (int i = 0; i <= n; ++i)
            nodes.push_back({i * static_cast<double>(m.DeltaTheta) * model::kDegToRad, i, {}});
        auto addBreak = [&](double theta) {
            if (theta > 0.0 && theta < turn)
                nodes.push_back({theta, -1, {}});
        };
        for (double b : motion.breaks)
            addBreak(b);
        for (int seg = 1; seg <= m.NumSegments; ++seg)
            addBreak(m.SegEnd[seg] * model::kDegToRad);
        std::stable_sort(nodes.begin(), nodes.end(),
                         [](const Node& a, const Node& b) { return a.theta < b.theta; });

        const auto S = [&](double t) { return motion.S(t * omega); };
        const auto pass = [&](OscState z) {
            nodes.front().state = z;
            for (std::size_t k = 1; k < nodes.size(); ++k) {
                z = Advance(o, z, nodes[k - 1].theta / omega, nodes[k].theta / omega, S);
                nodes[k].state = z;
            }
            return z;
        };
        OscState start;
        if (!m.ResponseFromRest) {
            // The periodic state z0 = P z0 + d, P the free motion over a turn, d the turn's
            // motion from rest.
            const double T = turn / omega;
            const OscState d = pass({});
            const OscState c1 = FreeMotion(o, {1.0, 0.0}, T), c2 = FreeMotion(o, {0.0, 1.0}, T);
            const double a11 = 1.0 - c1.x, a12 = -c2.x, a21 = -c1.v, a22 = 1.0 - c2.v;
            const double det = a11 * a22 - a12 * a21;
            start = {(d.x * a22 - a12 * d.v) / model::CheckDivisor(det),
                     (a11 * d.v - a21 * d.x) / det};
        }
        pass(start);

        auto& R = m.Results;
        model::ResponseFigures fig;
        fig.FromRest = m.ResponseFromRest;
        fig.OmegaN = ToSingle(o.omegaN);
        fig.Zeta = ToSingle(o.zeta);
        double worst = -1.0;
        const double w2 = o.omegaN * o.omegaN;
        for (const Node& node : nodes) {
            if (node.point < 0)
                continue;
            const double s = motion.S(node.theta);
            const OscState z = node.state;
            const double error = z.x - s;
            R[ResultRow::ActualDisplacement][node.point] = ToSingle(z.x);
            R[ResultRow::MotionError][node.point] = ToSingle(error);
            R[ResultRow::ActualAcceleration][node.point] =
                ToSingle(o.gain * s - 2.0 * o.zeta * o.omegaN * z.v - w2 * z.x);
            if (std::fabs(error) > worst) {
                worst = std::fabs(error);
                fig.MaxError = ToSingle(worst);
                fig.MaxErrorAngle = R[ResultRow::CamAngle][node.point];
            }
        }
        for (int seg = 1; seg <= std::min(m.NumSegments, model::kMaxSegments); ++seg) {
            const int dwell = IsRiseOrFall(m, seg) ? FollowingDwell(m, seg) : 0;
            if (dwell == 0)
                continue;
            // The state where the dwell begins: the node nearest the segment's end.
            const double at = std::min(m.SegEnd[seg] * model::kDegToRad, turn);
            const Node* best = &nodes.front();
            for (const Node& node : nodes)
                if (std::fabs(node.theta - at) < std::fabs(best->theta - at))
                    best = &node;
            const double held =
                motion.S((m.SegStart[dwell] + 0.5 * m.SegBeta[dwell]) * model::kDegToRad);
            const double rest = o.gain / w2 * held;
            fig.HasResidual[static_cast<std::size_t>(seg)] = true;
            fig.Residual[static_cast<std::size_t>(seg)] =
                ToSingle(FreeAmplitude(o, best->state.x - rest, best->state.v));
        }
        m.Response = fig;
    });
}

double ResidualAfterLaw(const Oscillator& o, double ratio, double lift,
                        const std::function<double(double)>& f) {
    // In time u = t / duration the natural frequency is 2 pi ratio; the static part of the
    // drive, gain / wn^2, is kept.
    Oscillator u = o;
    u.omegaN = model::kTwoPi * ratio;
    u.gain = o.gain / (o.omegaN * o.omegaN) * u.omegaN * u.omegaN;
    // Pieces of 1/64 keep the law's own joints (eighths) at piece ends.
    constexpr int kPieces = 64;
    OscState z;
    for (int k = 0; k < kPieces; ++k)
        z = Advance(u, z, static_cast<double>(k) / kPieces, static_cast<double>(k + 1) / kPieces,
                    f);
    const double rest = u.gain / (u.omegaN * u.omegaN) * f(1.0);
    return FreeAmplitude(u, z.x - rest, z.v) / model::CheckDivisor(lift);
}

std::vector<SpectrumPoint> ResponseSpectrum(const Oscillator& o, double from, double to, int count,
                                            double lift, const std::function<double(double)>& f) {
    std::vector<SpectrumPoint> points;
    for (int i = 0; i < count; ++i) {
        const double r = count == 1 ? from : from + (to - from) * i / (count - 1);
        points.push_back({r, ResidualAfterLaw(o, r, lift, f)});
    }
    return points;
}

} // namespace trochix::dynamics
