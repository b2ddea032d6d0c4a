#include "motion/Polynomial.h"

#include "model/Constants.h"
#include "model/Fault.h"
#include "model/Host.h"
#include "model/ReportError.h"
#include "motion/SegmentDriver.h"
#include "text/NumberText.h"

#include <cmath>
#include <limits>
#include <utility>

namespace trochix::motion {
using text::Str;

using model::Fault;
using model::Icon;

namespace {

void Warn(Host& host, const std::string& text, const std::string& title) {
    host.message(text, Icon::Exclamation, title);
}

const char* const kCountMismatch =
    "Something is wrong - no. of boundary conditions doesn't match no. of equations ";
const char* const kCoefficientError =
    " There has been an error in the calculation of your polynomial coefficients - Check your "
    "boundary condition data";
const char* const kNothingStored =
    "Something wrong - No boundary conditions are stored for this segment";
const char* const kZeroDiagonal = "There is a zero value on diagonal in column ";

// A double result that no longer fits is an overflow, as the arithmetic of the program traps it.
double Finite(double v) {
    if (!std::isfinite(v))
        throw Fault(model::kOverflow);
    return v;
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
        Warn(host, kZeroBetaText, model::DefaultTitle());
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

const std::string kZeroBetaText = "Something wrong - Beta is zero for this segment";

int CheckedSegment(int seg) {
    if (seg < 1 || seg > model::kMaxSegments)
        throw Fault(model::kSubscriptOutOfRange);
    return seg;
}

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
        Warn(host, kZeroBetaText, model::DefaultTitle());
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

bool ConditionsUnchanged(const CamModel& m, int seg) {
    if (!m.BcUnchanged || seg < 1 || seg > m.MaxSegments)
        return false;
    const int n = m.SegNumBC[seg];
    return n >= 2 && n <= m.MaxBCs && m.PolyCoef[0][seg] == static_cast<float>(n);
}

void ClearConditionsUnchanged(CamModel& m) { m.BcUnchanged = false; }

} // namespace trochix::motion
