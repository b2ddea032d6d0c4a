#include "files/NcProgram.h"

#include "files/SafeFile.h"
#include "model/Fault.h"
#include "model/ReportError.h"
#include "model/Units.h"

#include <charconv>
#include <cmath>
#include <utility>

namespace trochix::files {

using geometry::FitElement;
using geometry::FitKind;
using geometry::Point2;
using model::Fault;

namespace {

constexpr const char* kEnd = "\r\n";

// Fixed decimals; a value that rounds to zero is written without its sign.
std::string Fixed(double v, int decimals) {
    if (!std::isfinite(v))
        throw Fault(model::kOverflow, "NC coordinate");
    char buf[400]; // room for the largest double in fixed notation
    const auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, decimals);
    std::string t(buf, r.ptr);
    if (t.front() == '-' && t.find_first_not_of("-0.") == std::string::npos)
        t.erase(0, 1);
    return t;
}

// The shortest fixed text that reads back as v.
std::string Shortest(double v) {
    if (!std::isfinite(v))
        throw Fault(model::kOverflow, "NC value");
    char buf[400]; // as above
    const auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed);
    return std::string(buf, r.ptr);
}

double Read(const std::string& t) {
    double v = 0.0;
    std::from_chars(t.data(), t.data() + t.size(), v);
    return v;
}

// Controls end a comment at the first ')', and some nest '(' : neither may appear inside.
std::string CommentText(const std::string& s) {
    std::string out;
    for (char c : s) {
        if (c == '(')
            c = '[';
        else if (c == ')')
            c = ']';
        else if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f)
            c = ' ';
        out += c;
    }
    return out;
}

// Twice the signed area: positive when the contour runs anticlockwise.
double SignedArea2(const std::vector<FitElement>& path) {
    double a = 0.0;
    for (const FitElement& e : path) {
        a += e.start.x * e.end.y - e.end.x * e.start.y;
        if (e.kind == FitKind::Arc) {
            const double segment = e.radius * e.radius * (e.sweep - std::sin(e.sweep));
            a += e.ccw ? segment : -segment;
        }
    }
    return a;
}

class Blocks {
public:
    Blocks(bool numbered, int decimals, double scale)
        : numbered_(numbered), decimals_(decimals), scale_(scale) {}

    void comment(const std::string& text) { out_ += "(" + CommentText(text) + ")" + kEnd; }
    void block(const std::string& words) {
        if (numbered_) {
            number_ += 10;
            out_ += "N" + std::to_string(number_) + " ";
        }
        out_ += words + kEnd;
    }
    // "X.. Y.." of a point in model units; remembers the written position.
    std::string xy(Point2 p) {
        const std::string x = Fixed(p.x * scale_, decimals_), y = Fixed(p.y * scale_, decimals_);
        at_ = {Read(x), Read(y)};
        return "X" + x + " Y" + y;
    }
    // The centre relative to the written position, as a control reads I and J.
    std::string ij(Point2 centre, Point2 from) const {
        return "I" + Fixed(centre.x * scale_ - from.x, decimals_) + " J" +
               Fixed(centre.y * scale_ - from.y, decimals_);
    }
    Point2 at() const { return at_; }
    std::string length(double v) const { return Fixed(v * scale_, decimals_ + 1); }
    std::string text() && { return std::move(out_); }

private:
    bool numbered_;
    int decimals_;
    double scale_;
    int number_ = 0;
    Point2 at_;
    std::string out_;
};

} // namespace

NcSettings NcSettingsFor(const CamModel& m, double cutterRadius, double tolerance) {
    NcSettings s;
    s.modelName = m.ModelName;
    s.unitSystem = m.UnitSystem;
    s.cutterRadius = cutterRadius;
    s.tolerance = tolerance;
    return s;
}

bool NcInInch(int unitSystem) {
    // Outside 1..5 the first system stands, as for MillimetresPerLength.
    return unitSystem < 3 || unitSystem > model::kUnitSystems;
}

double NcScale(int unitSystem) {
    const double mm = model::MillimetresPerLength(unitSystem);
    return NcInInch(unitSystem) ? mm / 25.4 : mm;
}

std::string NcProgramText(const std::vector<FitElement>& path, const NcSettings& s) {
    if (path.empty())
        throw Fault(model::kSubscriptOutOfRange, "no cutter path");
    const bool inch = NcInInch(s.unitSystem);
    const int decimals = inch ? 4 : 3;
    const char* unit = inch ? "IN" : "MM";
    Blocks b(s.lineNumbers, decimals, NcScale(s.unitSystem));

    b.comment("MODEL " + s.modelName);
    b.comment("CUTTER PATH, UNITS " + std::string(inch ? "INCH" : "MM"));
    b.comment("CUTTER RADIUS " + b.length(s.cutterRadius) + " " + unit);
    b.comment("TOLERANCE " + b.length(s.tolerance) + " " + unit);
    b.comment("ELEMENTS " + std::to_string(path.size()));
    b.block(std::string("G90 G17 ") + (inch ? "G20" : "G21"));

    // Outward is to the right of an anticlockwise contour, to the left of a clockwise one.
    const FitElement& first = path.front();
    const Point2 t = geometry::StartTangent(first);
    const double side = SignedArea2(path) >= 0.0 ? 1.0 : -1.0;
    const double lead = s.leadIn > 0.0 ? s.leadIn : 2.0 * s.cutterRadius;
    const Point2 leadPoint{first.start.x + side * t.y * lead, first.start.y - side * t.x * lead};
    const std::string leadWords = b.xy(leadPoint);
    b.block("G0 " + leadWords);
    b.block("G1 " + b.xy(first.start) + " F" + Shortest(s.feed));

    for (const FitElement& e : path) {
        if (e.kind == FitKind::Line) {
            b.block("G1 " + b.xy(e.end));
            continue;
        }
        const Point2 from = b.at();
        const std::string end = b.xy(e.end);
        b.block(std::string(e.ccw ? "G3 " : "G2 ") + end + " " + b.ij(e.centre, from));
    }
    b.block("G1 " + leadWords);
    b.block("M30");
    return std::move(b).text();
}

bool WriteNcProgram(const std::vector<FitElement>& path, const NcSettings& s,
                    const std::string& filePath, Host& host) {
    const model::BusyPointer busy(host);
    return model::RunGuarded(host, "Export_NC_Program",
                             [&] { WriteWholeFile(filePath, NcProgramText(path, s)); });
}

} // namespace trochix::files
