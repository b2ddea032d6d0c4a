#include "geometry/DesignMap.h"

#include "geometry/SizingPoint.h"
#include "model/CamModel.h"
#include "model/Constants.h"
#include "model/ResultRow.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>
#include <thread>

namespace trochix::geometry {

namespace {

using model::ResultRow;

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr int kMaxSize = 1000;

// What the pitch curve of one prime radius (and offset or pivot) reaches: everything a node
// needs but the roller, which only moves the surface off the pitch curve.
struct Pitch {
    bool ok = false;
    double rise = 0.0, fall = 0.0;
    double minConvex = kInf; // smallest positive rho
    double minAbs = kInf;    // smallest |rho|
    double minRho = kInf;    // smallest rho
};

Pitch PitchOf(const MotionPoints& p, const SizingCase& c) {
    Pitch r;
    for (std::size_t i = 0; i < p.size(); ++i) {
        const PressurePoint q = PressureAngleAt(c, p.theta[i], p.S[i], p.V[i]);
        if (q.fault != 0 || q.contour.divisionByZero || q.divZeroTerm)
            return r;
        const double phi = std::fabs(static_cast<double>(q.phi));
        double& extreme = p.V[i] >= 0.0 ? r.rise : r.fall;
        extreme = std::max(extreme, phi);
        const RhoPoint k = RadiusOfCurvatureAt(c, p.theta[i], p.S[i], p.V[i], p.A[i], q.phi);
        if (k.fault != 0)
            return r;
        const double rho = k.rho;
        if (rho > 0.0)
            r.minConvex = std::min(r.minConvex, rho);
        r.minAbs = std::min(r.minAbs, std::fabs(rho));
        r.minRho = std::min(r.minRho, rho);
    }
    r.ok = true;
    return r;
}

// The follower's side of a node: how its surface radius follows from the pitch curve.
struct Follower {
    FollowerKind kind = FollowerKind::TranslatingRoller;
    bool flat = false;
};

MapNode NodeOf(const Pitch& pitch, const Follower& f, double Rr) {
    MapNode n;
    if (!pitch.ok)
        return n;
    n.valid = true;
    n.rise = static_cast<float>(pitch.rise);
    n.fall = static_cast<float>(pitch.fall);
    double surface = 0.0;
    if (f.kind == FollowerKind::Barrel)
        surface = pitch.minAbs - Rr;
    else if (f.flat)
        surface = pitch.minRho;
    else
        surface = pitch.minConvex - Rr;
    n.surface = static_cast<float>(std::min(surface, double{std::numeric_limits<float>::max()}));
    n.undercut = surface < 0.0;
    return n;
}

// The design (prime, second) as the evaluators take it; false (with the reason) where the
// follower cannot take it, as the sizing screen's boxes would refuse it.
struct Design {
    SizingCase c;
    double Rr = 0.0;
};

bool DesignAt(const CamModel& m, const Follower& f, MapAxis axis, double prime, double second,
              Design& d, std::string& why) {
    d.c = SizingCaseOf(m, m.FollowerType);
    d.Rr = f.flat ? 0.0 : m.RollerRadius;
    d.c.Rp = prime;
    if (!(prime > 0.0)) {
        why = "The prime radius must be positive.";
        return false;
    }
    if (axis == MapAxis::Roller)
        d.Rr = second;
    if (axis == MapAxis::Offset)
        d.c.e = second;
    if (d.Rr < 0.0) {
        why = "The roller radius cannot be negative.";
        return false;
    }
    if (!f.flat && d.Rr >= prime) {
        why = "The roller radius must be smaller than the prime radius.";
        return false;
    }
    if (f.kind == FollowerKind::TranslatingRoller && std::fabs(d.c.e) >= prime) {
        why = "The offset must be smaller than the prime radius.";
        return false;
    }
    if (f.kind == FollowerKind::Oscillating) {
        const double C = axis == MapAxis::Pivot ? second : d.c.arm.C, L = d.c.arm.L;
        if (!(C > std::fabs(L - prime) && C < L + prime)) {
            why = "The arm misses the cam at this pivot distance.";
            return false;
        }
        // The arm angle at zero lift from the triangle cam centre, pivot, roller centre.
        d.c.arm.C = C;
        d.c.arm.armAngle0 =
            std::acos((C * C + L * L - prime * prime) / (2.0 * C * L)) * model::kRadToDeg;
    }
    return true;
}

Follower FollowerOf(const CamModel& m) {
    Follower f;
    f.kind = SizingCaseOf(m, m.FollowerType).kind;
    f.flat = m.FollowerType == 2 && f.kind != FollowerKind::Barrel;
    return f;
}

std::string CheckRequest(const CamModel& m, const DesignMapRequest& r) {
    if (!m.SvajDone)
        return "Calculate the motion program first (S-V-A-J)";
    if (m.CamOmega == 0.0f)
        return "The cam speed is zero: the pressure angle needs the velocity per cam angle.";
    const std::vector<MapAxis> axes = MapAxesOf(m);
    if (axes.empty())
        return "A translating flat-faced follower has no design map: its prime radius alone "
               "decides, as Suggest gives it.";
    if (std::find(axes.begin(), axes.end(), r.second) == axes.end())
        return std::string("This follower has no ") + MapAxisName(r.second) + " to map.";
    if (r.size < 2 || r.size > kMaxSize)
        return "The map takes 2 to 1000 points along each axis.";
    if (std::string why = CheckSuggestLimits(r.limits); !why.empty())
        return why;
    const auto bad = [](double a, double b) {
        return !std::isfinite(a) || !std::isfinite(b) || a > b;
    };
    if (bad(r.primeFrom, r.primeTo) || bad(r.secondFrom, r.secondTo))
        return "A range of the map must run from a smaller to a larger number.";
    return {};
}

// Ranges that hold the design and its suggestion with room on either side.
void ChooseRanges(const CamModel& m, DesignMap& map, const Suggestion& s) {
    const double Rp = m.PrimeRadius;
    const double ref = s.ok ? s.prime : Rp;
    if (map.primeFrom == map.primeTo) {
        map.primeFrom = 0.5 * std::min(ref, Rp);
        map.primeTo = std::max(2.0 * ref, 1.5 * Rp);
    }
    if (map.secondFrom != map.secondTo)
        return;
    const double now = SecondValueOf(m, map.second);
    switch (map.second) {
    case MapAxis::Roller:
        map.secondFrom = 0.0;
        map.secondTo = std::max({2.0 * now, 0.5 * ref, 1e-6});
        break;
    case MapAxis::Offset: {
        const double w = std::max(
            {1.5 * std::fabs(now), 1.5 * std::fabs(map.suggestion.offset), 0.5 * ref, 1e-6});
        map.secondFrom = -w;
        map.secondTo = w;
        break;
    }
    case MapAxis::Pivot: {
        const double C = s.ok ? s.pivotDistance : now;
        map.secondFrom = 0.5 * std::min(C, now);
        map.secondTo = std::max({1.5 * std::max(C, now), 1e-6});
        break;
    }
    }
}

// Every node: the roller axis needs the pitch curve once per prime radius, the others once per
// node. Columns are shared among the threads.
void FillNodes(const CamModel& m, DesignMap& map, int threads) {
    const MotionPoints p = MotionPointsOf(m);
    const Follower f = FollowerOf(m);
    const int n = map.size;
    map.nodes.assign(static_cast<std::size_t>(n) * static_cast<std::size_t>(n), MapNode{});
    const auto column = [&](int i) {
        const double prime = map.primeAt(i);
        Pitch shared;
        bool sharedDone = false;
        for (int j = 0; j < n; ++j) {
            Design d;
            std::string why;
            const double second = map.secondAt(j);
            if (!DesignAt(m, f, map.second, prime, second, d, why))
                continue;
            MapNode& node = map.nodes[static_cast<std::size_t>(j) * static_cast<std::size_t>(n) +
                                      static_cast<std::size_t>(i)];
            if (map.second == MapAxis::Roller) {
                if (!sharedDone) {
                    shared = PitchOf(p, d.c);
                    sharedDone = true;
                }
                node = NodeOf(shared, f, d.Rr);
            } else {
                node = NodeOf(PitchOf(p, d.c), f, d.Rr);
            }
        }
    };
    const bool heavy = map.second != MapAxis::Roller && p.size() * n * n > 200000;
    const int count = heavy ? std::clamp(threads, 1, 16) : 1;
    if (count == 1) {
        for (int i = 0; i < n; ++i)
            column(i);
        return;
    }
    std::vector<std::thread> workers;
    for (int t = 1; t < count; ++t)
        workers.emplace_back([&, t] {
            for (int i = t; i < n; i += count)
                column(i);
        });
    for (int i = 0; i < n; i += count)
        column(i);
    for (std::thread& w : workers)
        w.join();
}

} // namespace

const char* MapAxisName(MapAxis axis) {
    switch (axis) {
    case MapAxis::Roller: return "roller radius";
    case MapAxis::Offset: return "offset";
    case MapAxis::Pivot: return "pivot distance";
    }
    return "";
}

double DesignMap::primeAt(int i) const {
    return size < 2 ? primeFrom : primeFrom + (primeTo - primeFrom) * i / (size - 1);
}

double DesignMap::secondAt(int j) const {
    return size < 2 ? secondFrom : secondFrom + (secondTo - secondFrom) * j / (size - 1);
}

double DesignMap::minSurfaceAt(int j) const {
    if (limits.minSurface >= 0.0)
        return limits.minSurface;
    return second == MapAxis::Roller ? 0.1 * secondAt(j) : defaultMinSurface;
}

std::vector<MapAxis> MapAxesOf(const CamModel& m) {
    const Follower f = FollowerOf(m);
    switch (f.kind) {
    case FollowerKind::TranslatingRoller: return {MapAxis::Roller, MapAxis::Offset};
    case FollowerKind::TranslatingFlat: return {};
    case FollowerKind::Barrel: return {MapAxis::Roller};
    case FollowerKind::Oscillating:
        if (f.flat)
            return {MapAxis::Pivot};
        return {MapAxis::Roller, MapAxis::Pivot};
    }
    return {};
}

double SecondValueOf(const CamModel& m, MapAxis axis) {
    switch (axis) {
    case MapAxis::Roller: return m.RollerRadius;
    case MapAxis::Offset: return m.Offset;
    case MapAxis::Pivot: return std::hypot(double{m.ArmPivotX}, double{m.ArmPivotY});
    }
    return 0.0;
}

DesignMap MakeDesignMap(const CamModel& m, const DesignMapRequest& r) {
    DesignMap map;
    map.refusal = CheckRequest(m, r);
    if (!map.refusal.empty())
        return map;
    map.second = r.second;
    map.size = r.size;
    map.limits = r.limits;
    map.limits.bestOffset = false;
    const Follower f = FollowerOf(m);
    map.defaultMinSurface = f.flat ? 0.0 : 0.1 * m.RollerRadius;
    map.primeFrom = r.primeFrom;
    map.primeTo = r.primeTo;
    map.secondFrom = r.secondFrom;
    map.secondTo = r.secondTo;

    // The smallest design: at the given second value, or over the offsets on the offset axis.
    SuggestLimits limits = map.limits;
    limits.bestOffset = r.second == MapAxis::Offset;
    map.suggestion = Suggest(m, limits);
    const Suggestion& s = map.suggestion;
    ChooseRanges(m, map, s);
    if (map.primeFrom <= 0.0 && map.primeTo <= 0.0) {
        map.refusal = "The prime radius range holds no positive radius.";
        return map;
    }
    map.current = {m.PrimeRadius, SecondValueOf(m, r.second)};
    // On the roller axis an arm's suggestion moves its pivot, off this plane.
    map.cornerShown = s.ok && !(s.oscillating && r.second == MapAxis::Roller);
    if (map.cornerShown) {
        switch (r.second) {
        case MapAxis::Roller: map.corner = {s.prime, m.RollerRadius}; break;
        case MapAxis::Offset: map.corner = {s.prime, s.offset}; break;
        case MapAxis::Pivot: map.corner = {s.prime, s.pivotDistance}; break;
        }
    }
    FillNodes(m, map, r.threads);
    map.ok = true;
    return map;
}

double FieldAt(const DesignMap& map, MapField field, int i, int j) {
    const MapNode& n = map.at(i, j);
    if (!n.valid)
        return NAN;
    switch (field) {
    case MapField::Rise: return n.rise - map.limits.riseAngle;
    case MapField::Fall: return n.fall - map.limits.fallAngle;
    case MapField::Surface: return map.minSurfaceAt(j) - n.surface;
    }
    return NAN;
}

std::vector<ContourSegment> LimitContour(const DesignMap& map, MapField field) {
    if (!map.ok)
        return {};
    std::vector<double> values(map.nodes.size());
    for (int j = 0; j < map.size; ++j)
        for (int i = 0; i < map.size; ++i)
            values[static_cast<std::size_t>(j * map.size + i)] = FieldAt(map, field, i, j);
    return MarchingSquares(values, map.size, map.size, map.primeFrom, map.primeTo, map.secondFrom,
                           map.secondTo, 0.0);
}

std::vector<ContourSegment> MarchingSquares(const std::vector<double>& v, int nx, int ny, double x0,
                                            double x1, double y0, double y1, double level) {
    std::vector<ContourSegment> out;
    if (nx < 2 || ny < 2 || v.size() < static_cast<std::size_t>(nx) * static_cast<std::size_t>(ny))
        return out;
    const double dx = (x1 - x0) / (nx - 1), dy = (y1 - y0) / (ny - 1);
    const auto value = [&](int i, int j) { return v[static_cast<std::size_t>(j * nx + i)]; };
    for (int j = 0; j + 1 < ny; ++j) {
        for (int i = 0; i + 1 < nx; ++i) {
            // Corners counter-clockwise from (i, j); edge k runs from corner k to corner k+1.
            const double c[4] = {value(i, j), value(i + 1, j), value(i + 1, j + 1),
                                 value(i, j + 1)};
            if (std::any_of(std::begin(c), std::end(c), [](double x) { return std::isnan(x); }))
                continue;
            const Point corner[4] = {{x0 + i * dx, y0 + j * dy},
                                     {x0 + (i + 1) * dx, y0 + j * dy},
                                     {x0 + (i + 1) * dx, y0 + (j + 1) * dy},
                                     {x0 + i * dx, y0 + (j + 1) * dy}};
            Point cut[4];
            bool crossed[4] = {};
            int count = 0;
            for (int k = 0; k < 4; ++k) {
                const double a = c[k], b = c[(k + 1) % 4];
                if ((a > level) == (b > level))
                    continue;
                const double t = (level - a) / (b - a);
                const Point& p = corner[k];
                const Point& q = corner[(k + 1) % 4];
                cut[k] = {p.x + t * (q.x - p.x), p.y + t * (q.y - p.y)};
                crossed[k] = true;
                ++count;
            }
            if (count == 2) {
                int first = -1, second = -1;
                for (int k = 0; k < 4; ++k)
                    if (crossed[k])
                        (first < 0 ? first : second) = k;
                out.push_back({cut[first], cut[second]});
            } else if (count == 4) {
                // A saddle: the mean decides which pair of opposite corners is joined.
                const double mean = 0.25 * (c[0] + c[1] + c[2] + c[3]);
                if ((mean > level) == (c[0] > level)) {
                    out.push_back({cut[0], cut[1]}); // corner 1 cut off
                    out.push_back({cut[2], cut[3]}); // corner 3 cut off
                } else {
                    out.push_back({cut[3], cut[0]}); // corner 0 cut off
                    out.push_back({cut[1], cut[2]}); // corner 2 cut off
                }
            }
        }
    }
    return out;
}

MapPoint EvaluateDesign(const CamModel& m, MapAxis axis, double prime, double second) {
    MapPoint r;
    const std::vector<MapAxis> axes = MapAxesOf(m);
    if (std::find(axes.begin(), axes.end(), axis) == axes.end()) {
        r.why = std::string("This follower has no ") + MapAxisName(axis) + " to map.";
        return r;
    }
    const Follower f = FollowerOf(m);
    Design d;
    if (!DesignAt(m, f, axis, prime, second, d, r.why))
        return r;
    r.node = NodeOf(PitchOf(MotionPointsOf(m), d.c), f, d.Rr);
    r.valid = r.node.valid;
    if (!r.valid)
        r.why = "The sizing stops at this design (a zero divisor or an overflow).";
    return r;
}

} // namespace trochix::geometry
