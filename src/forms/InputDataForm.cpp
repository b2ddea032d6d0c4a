#include "forms/InputDataForm.h"

#include "chain/Stages.h"
#include "model/Constants.h"
#include "model/Host.h"
#include "model/Initialize.h"
#include "model/ReportError.h"
#include "model/SegmentTable.h"
#include "motion/MotionLaws.h"
#include "motion/SegmentDriver.h"
#include "text/NumberText.h"

#include <algorithm>
#include <cctype>
#include <cmath>

namespace trochix::motion {
using model::ClearSegments;
using model::ClearSVAJ;
using model::StartEnd;
using text::FNRoundStr;
using text::Val;

const std::array<std::string, 4> MotionList = {"Rise", "Fall", "Poly", "Dwell"};
const std::array<std::string, 3> DeltaList = {"1.0", "0.5", "0.25"};

namespace {

constexpr int kRows = model::kMaxSegments;

bool ValidRow(int row) {
    return IsSegmentRow(row);
}

char FirstLetter(std::string_view text) {
    return text.empty() ? '\0'
                        : static_cast<char>(std::toupper(static_cast<unsigned char>(text[0])));
}

bool AnyRowEntered(const CamModel& m) {
    for (int s = 1; s <= model::kMaxSegments; ++s)
        for (const std::string* t : {&m.SegBetaText[s], &m.SegDir[s], &m.SegLawText[s],
                                     &m.SegStartText[s], &m.SegEndText[s]})
            if (!t->empty())
                return true;
    return false;
}

bool AnyEnd(const CamModel& m) {
    for (int s = 1; s <= m.NumSegments; ++s)
        if (!m.SegEndText[s].empty())
            return true;
    return false;
}

// Something the user typed or picked in a row changed.
void RowEdited(CamModel& m, InputScreenState& st, int row) {
    // A model being loaded brings its own points for the rows it fills.
    if (!m.Loading)
        st.Rows[row].Dirty = true;
    if (m.SegDir[row + 1] == "P")
        m.BcUnchanged = false;
    if (m.SegDone[row])
        SegChanged(m, st, row);
    CheckDoneEnabled(m, st);
}

void ClearRowStates(InputScreenState& st) {
    for (auto& r : st.Rows) {
        r.MotionEnabled = r.ProgramEnabled = r.StartEnabled = r.EndEnabled = false;
        r.CalcEnabled = r.PlotEnabled = r.PrintEnabled = false;
        r.Dirty = false;
        r.StartAngle.clear();
        r.EndAngle.clear();
    }
    st.Rows[0].StartAngle = "0";
    st.CalcAllEnabled = false;
    st.DoneEnabled = false;
}

void ShowRows(const CamModel& m, InputScreenState& st) {
    for (int row = 0; row < kRows; ++row)
        st.Rows[row].Visible = row < m.NumSegments;
    st.SegmentFrameEnabled = true;
}

// The motion letter's effect on the row, without marking it edited.
void ApplyMotion(CamModel& m, InputScreenState& st, int row, char letter) {
    const int seg = row + 1;
    SegmentRowState& r = st.Rows[row];
    switch (letter) {
    case 'R':
    case 'F':
        r.ProgramEnabled = true;
        // An emptied law list means no law: a stale law must not run under the new direction.
        m.SegLawText[seg].clear();
        m.SegLawFamily[seg] = kLawNone;
        r.StartEnabled = false;
        r.EndEnabled = false;
        break;
    case 'P':
        m.SegLawText[seg] = LawList[kLawPolynomial];
        r.ProgramEnabled = false;
        r.StartEnabled = true;
        r.EndEnabled = true;
        break;
    case 'D':
        m.SegLawText[seg] = LawList[kLawDwell];
        r.ProgramEnabled = false;
        r.StartEnabled = true;
        r.EndEnabled = false;
        break;
    default: return;
    }
    m.SegDir[seg] = std::string(1, letter);
    m.SegDesc[seg] = m.SegDir[seg];
    if (letter == 'P' || letter == 'D')
        ReadLaw(m, seg);
    // The End of a dwell cannot be typed: a Start the row above already passed on is its level.
    if (letter == 'D' && !m.SegStartText[seg].empty())
        EndChanged(m, st, row, m.SegStartText[seg]);
}

} // namespace

std::string MotionText(std::string_view dir) {
    switch (FirstLetter(dir)) {
    case 'R': return MotionList[0];
    case 'F': return MotionList[1];
    case 'P': return MotionList[2];
    case 'D': return MotionList[3];
    default: return {};
    }
}

InputScreenState LoadInputScreen() {
    InputScreenState st;
    ClearRowStates(st);
    for (auto& r : st.Rows)
        r.Visible = false;
    return st;
}

void SyncScreenState(const CamModel& m, InputScreenState& st) {
    ClearRowStates(st);
    ShowRows(m, st);
    const int d = AngleDecimals(m.DeltaTheta);
    double start = 0.0;
    bool allEnds = m.NumSegments > 0;
    for (int row = 0; row < kRows; ++row) {
        const int seg = row + 1;
        SegmentRowState& r = st.Rows[row];
        const char dir = FirstLetter(m.SegDir[seg]);
        r.MotionEnabled = !m.SegBetaText[seg].empty();
        r.ProgramEnabled = dir == 'R' || dir == 'F';
        r.StartEnabled =
            dir == 'P' || dir == 'D' || (r.ProgramEnabled && !m.SegLawText[seg].empty());
        r.EndEnabled = dir == 'P' || (r.ProgramEnabled && !m.SegStartText[seg].empty());
        r.CalcEnabled = !m.SegEndText[seg].empty() && !m.SegDone[row];
        r.PlotEnabled = r.PrintEnabled = m.SegDone[row];
        if (row < m.NumSegments) {
            const double end = start + Val(m.SegBetaText[seg]);
            r.StartAngle = FNRoundStr(start, d);
            r.EndAngle = FNRoundStr(end, d);
            start = Val(r.EndAngle);
            allEnds = allEnds && !m.SegEndText[seg].empty();
        }
    }
    st.CalcAllEnabled = allEnds;
    CheckDoneEnabled(m, st);
}

bool CheckInput(Host& host, double value, double min, double max, const std::string& message) {
    if (value >= min && value <= max)
        return true;
    host.message(message, model::Icon::Exclamation, model::DefaultTitle());
    return false;
}

bool CheckInput(Host& host, std::string_view text, double min, double max,
                const std::string& message) {
    if (text::HoldsNumber(text))
        return CheckInput(host, Val(text), min, max, message);
    host.message(message, model::Icon::Exclamation, model::DefaultTitle());
    return false;
}

SegmentCount ClampSegmentCount(std::string_view text) {
    double v = Val(text);
    SegmentCount c{std::string(text), 0};
    if (v < 1.0) {
        c.text = "1";
        v = 1.0;
    } else if (v > 16.0) {
        c.text = "16";
        v = 16.0;
    }
    c.NumSegments = std::clamp(RoundIndex(v), 1, model::kMaxSegments);
    return c;
}

StepChoice SnapDelta(double v) {
    if (v < 0.35)
        return {"0.25", 0.25f, 1440};
    if (v < 0.75)
        return {"0.5", 0.5f, 720};
    return {"1.0", 1.0f, 360};
}

int AngleDecimals(float deltaTheta) {
    if (deltaTheta == 0.5f)
        return 1;
    if (deltaTheta == 0.25f)
        return 2;
    return 0;
}

// ---- cam data boxes

const std::string& SegmentCountQuestion() {
    static const std::string text =
        "Changing the number of segments clears the segment table.  Continue?";
    return text;
}

bool SegmentsCommitted(CamModel& m, Host& host, InputScreenState& st, std::string_view text) {
    // Letters are no count: the box goes back to the count the table has.
    if (!text::HoldsNumber(text)) {
        ShowRows(m, st);
        return false;
    }
    const SegmentCount c = ClampSegmentCount(text);
    const bool clears = c.NumSegments != m.NumSegments && !(m.Loading && !m.TorqueStartFresh);
    if (clears && AnyRowEntered(m) &&
        host.message(SegmentCountQuestion(), model::Icon::Question, model::DefaultTitle(),
                     model::Buttons::YesNo, model::Answer::No) != model::Answer::Yes) {
        ShowRows(m, st);
        return false;
    }
    m.SegmentsText = c.text;
    m.NumSegments = c.NumSegments;
    if (clears)
        ClearSegs(m, st);
    ShowRows(m, st);
    return true;
}

void OmegaLostFocus(CamModel& m, Host& host, InputScreenState& st, std::string_view text) {
    model::RunGuarded(host, "txt_Omega_LostFocus", [&] {
        // A speed that is not a number, or is zero, is refused: the box gets back the speed
        // the model goes on with, instead of the program computing at a stand-in 1 rad/s.
        if (!text::HoldsNumber(text) || static_cast<float>(Val(text) * model::kPi / 30.0) == 0.0f) {
            host.message(OmegaRefusalMessage(), model::Icon::Exclamation, model::DefaultTitle());
            return;
        }
        m.OmegaText = std::string(text);
        const float before = m.CamOmega;
        ReadOmega(m, host, Val(text));
        CamOmegaPowers(m);
        if (m.CamOmega != before && AnyEnd(m)) {
            InvalidateAll(m, st);
            if (!m.Loading)
                model::ClearResults(m, m.NumPoints, m.NumFunctions);
        }
    });
}

void DeltaLostFocus(CamModel& m, Host& host, InputScreenState& st, std::string_view text) {
    model::RunGuarded(host, "cmb_Delta_Change", [&] {
        // Letters are no step: the box keeps the step in use.
        if (!text::HoldsNumber(text))
            return;
        const StepChoice c = SnapDelta(Val(text));
        const bool changed = c.DeltaTheta != m.DeltaTheta || c.NumPoints != m.NumPoints;
        m.DeltaText = c.text;
        m.DeltaTheta = c.DeltaTheta;
        m.NumPoints = c.NumPoints;
        if (!changed)
            return;
        // Row 0 must hold the angles of the new grid even before any row is calculated.
        if (!m.Loading)
            model::ClearResults(m, m.NumPoints, m.NumFunctions);
        if (AnyEnd(m))
            InvalidateAll(m, st);
    });
}

// ---- segment rows

bool UpdateAngles(CamModel& m, Host& host, InputScreenState& st, int row) {
    if (!ValidRow(row))
        return false;
    const int d = AngleDecimals(m.DeltaTheta);
    auto beta = [&](int r) { return Val(m.SegBetaText[r + 1]); };
    st.Rows[row].EndAngle = FNRoundStr(Val(st.Rows[row].StartAngle) + beta(row), d);
    for (int k = 1; k < m.NumSegments && k < kRows; ++k) {
        st.Rows[k].StartAngle = st.Rows[k - 1].EndAngle;
        st.Rows[k].EndAngle = FNRoundStr(Val(st.Rows[k].StartAngle) + beta(k), d);
        if (!CheckInput(host, Val(st.Rows[k].EndAngle), 0.0, 360.0,
                        "End angle cannot be > 360 deg")) {
            m.SegBetaText[row + 1].clear();
            st.Rows[k].EndAngle.clear();
            return false;
        }
    }
    return true;
}

bool BetaLostFocus(CamModel& m, Host& host, InputScreenState& st, int row, std::string_view text) {
    if (!ValidRow(row))
        return false;
    const int seg = row + 1;
    const bool changed = m.SegBetaText[seg] != text;
    const std::string before = m.SegBetaText[seg];
    m.SegBetaText[seg] = std::string(text);
    bool stored = false;
    if (!text.empty()) {
        const double v = Val(text);
        if (!CheckInput(host, text, 0.0, 360.0, "Beta cannot be > 360 or < 0")) {
            // The box gets back the Beta the segment keeps.
            m.SegBetaText[seg] = before;
            return false;
        }
        if (UpdateAngles(m, host, st, row)) {
            m.SegBeta[seg] = static_cast<float>(v);
            m.SegBetaRadArr[seg] = static_cast<float>(v / model::kRadToDeg);
            st.Rows[row].MotionEnabled = true;
            stored = true;
        } else {
            // The box was emptied: the segment must not keep a Beta the screen no longer shows.
            m.SegBeta[seg] = 0.0f;
            m.SegBetaRadArr[seg] = 0.0f;
        }
        StartEnd(m);
    }
    if (changed || m.SegBetaText[seg] != text)
        RowEdited(m, st, row);
    return stored;
}

bool MotionChanged(CamModel& m, InputScreenState& st, int row, std::string_view text) {
    if (!ValidRow(row))
        return false;
    const char letter = FirstLetter(text);
    if (letter != 'R' && letter != 'F' && letter != 'P' && letter != 'D')
        return false;
    // Picking the motion the row already has keeps its law.
    if (m.SegDir[row + 1] == std::string(1, letter))
        return true;
    ApplyMotion(m, st, row, letter);
    RowEdited(m, st, row);
    return true;
}

bool ProgramChanged(CamModel& m, InputScreenState& st, int row, std::string_view text) {
    if (!ValidRow(row))
        return false;
    const int index = LawCodeIndex(text);
    if (index == kLawNone)
        return false;
    const int seg = row + 1;
    const bool changed = m.SegLawText[seg] != LawList[index];
    m.SegLawText[seg] = LawList[index];
    if (index == kLawPolynomial && FirstLetter(m.SegDir[seg]) != 'P')
        ApplyMotion(m, st, row, 'P');
    else if (index == kLawDwell)
        ApplyMotion(m, st, row, 'D');
    ReadLaw(m, seg);
    st.Rows[row].StartEnabled = true;
    if (changed)
        RowEdited(m, st, row);
    return true;
}

void StartClicked(InputScreenState& st, int row) {
    if (ValidRow(row))
        st.Rows[row].EndEnabled = true;
}

void StartChanged(CamModel& m, InputScreenState& st, int row, std::string_view text) {
    if (!ValidRow(row))
        return;
    const int seg = row + 1;
    if (m.SegStartText[seg] == text)
        return;
    m.SegStartText[seg] = std::string(text);
    st.Rows[row].EndEnabled = true;
    if (IsDwellRow(m, seg))
        EndChanged(m, st, row, text);
    RowEdited(m, st, row);
}

void EndChanged(CamModel& m, InputScreenState& st, int row, std::string_view text) {
    if (!ValidRow(row))
        return;
    const int seg = row + 1;
    if (m.SegEndText[seg] == text)
        return;
    m.SegEndText[seg] = std::string(text);
    if (IsDwellRow(m, seg))
        StartChanged(m, st, row, text);
    st.Rows[row].CalcEnabled = true;
    if (row < m.NumSegments - 1)
        StartChanged(m, st, row + 1, text);
    RowEdited(m, st, row);
}

// ---- row states

void SegCalculated(CamModel& m, InputScreenState& st, int row) {
    if (!ValidRow(row))
        return;
    SegmentRowState& r = st.Rows[row];
    r.CalcEnabled = false;
    r.PlotEnabled = true;
    r.PrintEnabled = true;
    r.Dirty = false;
    m.SegDone[row] = true;
    if (row == m.NumSegments - 1)
        st.CalcAllEnabled = true;
}

void SegChanged(CamModel& m, InputScreenState& st, int row) {
    if (!ValidRow(row))
        return;
    SegmentRowState& r = st.Rows[row];
    r.CalcEnabled = true;
    r.PlotEnabled = false;
    r.PrintEnabled = false;
    m.SegDone[row] = false;
}

void InvalidateAll(CamModel& m, InputScreenState& st) {
    for (int row = 0; row < kRows; ++row) {
        SegmentRowState& r = st.Rows[row];
        r.CalcEnabled = true;
        r.PlotEnabled = false;
        r.PrintEnabled = false;
        if (row < m.NumSegments && !m.Loading)
            r.Dirty = true;
        m.SegDone[row] = false;
    }
    m.BcUnchanged = false;
    st.DoneEnabled = false;
    st.CalcAllEnabled = true;
}

bool CheckDoneEnabled(const CamModel& m, InputScreenState& st) {
    int ends = 0;
    bool dirty = false;
    for (int row = 0; row < m.NumSegments && row < kRows; ++row) {
        if (!m.SegEndText[row + 1].empty())
            ++ends;
        dirty = dirty || st.Rows[row].Dirty;
    }
    st.DoneEnabled = ends == m.NumSegments && !dirty;
    return st.DoneEnabled;
}

// ---- bottom buttons

void ClearSegs(CamModel& m, InputScreenState& st) {
    ClearSegments(m);
    chain::Withdraw(m, model::Stage::Motion);
    ClearRowStates(st);
}

void ClearAll(CamModel& m, InputScreenState& st) {
    ClearSVAJ(m);
    chain::Withdraw(m, model::Stage::Motion);
    ClearRowStates(st);
    ShowRows(m, st);
}

void CancelInput(CamModel& m) {
    m.ExampleLoaded = false;
}

} // namespace trochix::motion
