#include "geometry/Undercut.h"

#include "model/Constants.h"
#include "text/NumberText.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace trochix::geometry {

using model::kDegToRad;
using model::kRadToDeg;
using model::kTwoPi;
using text::FNRoundStr;

namespace {

constexpr double kSampleStep = 0.1 * kDegToRad;
constexpr double kRootTolerance = 1e-8;
// Short of a boundary, so that the segment ending there answers rather than the next one.
constexpr double kInset = 1e-9;

struct Piece {
    double from, to;
};

std::vector<Piece> Pieces(const std::vector<double>& breaks) {
    std::vector<double> b{0.0};
    for (double t : breaks)
        if (t > 0.0 && t < kTwoPi)
            b.push_back(t);
    b.push_back(kTwoPi);
    std::sort(b.begin(), b.end());
    b.erase(std::unique(b.begin(), b.end()), b.end());
    std::vector<Piece> pieces;
    for (std::size_t k = 0; k + 1 < b.size(); ++k)
        pieces.push_back({b[k], b[k + 1]});
    return pieces;
}

template <class F> void ForEachSample(const std::vector<Piece>& pieces, F f) {
    for (const Piece& p : pieces) {
        const int n = std::max(2, static_cast<int>(std::ceil((p.to - p.from) / kSampleStep)));
        for (int i = 0; i <= n; ++i)
            f(p, i == n ? p.to - kInset : p.from + (p.to - p.from) * i / n, i == 0);
    }
}

// The largest value of f on [lo, hi] near a sampled maximum (golden section).
template <class F> std::pair<double, double> Maximum(F f, double lo, double hi) {
    const double g = 0.5 * (std::sqrt(5.0) - 1.0);
    double a = lo, b = hi, c = b - g * (b - a), d = a + g * (b - a);
    double fc = f(c), fd = f(d);
    for (int k = 0; k < 80 && b - a > 1e-12; ++k) {
        if (fc > fd) {
            b = d, d = c, fd = fc;
            c = b - g * (b - a), fc = f(c);
        } else {
            a = c, c = d, fc = fd;
            d = a + g * (b - a), fd = f(d);
        }
    }
    const double t = 0.5 * (a + b);
    return {t, f(t)};
}

// The largest value of f over the turn, sampled and refined, with its angle.
template <class F> std::pair<double, double> LargestOver(const std::vector<Piece>& pieces, F f) {
    double best = -std::numeric_limits<double>::infinity(), at = 0.0;
    Piece in{0.0, kTwoPi};
    ForEachSample(pieces, [&](const Piece& p, double t, bool) {
        const double v = f(t);
        if (v > best)
            best = v, at = t, in = p;
    });
    const auto [t, v] =
        Maximum(f, std::max(in.from, at - kSampleStep), std::min(in.to - kInset, at + kSampleStep));
    return v > best ? std::pair{t, v} : std::pair{at, best};
}

// The ranges where inside(t) > 0, the sign changes refined by bisection.
template <class F> std::vector<AngleRange> RangesWhere(const std::vector<Piece>& pieces, F g) {
    std::vector<AngleRange> ranges;
    bool open = false;
    double from = 0.0, prevT = 0.0;
    bool prevIn = false;
    ForEachSample(pieces, [&](const Piece&, double t, bool first) {
        const bool in = g(t) > 0.0;
        double edge = t;
        if (!first && in != prevIn) {
            double a = prevT, b = t;
            while (b - a > kRootTolerance) {
                const double m = 0.5 * (a + b);
                ((g(m) > 0.0) == prevIn ? a : b) = m;
            }
            edge = 0.5 * (a + b);
        }
        if (in && !open)
            open = true, from = edge;
        else if (!in && open)
            open = false, ranges.push_back({from, edge});
        prevT = t, prevIn = in;
    });
    if (open)
        ranges.push_back({from, kTwoPi});
    // One range across the start of the turn.
    if (ranges.size() > 1 && ranges.front().from == 0.0 && ranges.back().to == kTwoPi) {
        ranges.back().to = kTwoPi + ranges.front().to;
        ranges.erase(ranges.begin());
    }
    return ranges;
}

std::string Degrees(double t) {
    return FNRoundStr(std::fmod(t * kRadToDeg, 360.0), 2);
}

std::string RangeText(const std::vector<AngleRange>& ranges) {
    std::string text;
    for (std::size_t k = 0; k < ranges.size(); ++k) {
        if (k > 0)
            text += k + 1 == ranges.size() ? " and " : ", ";
        text += Degrees(ranges[k].from) + " to " + Degrees(ranges[k].to);
    }
    return text + " deg";
}

} // namespace

UndercutFinding FindUndercut(const CamSurface& cam) {
    const std::vector<Piece> pieces = Pieces(cam.breaks());
    UndercutFinding u;
    if (cam.layout().kind == SurfaceFollower::TranslatingFlat) {
        u.ranges = RangesWhere(pieces, [&](double t) { return -cam.flatRho(t); });
        const auto [at, negRho] = LargestOver(pieces, [&](double t) { return -cam.flatRho(t); });
        u.limit = cam.layout().Rp + negRho;
        u.limitAngle = at;
        if (!u.ranges.empty())
            // Rounded up: the radius shown must itself avoid it.
            u.message = "The cam is undercut: the radius of curvature under the flat face is "
                        "negative from cam angle " +
                        RangeText(u.ranges) + ".\rThe smallest prime radius that avoids it is " +
                        FNRoundStr(std::ceil(u.limit * 1000.0) / 1000.0, 3) + ".";
        return u;
    }
    const double Rr = cam.layout().Rr;
    // On the curvature, which stays finite through a point of inflection where rho does not.
    u.ranges = RangesWhere(pieces, [&](double t) { return Rr * cam.curvature(t) - 1.0; });
    const auto [at, kappa] = LargestOver(pieces, [&](double t) { return cam.curvature(t); });
    u.limit = kappa > 0.0 ? 1.0 / kappa : std::numeric_limits<double>::infinity();
    u.limitAngle = at;
    if (!u.ranges.empty())
        u.message = "The cam is undercut: the roller radius " + FNRoundStr(Rr, 3) +
                    " is larger than the radius of curvature of the pitch curve from cam angle " +
                    RangeText(u.ranges) + ".\rThe largest roller radius that avoids it is " +
                    FNRoundStr(std::floor(u.limit * 1000.0) / 1000.0, 3) + ".";
    return u;
}

UndercutFinding FindBarrelUndercut(const BarrelDevelopment& groove) {
    const std::vector<Piece> pieces = Pieces(groove.breaks());
    UndercutFinding u;
    const double Rr = groove.rollerRadius();
    const auto bend = [&](double t) { return std::fabs(groove.curvature(t)); };
    u.ranges = RangesWhere(pieces, [&](double t) { return Rr * bend(t) - 1.0; });
    const auto [at, kappa] = LargestOver(pieces, bend);
    u.limit = kappa > 0.0 ? 1.0 / kappa : std::numeric_limits<double>::infinity();
    u.limitAngle = at;
    if (!u.ranges.empty())
        u.message = "The groove is undercut: the roller radius " + FNRoundStr(Rr, 3) +
                    " is larger than the radius of curvature of its centre line from cam angle " +
                    RangeText(u.ranges) + ".\rThe largest roller radius that avoids it is " +
                    FNRoundStr(std::floor(u.limit * 1000.0) / 1000.0, 3) + ".";
    return u;
}

CutterFinding CheckCutter(const CamSurface& cam, double Rc) {
    CutterFinding c;
    if (cam.layout().kind == SurfaceFollower::TranslatingFlat)
        return c;
    const auto [at, bend] =
        LargestOver(Pieces(cam.breaks()), [&](double t) { return -cam.curvature(t); });
    if (!(bend > 0.0))
        return c;
    // A concave pitch radius grows by the roller radius on the surface.
    c.smallestConcave = 1.0 / bend + cam.layout().Rr;
    c.angle = at;
    c.refused = Rc > c.smallestConcave;
    if (c.refused)
        c.message = "The cutter radius " + FNRoundStr(Rc, 3) +
                    " is larger than the smallest concave radius of the cam surface, " +
                    FNRoundStr(c.smallestConcave, 3) + " at cam angle " + Degrees(at) +
                    " deg: the cutter cannot follow the cam there.";
    return c;
}

namespace {

// Where the segments ab and cd cross, if they do.
bool Crossing(Point2 a, Point2 b, Point2 c, Point2 d, Point2& at) {
    const double rx = b.x - a.x, ry = b.y - a.y, sx = d.x - c.x, sy = d.y - c.y;
    const double den = rx * sy - ry * sx;
    if (den == 0.0)
        return false;
    const double qx = c.x - a.x, qy = c.y - a.y;
    const double u = (qx * sy - qy * sx) / den, v = (qx * ry - qy * rx) / den;
    if (u < 0.0 || u > 1.0 || v < 0.0 || v > 1.0)
        return false;
    at = {a.x + u * rx, a.y + u * ry};
    return true;
}

} // namespace

std::vector<Point2> TrimmedSurface(const CamSurface& cam, const UndercutFinding& undercut,
                                   double step) {
    step = std::clamp(step, 1e-5, kTwoPi / 8.0);
    // Start in the middle of the widest stretch without undercut, so no loop spans the seam.
    std::vector<AngleRange> ranges = undercut.ranges;
    double start = 0.0;
    if (!ranges.empty()) {
        double widest = -1.0;
        for (std::size_t k = 0; k < ranges.size(); ++k) {
            const double next =
                k + 1 < ranges.size() ? ranges[k + 1].from : ranges.front().from + kTwoPi;
            if (next - ranges[k].to > widest)
                widest = next - ranges[k].to, start = 0.5 * (ranges[k].to + next);
        }
        start = std::fmod(start, kTwoPi);
    }
    auto shifted = [&](double t) { return t < start ? t + kTwoPi : t; };
    std::vector<double> angles;
    for (double t = start; t < start + kTwoPi - 0.5 * step; t += step)
        angles.push_back(t);
    for (double b : cam.breaks())
        angles.push_back(shifted(b));
    std::sort(angles.begin(), angles.end());
    angles.erase(std::unique(angles.begin(), angles.end()), angles.end());
    std::vector<Point2> pts;
    pts.reserve(angles.size());
    for (double t : angles)
        pts.push_back(cam.surfaceAt(std::fmod(t, kTwoPi)).p);
    for (AngleRange& r : ranges) {
        const double length = r.to - r.from;
        r.from = shifted(std::fmod(r.from, kTwoPi));
        r.to = r.from + length;
    }
    std::sort(ranges.begin(), ranges.end(),
              [](const AngleRange& a, const AngleRange& b) { return a.from < b.from; });
    // Each loop: the last segment before it that crosses a segment after it. A quarter turn
    // each way is more than any loop a roller can draw.
    struct Cut {
        std::size_t i, j;
        Point2 at;
    };
    std::vector<Cut> cuts;
    const std::size_t n = pts.size();
    const auto window = static_cast<std::size_t>(std::ceil(kTwoPi / 4.0 / step));
    std::size_t done = 0;
    for (const AngleRange& r : ranges) {
        const std::size_t iFrom =
            std::lower_bound(angles.begin(), angles.end(), r.from) - angles.begin();
        const std::size_t iTo =
            std::upper_bound(angles.begin(), angles.end(), r.to) - angles.begin();
        bool found = false;
        for (std::size_t i = iFrom; i-- > done && i + window >= iFrom && !found;) {
            for (std::size_t j = std::max(iTo, i + 2); j + 1 < n && j <= iTo + window; ++j) {
                Point2 at;
                if (Crossing(pts[i], pts[i + 1], pts[j], pts[j + 1], at)) {
                    cuts.push_back({i, j, at});
                    done = j + 1;
                    found = true;
                    break;
                }
            }
        }
    }
    std::vector<Point2> out;
    out.reserve(n);
    std::size_t k = 0;
    for (const Cut& c : cuts) {
        out.insert(out.end(), pts.begin() + static_cast<std::ptrdiff_t>(k),
                   pts.begin() + static_cast<std::ptrdiff_t>(c.i + 1));
        out.push_back(c.at);
        k = c.j + 1;
    }
    out.insert(out.end(), pts.begin() + static_cast<std::ptrdiff_t>(k), pts.end());
    return out;
}

} // namespace trochix::geometry
