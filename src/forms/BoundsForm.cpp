#include "forms/BoundsForm.h"

#include "model/CamModel.h"
#include "model/Fault.h"
#include "model/Host.h"
#include "model/ReportError.h"
#include "motion/Polynomial.h"
#include "motion/SegmentDriver.h"
#include "text/NumberText.h"

#include <cmath>
#include <vector>

namespace trochix::motion {
using text::Str;
using text::StrD;
using text::Val;

namespace {

void Warn(Host& host, const std::string& text, const std::string& title) {
    host.message(text, model::Icon::Exclamation, title);
}

const char* const kDifferentNumber =
    "Something wrong - Have input different number of boundary conditions than specified";
const char* const kTooMany = "You have input more boundary conditions than specified";
const char* const kNotANumber =
    "Each boundary condition and each angle must be a number - please re-enter";

std::string CountRangeText(const CamModel& m) {
    return "Number of boundary conditions must be between 2 and " +
           Str(static_cast<float>(m.MaxBCs)) + " - please re-enter";
}

struct Condition {
    float pos;
    int order;
    float value;
    float entered;
};

// Everything ReadBounds may change for one segment, so that a failed solve can be undone.
struct SegmentConditions {
    std::array<float, model::kMaxBCs + 1> pos, order, value, entered, exponent, shown, coef,
        polyPos, polyOrder;
    int numBC;
    std::string desc;
    float low;
    float lift;
};

SegmentConditions Snapshot(const CamModel& m, int seg) {
    SegmentConditions c{};
    for (int i = 0; i <= model::kMaxBCs; ++i) {
        c.pos[i] = m.BcPos[i][seg];
        c.order[i] = m.BcOrder[i][seg];
        c.value[i] = m.BcValue[i][seg];
        c.entered[i] = m.BcEntered[i][seg];
        c.exponent[i] = m.PolyExponent[i][seg];
        c.shown[i] = m.PolyExponentShown[i][seg];
        c.coef[i] = m.PolyCoef[i][seg];
        c.polyPos[i] = m.PolyBcPos[i][seg];
        c.polyOrder[i] = m.PolyBcOrder[i][seg];
    }
    c.numBC = m.SegNumBC[seg];
    c.desc = m.SegDesc[seg];
    c.low = m.SegLow[seg];
    c.lift = m.Lift;
    return c;
}

void Restore(CamModel& m, int seg, const SegmentConditions& c) {
    for (int i = 0; i <= model::kMaxBCs; ++i) {
        m.BcPos[i][seg] = c.pos[i];
        m.BcOrder[i][seg] = c.order[i];
        m.BcValue[i][seg] = c.value[i];
        m.BcEntered[i][seg] = c.entered[i];
        m.PolyExponent[i][seg] = c.exponent[i];
        m.PolyExponentShown[i][seg] = c.shown[i];
        m.PolyCoef[i][seg] = c.coef[i];
        m.PolyBcPos[i][seg] = c.polyPos[i];
        m.PolyBcOrder[i][seg] = c.polyOrder[i];
    }
    m.SegNumBC[seg] = c.numBC;
    m.SegDesc[seg] = c.desc;
    m.SegLow[seg] = c.low;
    m.Lift = c.lift;
}

// The description with the degree of this solve; a degree left by an earlier solve of the same
// segment is replaced, not appended to again.
std::string WithDegree(std::string desc, int degree) {
    const auto blank = desc.find_last_of(' ');
    if (blank != std::string::npos && blank + 1 < desc.size() &&
        desc.find_first_not_of("0123456789", blank + 1) == std::string::npos)
        desc.erase(blank);
    return desc + Str(static_cast<float>(degree));
}

// x-domain value of a condition of the given derivative order.
float ToXDomain(const CamModel& m, int order, float v) {
    switch (order) {
    case 1: return v * m.SegBetaRad / static_cast<float>(model::CheckDivisor(m.CamOmega));
    case 2: return v * m.SegBetaRad2 / static_cast<float>(model::CheckDivisor(m.CamOmega2));
    case 3: return v * m.SegBetaRad3 / static_cast<float>(model::CheckDivisor(m.CamOmega3));
    default: return v;
    }
}

// Refuses what cannot be read at all: a segment outside the table, a count outside 2..MaxBCs
// (else it becomes BcRequested), a segment of zero Beta - every conversion and the evaluation
// divide by Beta, so nothing is read then.
bool CanReadBounds(CamModel& m, Host& host, const BoundsInput& in) {
    if (m.CurSeg < 1 || m.CurSeg > m.MaxSegments) {
        model::ReportError(host, model::kSubscriptOutOfRange, "ReadBounds");
        return false;
    }
    if (in.requested < 2 || in.requested > m.MaxBCs) {
        Warn(host, CountRangeText(m), "TROCHIX");
        return false;
    }
    m.BcRequested = in.requested;
    if (m.SegBeta[m.CurSeg] == 0.0f) {
        Warn(host, kZeroBetaText, model::DefaultTitle());
        return false;
    }
    // A condition of letters is no condition of 0.
    bool numbers = true;
    for (const auto& column : in.box)
        for (const std::string& text : column)
            numbers = numbers && (text.empty() || text::HoldsNumber(text));
    for (int k = 1; k <= 3; ++k)
        numbers = numbers && (in.theta[k].empty() || text::HoldsNumber(in.theta[k]));
    if (!numbers) {
        Warn(host, kNotANumber, "TROCHIX");
        return false;
    }
    return true;
}

// The filled boxes in reading order (which numbers the conditions): column 0, column 4, then
// the inner columns whose angle is given. `lift` is raised to the largest S stated.
std::vector<Condition> ReadConditions(const CamModel& m, const BoundsInput& in, float& lift) {
    std::vector<Condition> read;
    auto column = [&](int c, float pos) {
        for (int order = 0; order <= 3; ++order) {
            const std::string& text = in.box[c][order];
            if (text.empty())
                continue;
            const float v = static_cast<float>(Val(text));
            read.push_back({pos, order, ToXDomain(m, order, v), v});
            if (order == 0 && v > lift)
                lift = v;
        }
    };
    column(0, 0.0f);
    column(4, 1.0f);
    for (int k = 1; k <= 3; ++k) {
        if (in.theta[k].empty())
            continue;
        const float thetaK = static_cast<float>(Val(in.theta[k]));
        column(k, thetaK / m.SegBeta[m.CurSeg]);
    }
    return read;
}

// The conditions become CurSeg's: terms with exponents 0..n-1, the degree in its description.
void StoreConditions(CamModel& m, const std::vector<Condition>& read, float lift) {
    const int seg = m.CurSeg;
    const int n = static_cast<int>(read.size());
    m.SegLow[seg] = 0.0f;
    for (int i = 1; i <= n; ++i) {
        m.PolyExponent[i][seg] = static_cast<float>(i - 1);
        m.PolyExponentShown[i][seg] = static_cast<float>(i - 1);
        const Condition& c = read[static_cast<size_t>(i - 1)];
        m.BcPos[i][seg] = c.pos;
        m.BcOrder[i][seg] = static_cast<float>(c.order);
        m.BcValue[i][seg] = c.value;
        m.BcEntered[i][seg] = c.entered;
    }
    m.PolyCoef[0][seg] = static_cast<float>(n);
    m.SegDesc[seg] = WithDegree(m.SegDesc[seg], n - 1);
    m.Lift = lift;
    m.SegNumBC[seg] = n;
}

} // namespace

bool ReadBounds(CamModel& m, Host& host, const BoundsInput& in) {
    m.BcValid = false;
    if (!CanReadBounds(m, host, in))
        return false;
    SegSetup(m);
    std::vector<Condition> read;
    float lift = m.Lift;
    if (!model::RunGuarded(host, "ReadBounds", [&] { read = ReadConditions(m, in, lift); }))
        return false;
    if (static_cast<int>(read.size()) != m.BcRequested) {
        Warn(host, kDifferentNumber, "TROCHIX");
        return false;
    }
    const SegmentConditions before = Snapshot(m, m.CurSeg);
    StoreConditions(m, read, lift);
    m.BcValid = true;
    if (!SolvePoly(m, host)) {
        Restore(m, m.CurSeg, before);
        m.BcValid = false;
    }
    return m.BcValid;
}

CountEntry CheckConditionCount(CamModel& m, Host& host, const std::string& text) {
    if (text.empty())
        return CountEntry::Empty;
    const double n = std::nearbyint(Val(text));
    if (!text::HoldsNumber(text) || n < 2 || n > m.MaxBCs) {
        Warn(host, CountRangeText(m), "TROCHIX");
        return CountEntry::OutOfRange;
    }
    m.BcRequested = static_cast<int>(n);
    return CountEntry::Accepted;
}

InnerAngle TypedInnerAngle(const std::string& thetaText, const std::string& betaText,
                           const std::string& startText) {
    if (thetaText.empty())
        return {InnerAngle::Empty, {}};
    const double v = Val(thetaText);
    if (text::HoldsNumber(thetaText) && v > 0.0 && v < Val(betaText))
        return {InnerAngle::Accepted, StrD(v + Val(startText))};
    return {InnerAngle::Refused, {}};
}

InnerAngle CheckInnerAngle(Host& host, const std::string& thetaText, const std::string& betaText,
                           const std::string& startText) {
    const InnerAngle angle = TypedInnerAngle(thetaText, betaText, startText);
    if (angle.state == InnerAngle::Refused)
        Warn(host, " Value must be between zero and " + betaText, "TROCHIX");
    return angle;
}

int CountFilledBoxes(const BoundsInput& in) {
    int filled = 0;
    for (const auto& column : in.box)
        for (const auto& text : column)
            filled += text.empty() ? 0 : 1;
    return filled;
}

FilledCount CheckFilledCount(Host& host, int filled, int requested) {
    if (filled < requested)
        return FilledCount::TooFew;
    if (filled == requested)
        return FilledCount::Exact;
    Warn(host, kTooMany, "TROCHIX");
    return FilledCount::TooMany;
}

} // namespace trochix::motion
