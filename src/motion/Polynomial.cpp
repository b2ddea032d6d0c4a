#include "motion/Polynomial.h"

#include "model/Constants.h"
#include "model/Fault.h"
#include "model/FunctionNames.h"
#include "model/Host.h"
#include "model/ReportError.h"
#include "motion/SegmentDriver.h"
#include "text/NumberText.h"
#include "text/TextColumns.h"

#include <cmath>
#include <limits>
#include <utility>

namespace trochix::motion {
using text::FNRound;
using text::FormatDecimals;
using text::Str;
using text::StrD;
using text::TextLine;
using text::Val;

using model::Fault;
using model::Icon;

namespace {

const char* const kZeroBeta = "Something wrong - Beta is zero for this segment";
const char* const kCountMismatch =
    "Something is wrong - no. of boundary conditions doesn't match no. of equations ";
const char* const kCoefficientError =
    " There has been an error in the calculation of your polynomial coefficients - Check your "
    "boundary condition data";
const char* const kNothingStored =
    "Something wrong - No boundary conditions are stored for this segment";
const char* const kZeroDiagonal = "There is a zero value on diagonal in column ";

void Warn(Host& host, const std::string& text, const std::string& title) {
    host.message(text, Icon::Exclamation, title);
}

// A double result that no longer fits is an overflow, as the arithmetic of the program traps it.
double Finite(double v) {
    if (!std::isfinite(v))
        throw Fault(model::kOverflow);
    return v;
}

int CheckedSegment(int seg) {
    if (seg < 1 || seg > model::kMaxSegments)
        throw Fault(model::kSubscriptOutOfRange);
    return seg;
}

int CheckedTerms(int n) {
    if (n < 1 || n > model::kMaxBCs)
        throw Fault(model::kSubscriptOutOfRange);
    return n;
}

// One equation per condition: row i states derivative d of the polynomial at x, so the entry
// of term j (exponent p) is p(p-1)..(p-d+1) x^(p-d), or 0 when the derivative removes the term.
void BuildSystem(CamModel& m, int seg, int n) {
    for (int i = 1; i <= n; ++i) {
        m.BcRhs[i] = m.BcValue[i][seg];
        const int d = RoundIndex(m.BcOrder[i][seg]);
        const double x = m.BcPos[i][seg];
        for (int j = 1; j <= n; ++j) {
            const int p = RoundIndex(m.PolyExponent[j][seg]);
            double entry;
            if (d > p) {
                entry = 0.0;
            } else if (d == 0 && p == 0) {
                entry = 1.0;
            } else if (d == 0) {
                entry = std::pow(x, p);
            } else {
                double factor = 1.0;
                for (int f = 0; f < d; ++f)
                    factor *= p - f;
                entry = factor * std::pow(x, p - d); // pow(0, 0) is 1
            }
            m.BcMatrix[i][j] = entry;
        }
    }
}

// Builds, solves and evaluates CurSeg's polynomial of n terms.
bool SolveSegment(CamModel& m, Host& host, int n) {
    const int seg = m.CurSeg;
    if (m.SegBeta[seg] == 0.0f) {
        Warn(host, kZeroBeta, model::DefaultTitle());
        m.BcValid = false;
        return false;
    }
    BuildSystem(m, seg, n);
    int ierr = 1;
    SimQ(host, n, m.BcMatrix, m.BcRhs, ierr);
    if (ierr == 0 && m.BcMatrix[n][n] == 0.0) {
        // The elimination leaves a zero last pivot unreported; the "solution" would then ignore
        // the last equation, so it is refused like any other zero pivot.
        Warn(host, kZeroDiagonal + Str(static_cast<float>(n)), model::DefaultTitle());
        ierr = n;
    }
    if (ierr != 0) {
        Warn(host, kCoefficientError, "TROCHIX");
        m.BcValid = false;
        return false;
    }
    if (!CalPoly(m, host)) {
        m.BcValid = false;
        return false;
    }
    m.BcUnchanged = true;
    return true;
}

} // namespace

void SimQ(Host& host, int n, BcSystemMatrix& a, BcSystemVector& b, int& ierr) {
    ierr = 1;
    model::RunGuarded(host, "SimQ", [&] {
        CheckedTerms(n);
        for (int i = 1; i <= n - 1; ++i) {
            // Largest magnitude in the column wins; strict > keeps the first of equal maxima.
            double big = 0.0;
            int pivot = i;
            for (int k = i; k <= n; ++k) {
                if (std::fabs(a[k][i]) > big) {
                    big = std::fabs(a[k][i]);
                    pivot = k;
                }
            }
            if (big == 0.0) {
                Warn(host, kZeroDiagonal + Str(static_cast<float>(i)), model::DefaultTitle());
                ierr = i;
                return;
            }
            if (pivot != i) {
                for (int j = i; j <= n; ++j)
                    std::swap(a[i][j], a[pivot][j]);
                std::swap(b[i], b[pivot]);
            }
            // Each eliminated row is also negated; the solution is the same.
            for (int k = i + 1; k <= n; ++k) {
                for (int j = i + 1; j <= n; ++j)
                    a[k][j] = Finite(a[i][j] * a[k][i] / a[i][i] - a[k][j]);
                b[k] = Finite(b[i] * a[k][i] / a[i][i] - b[k]);
            }
        }
        if (a[n][n] != 0.0)
            b[n] = Finite(b[n] / a[n][n]);
        for (int m = 2; m <= n; ++m) {
            const int k = n + 1 - m;
            double s = b[k];
            for (int j = k + 1; j <= n; ++j)
                s = Finite(s - a[k][j] * b[j]);
            b[k] = Finite(s / model::CheckDivisor(a[k][k]));
        }
        ierr = 0;
    });
}

bool SolvePoly(CamModel& m, Host& host) {
    const int n = m.SegNumBC[CheckedSegment(m.CurSeg)];
    if (n != m.BcRequested) {
        Warn(host, kCountMismatch, model::DefaultTitle());
        m.BcValid = false;
        return false;
    }
    if (n < 1 || n > m.MaxBCs) {
        model::ReportError(host, model::kSubscriptOutOfRange, "SolvePoly");
        m.BcValid = false;
        return false;
    }
    return SolveSegment(m, host, n);
}

bool CalPoly(CamModel& m, Host& host) {
    return model::RunGuarded(host, "CalPoly", [&] {
        const int seg = CheckedSegment(m.CurSeg);
        const int n = CheckedTerms(m.SegNumBC[seg]);
        for (int i = 1; i <= n; ++i) {
            m.PolyCoef[i][seg] = model::ToSingle(m.BcRhs[i]);
            m.PolyBcPos[i][seg] = m.BcPos[i][seg];
            m.PolyBcOrder[i][seg] = m.BcOrder[i][seg];
        }
        SegSetup(m);
        const double r1 = 1.0 / model::CheckDivisor(m.SegBetaRad);
        const double r2 = 1.0 / model::CheckDivisor(m.SegBetaRad2);
        const double r3 = 1.0 / model::CheckDivisor(m.SegBetaRad3);
        const double beta = model::CheckDivisor(m.SegBetaDeg);
        const int last = RoundIndex(m.SegBetaDeg / model::CheckDivisor(m.DeltaTheta));
        float theta = 0.0f;
        for (int k = 0; k <= last; ++k) {
            m.ThetaLocal = theta;
            const double x = m.ThetaLocal / beta;
            double s = 0.0, v = 0.0, a = 0.0, j = 0.0;
            for (int i = 1; i <= n; ++i) {
                const double p = m.PolyExponent[i][seg];
                const double c = m.BcRhs[i];
                s += c * std::pow(x, p);
                if (i >= 2)
                    v += p * c * std::pow(x, p - 1.0);
                if (i >= 3)
                    a += p * (p - 1.0) * c * std::pow(x, p - 2.0);
                if (i >= 4)
                    j += p * (p - 1.0) * (p - 2.0) * c * std::pow(x, p - 3.0);
            }
            m.Sval = model::ToSingle(s);
            m.Vval = model::ToSingle(r1 * v);
            m.Aval = model::ToSingle(r2 * a);
            m.Jval = model::ToSingle(r3 * j);
            StorePoint(m, k, m.ThetaLocal);
            theta += m.DeltaTheta;
        }
        SegBoundary(m);
    });
}

bool EvaluateStoredPolynomial(CamModel& m, Host& host) {
    if (m.CurSeg < 1 || m.CurSeg > m.MaxSegments) {
        model::ReportError(host, model::kSubscriptOutOfRange, "EvaluateStoredPolynomial");
        m.BcValid = false;
        return false;
    }
    const int seg = m.CurSeg;
    if (m.SegBeta[seg] == 0.0f) {
        Warn(host, kZeroBeta, model::DefaultTitle());
        m.BcValid = false;
        return false;
    }
    const int n = m.SegNumBC[seg];
    if (n < 2 || n > m.MaxBCs) {
        Warn(host, kNothingStored, model::DefaultTitle());
        m.BcValid = false;
        return false;
    }
    // As when the conditions were read: positions are absolute, and the excursion covers the
    // largest S stated.
    m.SegLow[seg] = 0.0f;
    for (int i = 1; i <= n; ++i)
        if (m.BcOrder[i][seg] == 0.0f && m.BcEntered[i][seg] > m.Lift)
            m.Lift = m.BcEntered[i][seg];
    m.BcValid = true;
    return SolveSegment(m, host, n);
}

// ---- the boundary-condition screen ------------------------------------------------------------

namespace {

const char* const kDifferentNumber =
    "Something wrong - Have input different number of boundary conditions than specified";
const char* const kTooMany = "You have input more boundary conditions than specified";

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

} // namespace

bool ReadBounds(CamModel& m, Host& host, const BoundsInput& in) {
    if (m.CurSeg < 1 || m.CurSeg > m.MaxSegments) {
        model::ReportError(host, model::kSubscriptOutOfRange, "ReadBounds");
        m.BcValid = false;
        return false;
    }
    const int seg = m.CurSeg;
    if (in.requested < 2 || in.requested > m.MaxBCs) {
        Warn(host, CountRangeText(m), "TROCHIX");
        m.BcValid = false;
        return false;
    }
    m.BcRequested = in.requested;
    // Every conversion and the evaluation divide by Beta: a zero-length segment is refused
    // before anything is read.
    if (m.SegBeta[seg] == 0.0f) {
        Warn(host, kZeroBeta, model::DefaultTitle());
        m.BcValid = false;
        return false;
    }
    SegSetup(m);

    std::vector<Condition> read;
    float lift = m.Lift;
    bool readAll = model::RunGuarded(host, "ReadBounds", [&] {
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
            column(k, thetaK / m.SegBeta[seg]);
        }
    });
    if (!readAll) {
        m.BcValid = false;
        return false;
    }
    const int n = static_cast<int>(read.size());
    if (n != m.BcRequested) {
        Warn(host, kDifferentNumber, "TROCHIX");
        m.BcValid = false;
        return false;
    }

    const SegmentConditions before = Snapshot(m, seg);
    m.SegLow[seg] = 0.0f;
    for (int i = 1; i <= m.BcRequested; ++i) {
        m.PolyExponent[i][seg] = static_cast<float>(i - 1);
        m.PolyExponentShown[i][seg] = static_cast<float>(i - 1);
    }
    m.PolyCoef[0][seg] = static_cast<float>(m.BcRequested);
    m.SegDesc[seg] = WithDegree(m.SegDesc[seg], m.BcRequested - 1);
    for (int i = 1; i <= n; ++i) {
        const Condition& c = read[static_cast<size_t>(i - 1)];
        m.BcPos[i][seg] = c.pos;
        m.BcOrder[i][seg] = static_cast<float>(c.order);
        m.BcValue[i][seg] = c.value;
        m.BcEntered[i][seg] = c.entered;
    }
    m.Lift = lift;
    m.SegNumBC[seg] = m.BcRequested;
    m.BcValid = true;
    if (!SolvePoly(m, host)) {
        Restore(m, seg, before);
        m.BcValid = false;
    }
    return m.BcValid;
}

CountEntry CheckConditionCount(CamModel& m, Host& host, const std::string& text) {
    if (text.empty())
        return CountEntry::Empty;
    const double n = std::nearbyint(Val(text));
    if (n < 2 || n > m.MaxBCs) {
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
    if (v > 0.0 && v < Val(betaText))
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

bool ConditionsUnchanged(const CamModel& m, int seg) {
    if (!m.BcUnchanged || seg < 1 || seg > m.MaxSegments)
        return false;
    const int n = m.SegNumBC[seg];
    return n >= 2 && n <= m.MaxBCs && m.PolyCoef[0][seg] == static_cast<float>(n);
}

void ClearConditionsUnchanged(CamModel& m) { m.BcUnchanged = false; }

// ---- the coefficient table ----------------------------------------------------------------------

namespace {

// Number of table rows: none for a segment never solved.
int CheckedCount(int n) {
    if (n < 0 || n > model::kMaxBCs)
        throw Fault(model::kSubscriptOutOfRange);
    return n;
}

void ConditionLines(const CamModel& m, int seg, std::vector<std::string>& out) {
    out.push_back(TextLine().tab(8).text("   Boundary Conditions Imposed"));
    out.push_back(TextLine()
                      .tab(1).text("Function")
                      .tab(12).text("  Theta")
                      .tab(21).text("% Beta")
                      .tab(31).text("Boundary Cond."));
    const int n = CheckedCount(RoundIndex(m.PolyCoef[0][seg]));
    float previous = 0.0f;
    for (int i = 1; i <= n; ++i) {
        const float pos = m.PolyBcPos[i][seg];
        if (pos != previous)
            out.emplace_back();
        previous = pos;
        const int order = RoundIndex(m.PolyBcOrder[i][seg]);
        if (order < 0 || order > 3)
            throw Fault(model::kSubscriptOutOfRange);
        out.push_back(TextLine()
                          .tab(1).text(model::SvajName[static_cast<size_t>(order)])
                          .tab(14).number(FNRound(pos * m.SegBeta[seg], 2))
                          .tab(24).number(FNRound(pos, 3))
                          .tab(34).number(FNRound(m.BcEntered[i][seg], 3)));
    }
}

void CoefficientLines(const CamModel& m, int seg, std::vector<std::string>& out) {
    out.push_back(TextLine().tab(7).text("      Equation Resulting"));
    out.push_back(TextLine().tab(4).text("Exponent").tab(20).text("Coefficient"));
    const int n = CheckedCount(RoundIndex(m.PolyCoef[0][seg]));
    for (int i = 1; i <= n; ++i)
        out.push_back(TextLine()
                          .tab(12).number(m.PolyExponentShown[i][seg])
                          .right(30, FormatDecimals(m.PolyCoef[i][seg], 3)));
}

} // namespace

PolyTable Polytable_Form(const CamModel& m, Host& host) {
    PolyTable t;
    model::RunGuarded(host, "Polytable_Form", [&] {
        const int seg = CheckedSegment(m.CurSeg);
        t.segData = {Str(static_cast<float>(seg)), Str(m.SegStart[seg]), Str(m.SegBeta[seg]),
                     Str(m.SegEnd[seg])};
        ConditionLines(m, seg, t.conditions);
        CoefficientLines(m, seg, t.coefficients);
    });
    return t;
}

std::vector<std::string> Polytable_Printer(const CamModel& m, Host& host) {
    std::vector<std::string> lines;
    model::RunGuarded(host, "Polytable_Printer", [&] {
        const int seg = CheckedSegment(m.CurSeg);
        ConditionLines(m, seg, lines);
        lines.emplace_back();
        CoefficientLines(m, seg, lines);
    });
    return lines;
}

} // namespace trochix::motion
