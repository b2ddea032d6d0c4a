#include "motion/Continuity.h"

#include "model/CamModel.h"
#include "model/Fault.h"
#include "model/Host.h"
#include "model/ReportError.h"
#include "text/NumberText.h"
#include "text/TextColumns.h"

#include <cmath>

namespace trochix::motion {
using text::FNRound;
using text::Str;
using text::TextLine;

namespace {

int CheckedSegments(const CamModel& m) {
    if (m.NumSegments < 1 || m.NumSegments > m.MaxSegments)
        throw model::Fault(model::kSubscriptOutOfRange);
    return m.NumSegments;
}

// Segment/end pairs in table order: each block pairs one segment's end with the next one's
// start, and the last row brings back segment 1's start to close the cycle.
template <class Row> void ForEachTableRow(const CamModel& m, Row&& row) {
    const int n = CheckedSegments(m);
    for (int seg = 1; seg <= n; ++seg) {
        row(seg, 1, true);
        row(seg, 2, false);
    }
    row(1, 1, false);
}

void ValueColumns(const CamModel& m, int seg, int e, TextLine& line) {
    for (int k = 0; k <= 3; ++k)
        line.text(" ").tab(30 + 10 * k).number(FNRound(m.SegEnds[seg][e][k], 1));
}

} // namespace

ContinuityResult ContinuityCheck(const CamModel& m, Host& host) {
    ContinuityResult r;
    r.completed = model::RunGuarded(host, "ContinuityCheck", [&] {
        const int n = CheckedSegments(m);
        auto compare = [&](float end, float start) {
            const float d = std::fabs(end - start);
            if (d > kContinuityTolerance)
                r.ok = false;
            if (d > r.largest)
                r.largest = d;
        };
        for (int k = 0; k <= 2; ++k) {
            for (int i = 1; i <= n - 1; ++i)
                compare(m.SegEnds[i][2][k], m.SegEnds[i + 1][1][k]);
            compare(m.SegEnds[n][2][k], m.SegEnds[1][1][k]);
        }
    });
    return r;
}

std::vector<std::string> Continuity_Form(const CamModel& m, Host& host) {
    std::vector<std::string> lines;
    model::RunGuarded(host, "Continuity_Form", [&] {
        lines.push_back(TextLine().tab(11).text(" Resulting Boundary Values at Segment Interfaces"));
        lines.emplace_back();
        lines.push_back(TextLine()
                            .tab(8).text("Segment")
                            .tab(20).text("End")
                            .tab(30).text("S")
                            .tab(40).text("V")
                            .tab(50).text("A")
                            .tab(60).text("J"));
        ForEachTableRow(m, [&](int seg, int e, bool blankAfter) {
            TextLine line;
            line.tab(11).number(seg).tab(21).number(e);
            ValueColumns(m, seg, e, line);
            lines.push_back(line);
            if (blankAfter)
                lines.emplace_back();
        });
    });
    return lines;
}

std::vector<std::string> Continuity_Print(const CamModel& m, Host& host,
                                          const std::vector<std::string>& pageHeader) {
    std::vector<std::string> lines = pageHeader;
    model::RunGuarded(host, "Continuity_Print", [&] {
        lines.push_back(
            TextLine().tab(20).text("     Resulting Boundary Values at Segment Interfaces"));
        lines.push_back(TextLine().tab(13).text(std::string(58, '_')));
        lines.emplace_back();
        lines.push_back(TextLine()
                            .tab(13).text("Segment")
                            .tab(22).text("End")
                            .tab(31).text("S")
                            .tab(41).text("V")
                            .tab(51).text("A")
                            .tab(61).text("J"));
        ForEachTableRow(m, [&](int seg, int e, bool blankAfter) {
            TextLine line;
            line.tab(15).number(seg).tab(22).number(e);
            ValueColumns(m, seg, e, line);
            lines.push_back(line);
            if (blankAfter)
                lines.emplace_back();
        });
    });
    return lines;
}

std::string ContinuityWarningText(float largest) {
    return "There is a potential problem with your cam design.\r\r"
           "At least one of your segment boundaries is discontinuous.\r"
           "The largest discontinuity between S, V, or A is." +
           Str(largest) +
           "\r"
           "If this value is very small it may just be computational roundoff error.\r\r"
           "This screen shows the problem(s), as will S-V-A plots of the whole cam.\r"
           "Please identify the error(s) and return to the SVAJ screen to redesign the cam "
           "program.\r";
}

ContinuityResult ContinuityDone(CamModel& m, Host& host) {
    const ContinuityResult r = ContinuityCheck(m, host);
    m.ContinuityOK = r.ok;
    if (!r.ok)
        host.message(ContinuityWarningText(r.largest), model::Icon::Exclamation,
                     model::DefaultTitle());
    return r;
}

} // namespace trochix::motion
