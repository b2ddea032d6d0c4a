// The input screen's logic, without widgets: the cam data boxes and the sixteen segment rows,
// each row's enabling as it is filled in and its state (calculated or not). Calculating the rows
// and completing the motion program (Calc, Calc All, Done) is motion/MotionProgram.h.
//
// The model keeps everything the user typed (OmegaText, SegmentsText, DeltaText and per segment
// SegBetaText, SegDir, SegLawText, SegStartText, SegEndText) and SegDone per row. What only the
// screen needs - which controls are enabled and the computed angle labels - is kept in an
// InputScreenState that the screen owns and shows. Every handler below takes the text of its
// box, stores it in the model, does what the box does and updates the state; the screen then
// shows model and state again (with its change signals blocked).
//
// Rows are the screen rows 0..15; row i is segment i + 1. Handlers given a row outside 0..15
// do nothing. A numeric box whose text is not a number refuses it as it refuses a value out of
// range: letters are never read as 0.
#pragma once

#include "model/CamModel.h"

#include <array>
#include <string>
#include <string_view>

#include "model/Forward.h"

namespace trochix::motion {

using model::CamModel;
using model::Host;

// The enabled states and angle texts of one segment row.
struct SegmentRowState {
    bool Visible = false;
    bool MotionEnabled = false;  // cmb_Motion
    bool ProgramEnabled = false; // cmb_Program
    bool StartEnabled = false;   // txt_Low
    bool EndEnabled = false;     // txt_High
    bool CalcEnabled = false;    // cmd_CalcSeg
    bool PlotEnabled = false;    // cmd_PlotSeg
    bool PrintEnabled = false;   // cmd_PrntSeg
    // Edited since it was last calculated. Such a row keeps Done disabled, so a program is
    // never completed with points that no longer match its rows.
    bool Dirty = false;
    std::string StartAngle; // lbl_Start, degrees
    std::string EndAngle;   // lbl_End, degrees
};
// The segment-number label shows the calculated colour while model.SegDone[row] is true.

struct InputScreenState {
    std::array<SegmentRowState, model::kMaxSegments> Rows{};
    bool SegmentFrameEnabled = false;
    bool CalcAllEnabled = false; // cmd_CalcAll
    bool DoneEnabled = false;    // cmd_Done
};

// A screen row 0..15 (row i is segment i + 1).
constexpr bool IsSegmentRow(int row) {
    return row >= 0 && row < model::kMaxSegments;
}

// ---- list contents
extern const std::array<std::string, 4> MotionList; // "Rise", "Fall", "Poly", "Dwell"
extern const std::array<std::string, 3> DeltaList;  // "1.0", "0.5", "0.25"
// The motion list text of a direction letter ("R" -> "Rise"), "" for none.
std::string MotionText(std::string_view dir);

// ---- state of the screen
// As the screen is first loaded: rows hidden, every row input and button disabled except
// Beta, Calc All and Done disabled.
InputScreenState LoadInputScreen();
// Rebuilds the state from the model after a file or an example filled it without the
// handlers: rows 0..NumSegments-1 visible, inputs enabled as far as the row is filled in,
// angle labels from the Betas, Plot/Print on calculated rows, Done as CheckDoneEnabled.
void SyncScreenState(const CamModel& model, InputScreenState& state);

// ---- checks and conversions
// True when min <= value <= max; otherwise shows message in an exclamation box.
bool CheckInput(Host& host, double value, double min, double max, const std::string& message);
// The same for a box's text, which must also be a number (text::HoldsNumber).
bool CheckInput(Host& host, std::string_view text, double min, double max,
                const std::string& message);

struct SegmentCount {
    std::string text; // the box text: "1" below 1, "16" above 16, else as typed
    int NumSegments;  // the value rounded (halves to even), 1..16
};
SegmentCount ClampSegmentCount(std::string_view text);

struct StepChoice {
    std::string text; // "0.25", "0.5" or "1.0"
    float DeltaTheta; // 0.25, 0.5 or 1
    int NumPoints;    // 360 / DeltaTheta: 1440, 720 or 360
};
// v < 0.35 -> 0.25; 0.35 <= v < 0.75 -> 0.5; v >= 0.75 -> 1.
StepChoice SnapDelta(double v);

// Decimals of the angle labels: 0 at a step of 1, 1 at 0.5, 2 at 0.25.
int AngleDecimals(float deltaTheta);

// ---- handlers of the cam data boxes
// The question asked before a new segment count clears rows the user has filled in.
const std::string& SegmentCountQuestion();
// txt_Segmts committed (left, or Enter): the count is clamped (ClampSegmentCount). A count
// other than NumSegments clears every row (except while a model loads with torques
// accumulating); when a row holds anything entered, SegmentCountQuestion is asked first (Yes /
// No) and No keeps the old count and its text. Rows 0..NumSegments-1 are shown. Returns true
// when the typed count was taken.
bool SegmentsCommitted(CamModel& model, Host& host, InputScreenState& state, std::string_view text);
// txt_Omega left: a text that is not a number or a zero speed is refused (OmegaRefusalMessage)
// and the model keeps its speed and OmegaText; otherwise ReadOmega from the text; when the speed
// changed and a row has an End, every row is invalidated and (unless loading) Results are cleared.
// Faults are reported as "txt_Omega_LostFocus".
void OmegaLostFocus(CamModel& model, Host& host, InputScreenState& state, std::string_view text);
// cmb_Delta left: snaps the step (the box shows the snapped text), NumPoints follows. When the
// step changed, Results are cleared (unless loading) and, if a row has an End, every row is
// invalidated. Faults are reported as "cmb_Delta_Change".
void DeltaLostFocus(CamModel& model, Host& host, InputScreenState& state, std::string_view text);

// ---- handlers of a segment row
// txt_Beta left: checks 0..360 ("Beta cannot be > 360 or < 0"; a text that is not a number is
// refused the same way, and a refused text gives way to the Beta the row had), refreshes the angle
// labels (UpdateAngles), stores SegBeta and SegBetaRadArr, enables Motion, recomputes
// SegStart/SegEnd. When an end angle comes out above 360 the Beta box and that label are emptied
// and the segment's Beta becomes 0. Returns true when the Beta was stored.
bool BetaLostFocus(CamModel& model, Host& host, InputScreenState& state, int row,
                   std::string_view text);
// Angle labels of the rows from the Beta texts, checking each end angle from row 1 on
// ("End angle cannot be > 360 deg"); on a failure the Beta text of `row` and the failing end
// label are emptied and the update stops (returns false).
bool UpdateAngles(CamModel& model, Host& host, InputScreenState& state, int row);
// cmb_Motion changed: the first letter (R, F, P, D, any case) sets SegDir and SegDesc and the
// row's enabling; P and D also pick "PO - Polynomial" / "DW - Dwell" as the law. A text with
// another first letter changes nothing (returns false).
bool MotionChanged(CamModel& model, InputScreenState& state, int row, std::string_view text);
// cmb_Program changed or clicked: the law whose code is the first two characters (any case);
// "PO" makes the row a polynomial and "DW" a dwell. Runs ReadLaw and enables Start. A text
// naming no law leaves the selection alone (returns false).
bool ProgramChanged(CamModel& model, InputScreenState& state, int row, std::string_view text);
// txt_Low clicked: enables End.
void StartClicked(InputScreenState& state, int row);
// txt_Low changed: enables End; a dwell row copies Start into End.
void StartChanged(CamModel& model, InputScreenState& state, int row, std::string_view text);
// txt_High changed: a dwell row copies End into Start; enables Calc; the next row's Start
// takes the same text so consecutive segments join; then CheckDoneEnabled.
void EndChanged(CamModel& model, InputScreenState& state, int row, std::string_view text);

// ---- row states
// After a row is calculated: Calc disabled, Plot and Print enabled, SegDone true; the last row
// enables Calc All.
void SegCalculated(CamModel& model, InputScreenState& state, int row);
// An input of a calculated row changed: Calc enabled, Plot and Print disabled, SegDone false.
void SegChanged(CamModel& model, InputScreenState& state, int row);
// Cam speed or step changed: every row back to not calculated, Done disabled, Calc All enabled.
void InvalidateAll(CamModel& model, InputScreenState& state);
// Done is enabled when every row 0..NumSegments-1 has an End position and none was edited
// since it was calculated. Sets state.DoneEnabled and returns it.
bool CheckDoneEnabled(const CamModel& model, InputScreenState& state);

// ---- buttons at the bottom
// cmd_ClearSegs: ClearSegments and every row's angles and buttons cleared; lbl_Start(0) = "0".
void ClearSegs(CamModel& model, InputScreenState& state);
// cmd_Clear_SVAJ: cam speed, segments and step back to "1", then ClearSegs; one row shown.
void ClearAll(CamModel& model, InputScreenState& state);
// cmd_Cancel: the screen closes; an example's results no longer count as its own.
void CancelInput(CamModel& model);

} // namespace trochix::motion
