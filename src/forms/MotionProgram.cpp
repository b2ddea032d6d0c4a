#include "forms/MotionProgram.h"

#include "chain/Stages.h"
#include "model/CamModel.h"
#include "model/Host.h"
#include "model/ReportError.h"
#include "model/ResultRow.h"
#include "model/SegmentTable.h"
#include "motion/MotionLaws.h"
#include "motion/SegmentDriver.h"
#include "text/NumberText.h"

#include <algorithm>
#include <cmath>

namespace trochix::motion {
using model::ResultRow;
using model::StartEnd;
using text::ShortestFloat;
using text::Val;

namespace {

// S of the solved polynomial of a segment at x (0 or 1).
float PolynomialAt(const CamModel& m, int seg, float x) {
    double s = 0.0;
    const int n = m.SegNumBC[seg];
    for (int i = 1; i <= n && i <= model::kMaxBCs; ++i)
        s += m.PolyCoef[i][seg] * std::pow(static_cast<double>(x), m.PolyExponent[i][seg]);
    return static_cast<float>(s);
}

} // namespace

// ---- calculations

namespace {

// readSpeed is false for the rows after the first of Calc All: the speed box cannot change in
// between, and a zero speed is to be reported once per command, not once per row.
RowOutcome CalcRowBody(CamModel& m, Host& host, InputScreenState& st, int row, bool readSpeed) {
    const int seg = row + 1;
    m.CurSeg = seg;
    m.DeltaTheta = SnapDelta(Val(m.DeltaText)).DeltaTheta;
    StartEnd(m);
    m.PlotStart = m.SegStart[seg];
    m.PlotEnd = m.SegEnd[seg];
    if (readSpeed) {
        ReadOmega(m, host, Val(m.OmegaText));
        CamOmegaPowers(m);
    }
    SegmentPositions(m, seg);
    m.Lift = m.SegLift[seg];
    const int variant = ReadLaw(m, seg);
    if (m.SegDir[seg] == "P") {
        if (!(m.SegBeta[seg] > 0.0f)) {
            host.message(ZeroBetaMessage(seg), model::Icon::Exclamation, model::DefaultTitle());
            return RowOutcome::Failed;
        }
        if (!m.BcUnchanged || m.SegNumBC[seg] < 2)
            return RowOutcome::NeedsBoundaryConditions;
    }
    if (!CalcSegment(m, host, seg, variant))
        return RowOutcome::Failed;
    SegCalculated(m, st, row);
    return RowOutcome::Calculated;
}

RowOutcome CalcOneRow(CamModel& m, Host& host, InputScreenState& st, int row, bool readSpeed) {
    if (!IsSegmentRow(row))
        return RowOutcome::Failed;
    RowOutcome out = RowOutcome::Failed;
    model::RunGuarded(host, "cmd_CalcSeg_Click",
                      [&] { out = CalcRowBody(m, host, st, row, readSpeed); });
    if (out == RowOutcome::NeedsBoundaryConditions)
        return out;
    CheckDoneEnabled(m, st);
    m.ExampleLoaded = false;
    return out;
}

} // namespace

RowOutcome CalcRow(CamModel& m, Host& host, InputScreenState& st, int row) {
    return CalcOneRow(m, host, st, row, true);
}

void PolynomialRowSolved(CamModel& m, InputScreenState& st, int row, std::string_view startText,
                         std::string_view endText) {
    if (!IsSegmentRow(row))
        return;
    const int seg = row + 1;
    const std::string start =
        startText.empty() ? ShortestFloat(PolynomialAt(m, seg, 0.0f), 7) : std::string(startText);
    const std::string end =
        endText.empty() ? ShortestFloat(PolynomialAt(m, seg, 1.0f), 7) : std::string(endText);
    // The texts follow the solution; they are no edit of its conditions.
    const bool unchanged = m.BcUnchanged;
    StartChanged(m, st, row, start);
    EndChanged(m, st, row, end);
    m.BcUnchanged = unchanged;
    SegCalculated(m, st, row);
    UpdateTotalLift(m);
    CheckDoneEnabled(m, st);
    m.ExampleLoaded = false;
}

bool CalcAll(CamModel& m, Host& host, InputScreenState& st,
             const BoundaryScreen& solvePolynomialRow) {
    for (int row = 0; row < m.NumSegments && row < model::kMaxSegments; ++row) {
        const RowOutcome out = CalcOneRow(m, host, st, row, row == 0);
        if (out == RowOutcome::Failed)
            return false;
        if (out == RowOutcome::NeedsBoundaryConditions) {
            const BoundaryResult r =
                solvePolynomialRow ? solvePolynomialRow(row) : BoundaryResult{};
            if (!r.solved) {
                m.ExampleLoaded = false;
                return false;
            }
            PolynomialRowSolved(m, st, row, r.startText, r.endText);
        }
    }
    st.DoneEnabled = true;
    return true;
}

void PrepareSegmentPlot(CamModel& m, int row) {
    if (!IsSegmentRow(row))
        return;
    m.CurSeg = row + 1;
    StartEnd(m);
    m.PlotStart = m.SegStart[m.CurSeg];
    m.PlotEnd = m.SegEnd[m.CurSeg];
    m.NumPlotFuncs = 4;
    for (int k = 1; k <= 4; ++k)
        m.PlotFunc[k] = k;
}

bool PrepareSegmentPrint(CamModel& m, int row) {
    if (!IsSegmentRow(row))
        return false;
    PrepareSegmentPlot(m, row);
    m.NumPrintCols = 4;
    m.Decimals = {2, 2, 2, 2};
    m.SegmentPrint = true;
    return m.SegDir[m.CurSeg] == "P";
}

const std::string& PositionMessage() {
    static const std::string text =
        std::string("There is something wrong with your Position data.") + "\r\r" +
        "The smallest Start or End value of all the segment Positions " + "\r" +
        "over the whole cam should be zero, but it is not.  Please change" + "\r" +
        "the Position Start and End data and redo the calculations" + "\r" +
        "such that the smallest of your Start  and/or End Positions are zero.";
    return text;
}

bool CompleteMotionProgram(CamModel& m, Host& host, InputScreenState& st) {
    bool done = false;
    model::RunGuarded(host, "cmd_Done_Click", [&] {
        // The lowest position of each segment: its base, and for a dwell the level it holds.
        float lowest = 0.0f;
        for (int s = 1; s <= m.NumSegments && s <= model::kMaxSegments; ++s) {
            const float low = m.SegLow[s] + (m.SegDir[s] == "D" ? m.SegLift[s] : 0.0f);
            lowest = s == 1 ? low : std::min(lowest, low);
        }
        if (lowest > 0.0f) {
            host.message(PositionMessage(), model::Icon::Exclamation, model::DefaultTitle());
            InvalidateAll(m, st);
            return;
        }
        ReadOmega(m, host, Val(m.OmegaText));
        CamOmegaPowers(m);
        m.NumSegments = ClampSegmentCount(m.SegmentsText).NumSegments;
        m.DeltaTheta = SnapDelta(Val(m.DeltaText)).DeltaTheta;
        // An example's later stages were computed from this very program when it was loaded.
        if (m.ExampleLoaded) {
            for (model::Stage s :
                 {model::Stage::Motion, model::Stage::Sizing, model::Stage::Dynamics})
                chain::Holds(m, s);
        } else {
            chain::Completed(m, model::Stage::Motion);
        }
        m.DesignNo = m.DesignNo + 1;
        m.ModelSaved = false;
        const model::DateTime t = host.now();
        m.DateStr = model::DateText(t);
        m.TimeStr = model::TimeText(t);
        m.ExampleLoaded = false;
        done = true;
    });
    return done;
}

} // namespace trochix::motion
