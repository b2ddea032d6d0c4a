#include "motion/MathHelpers.h"

#include "model/Fault.h"
#include "model/Host.h"
#include "model/ReportError.h"
#include "text/NumberText.h"

#include <cmath>

namespace trochix::motion {
using text::StrD;

using model::Fault;
using model::Icon;

DegRad Deg2Rad(double deg) { return {deg * kDegToRad, StrD(deg)}; }

double SinD(double deg) { return std::sin(deg * kDegToRad); }
double CosD(double deg) { return std::cos(deg * kDegToRad); }

double Atan2(double x, double y) {
    if (x == 0.0) {
        if (y > 0.0)
            return kPi * 0.5;
        if (y < 0.0)
            return -kPi * 0.5;
        return 0.0;
    }
    double r = std::atan(y / x);
    if (x < 0.0)
        r += kPi;
    return r;
}

double Atan2D(double x, double y) { return Atan2(x, y) * kRadToDeg; }

namespace {

Arc ArcValue(double x, bool sine) noexcept {
    const double q = 1.0 - x * x;
    if (std::isnan(q) || q < 0.0)
        return {0.0, false};
    if (q == 0.0) {
        // The true angles at the ends of the range: a flat triangle must give 0 or 180 degrees.
        if (sine)
            return {x > 0 ? kPi / 2 : -kPi / 2, true};
        return {x > 0 ? 0.0 : kPi, true};
    }
    const double t = std::atan(x / std::sqrt(q));
    return {sine ? t : -t + kPi / 2, true};
}

double GuardedArc(Host& host, double x, bool sine) {
    const Arc a = ArcValue(x, sine);
    if (!a.inDomain)
        ReportArcDomain(host, x, sine);
    return a.rad;
}

} // namespace

Arc ArcSinValue(double x) noexcept {
    return ArcValue(x, true);
}
Arc ArcCosValue(double x) noexcept {
    return ArcValue(x, false);
}

void ReportArcDomain(Host& host, double x, bool sine) {
    const double q = 1.0 - x * x;
    const char* name = sine ? "FNArcSin" : "FNArcCos";
    if (std::isnan(q)) {
        host.message(std::string("Something wrong - cannot take ") + (sine ? "ArcSin" : "ArcCos") +
                         " of " + StrD(x),
                     Icon::Exclamation, model::DefaultTitle());
    } else if (q < 0.0) {
        host.message("Attempting to take square root of negative number (" + StrD(q) + ") in " +
                         name + "(" + StrD(x) + " ) - check your data",
                     Icon::Exclamation, model::DefaultTitle());
    }
}

double FNArcSin(Host& host, double x) { return GuardedArc(host, x, true); }
double FNArcCos(Host& host, double x) { return GuardedArc(host, x, false); }

std::optional<double> LawofSines(Host& host, double a, double b, double A) {
    if (a == 0.0 || std::sin(A) == 0.0) {
        host.message("Cannot do Law of sines - bad data - zero divisor", Icon::Exclamation,
                     model::DefaultTitle());
        return std::nullopt;
    }
    return FNArcSin(host, b / a * std::sin(A));
}

std::optional<double> CosineLaw_Side(Host& host, double a, double b, double C) {
    const double q = a * a + b * b - 2.0 * a * b * std::cos(C);
    if (q < 0.0) {
        host.message("Cannot do law of cosines - negative Sqrt argument in Sub CosineLaw_Side; "
                     "check your data",
                     Icon::Exclamation, model::DefaultTitle());
        return std::nullopt;
    }
    return std::sqrt(q);
}

std::optional<Angle> CosineLaw_Angle(Host& host, double a, double b, double c) {
    const double q1 = b * b + c * c - a * a;
    const double q2 = 2.0 * b * c;
    if (q2 == 0.0) {
        host.message("Are trying to divide by negative number in Sub CosineLaw_Angle; check your "
                     "data",
                     Icon::Exclamation, model::DefaultTitle());
        return std::nullopt;
    }
    const double rad = FNArcCos(host, q1 / q2);
    return Angle{rad, rad * kRadToDeg};
}

double Modulo(double a, double b) {
    const double t = a / model::CheckDivisor(b);
    return (t - std::floor(t)) * b;
}

double Modulo(Host& host, double a, double b) {
    double r = 0.0;
    model::RunGuarded(host, "Modulo", [&] { r = Modulo(a, b); });
    return r;
}

double Average(int first, int last, const float* v) {
    double sum = 0.0;
    for (int i = first; i <= last; ++i)
        sum += v[i];
    const int count = last - first + 1;
    return count == 0 ? sum : sum / count;
}

MaxMin MaxMin1(const float* v, int first, int last) {
    MaxMin r{v[first], v[first]};
    for (int i = first; i <= last; ++i) {
        if (v[i] > r.max)
            r.max = v[i];
        if (v[i] < r.min)
            r.min = v[i];
    }
    return r;
}

MaxMinMean MaxMinAvg(const float* v, int n) {
    MaxMinMean r{v[0], v[0], 0.0};
    double sum = 0.0;
    for (int i = 1; i <= n; ++i) {
        if (v[i] > r.max)
            r.max = v[i];
        if (v[i] < r.min)
            r.min = v[i];
        sum += v[i];
    }
    r.mean = sum / model::CheckDivisor(n);
    return r;
}

MaxMinMean MaxMinAvg(Host& host, const float* v, int n) {
    // Element 0 sets the extremes before the division can fail, so they survive a fault.
    MaxMinMean r{v[0], v[0], 0.0};
    model::RunGuarded(host, "MaxMinAvg", [&] { r = MaxMinAvg(v, n); });
    return r;
}

double GlobalMax(const float* u, const float* w, int first, int last) {
    const MaxMin a = MaxMin1(u, first, last);
    const MaxMin b = MaxMin1(w, first, last);
    double best = std::fabs(a.max);
    for (double v : {a.min, b.max, b.min})
        if (std::fabs(v) > best)
            best = std::fabs(v);
    return best;
}

double CartesianMax(const float* v, int first, int last) {
    const MaxMin m = MaxMin1(v, first, last);
    double r = std::fabs(m.max);
    if (std::fabs(m.min) > r)
        r = std::fabs(m.min);
    return r;
}

PolarMax PolarmaXAv(const float* a, const float* b, int n) {
    PolarMax r{0.0, 0.0, std::fabs(a[0]), std::fabs(b[0]), 0.0};
    double sumA = 0.0, sumB = 0.0;
    for (int i = 1; i <= n; ++i) {
        if (std::fabs(a[i]) > r.maxA)
            r.maxA = std::fabs(a[i]);
        if (std::fabs(b[i]) > r.maxB)
            r.maxB = std::fabs(b[i]);
        sumA += a[i];
        sumB += b[i];
    }
    r.overall = r.maxB > r.maxA ? r.maxB : r.maxA;
    r.meanA = sumA / model::CheckDivisor(n);
    r.meanB = sumB / n;
    return r;
}

PolarMax PolarmaXAv(Host& host, const float* a, const float* b, int n) {
    const double maxA = std::fabs(a[0]), maxB = std::fabs(b[0]);
    PolarMax r{0.0, 0.0, maxA, maxB, maxB > maxA ? maxB : maxA};
    model::RunGuarded(host, "PolarmaXAv", [&] { r = PolarmaXAv(a, b, n); });
    return r;
}

std::string Short(const std::string& s, int n) {
    const int L = static_cast<int>(s.size());
    if (L > 3)
        return n >= L ? std::string() : s.substr(static_cast<std::size_t>(n < 0 ? 0 : n));
    return L == 0 ? std::string() : s.substr(s.size() - 1);
}

std::string StripFilename(const std::string& path) {
    const int L = static_cast<int>(path.size());
    if (L < 4)
        throw Fault(5);
    std::string base;
    int n = 0;
    if (path[static_cast<std::size_t>(L - 4)] == '.') {
        base = path.substr(0, static_cast<std::size_t>(L - 4));
        n = L - 4;
    }
    for (int i = n; i >= 1; --i) {
        const char c = base[static_cast<std::size_t>(i - 1)];
        if (c == '\\' || c == '/')
            return base.substr(static_cast<std::size_t>(i));
    }
    return base;
}

std::string StripFilename(Host& host, const std::string& path) {
    std::string r;
    model::RunGuarded(host, "StripFilename", [&] { r = StripFilename(path); });
    return r;
}

} // namespace trochix::motion
