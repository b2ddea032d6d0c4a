#include "forms/PolyForm.h"

#include "model/CamModel.h"
#include "model/Fault.h"
#include "model/FunctionNames.h"
#include "model/ReportError.h"
#include "motion/Polynomial.h"
#include "motion/SegmentDriver.h"
#include "text/NumberText.h"
#include "text/TextColumns.h"

namespace trochix::motion {
using model::Fault;
using text::FNRound;
using text::FormatDecimals;
using text::Str;
using text::TextLine;

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
                      .tab(1)
                      .text("Function")
                      .tab(12)
                      .text("  Theta")
                      .tab(21)
                      .text("% Beta")
                      .tab(31)
                      .text("Boundary Cond."));
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
                          .tab(1)
                          .text(model::SvajName[static_cast<size_t>(order)])
                          .tab(14)
                          .number(FNRound(pos * m.SegBeta[seg], 2))
                          .tab(24)
                          .number(FNRound(pos, 3))
                          .tab(34)
                          .number(FNRound(m.BcEntered[i][seg], 3)));
    }
}

void CoefficientLines(const CamModel& m, int seg, std::vector<std::string>& out) {
    out.push_back(TextLine().tab(7).text("      Equation Resulting"));
    out.push_back(TextLine().tab(4).text("Exponent").tab(20).text("Coefficient"));
    const int n = CheckedCount(RoundIndex(m.PolyCoef[0][seg]));
    for (int i = 1; i <= n; ++i)
        out.push_back(TextLine()
                          .tab(12)
                          .number(m.PolyExponentShown[i][seg])
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
