// Calculating the rows of the input screen and completing the motion program: each row's Calc
// (its motion law, or the polynomial of its boundary conditions), Calc All, the model side of a
// row's Plot and Print, and Done. The rows themselves - what is entered and enabled - are
// motion/InputDataForm.h.
#pragma once

#include "forms/InputDataForm.h"

#include <functional>
#include <string>
#include <string_view>

namespace trochix::motion {

// ---- the rows
enum class RowOutcome {
    Calculated,              // the row's points are stored
    NeedsBoundaryConditions, // a polynomial row: open the boundary-condition screen
    Failed,                  // refused or stopped by a fault; the message was shown
};
// cmd_CalcSeg of a row: step and cam speed from their boxes, SegStart/SegEnd, positions, law,
// CalcSegment, SegCalculated, CheckDoneEnabled. A polynomial row whose conditions are unchanged
// since they were solved is evaluated from them; otherwise the screen must open the
// boundary-condition screen for it and call PolynomialRowSolved after a solution. Faults are
// reported as "cmd_CalcSeg_Click".
RowOutcome CalcRow(CamModel& model, Host& host, InputScreenState& state, int row);
// After the boundary-condition screen solved the polynomial of `row`: its Start and End take
// the given texts (the S conditions typed at the segment's ends; an empty text takes the
// polynomial's value there), then the row counts as calculated.
void PolynomialRowSolved(CamModel& model, InputScreenState& state, int row,
                         std::string_view startText, std::string_view endText);

// What the boundary-condition screen gave for a polynomial row during Calc All.
struct BoundaryResult {
    bool solved = false;
    std::string startText; // the S condition at the segment's start as typed, or ""
    std::string endText;   // the S condition at its end, or ""
};
using BoundaryScreen = std::function<BoundaryResult(int row)>;
// cmd_CalcAll: CalcRow for rows 0..NumSegments-1, opening the boundary-condition screen
// (solvePolynomialRow) for polynomial rows that need it. Stops at the first row that fails or
// is not solved. Returns true when every row was calculated; Done is then enabled.
bool CalcAll(CamModel& model, Host& host, InputScreenState& state,
             const BoundaryScreen& solvePolynomialRow);

// The model side of cmd_PlotSeg: CurSeg, SegStart/SegEnd, PlotStart/PlotEnd of the segment,
// NumPlotFuncs = 4 with PlotFunc 1..4 (S, V, A, J).
void PrepareSegmentPlot(CamModel& model, int row);
// The model side of cmd_PrntSeg: as PrepareSegmentPlot, with 4 printed columns of 2 decimals.
// Returns true for a polynomial row, whose coefficient table is shown first.
bool PrepareSegmentPrint(CamModel& model, int row);

// ---- the whole program
// The five-line message of a motion program whose lowest position is above zero.
const std::string& PositionMessage();
// cmd_Done. Refuses (PositionMessage, every row invalidated) when the lowest position of the
// program - each segment's base position, a dwell's level - is above zero. Otherwise reads the
// cam data boxes, keeps or clears the later stages (kept for a freshly loaded example), counts
// the design, sets SvajDone, stamps date and time. Returns true when the screen should close
// and the continuity check follow. Faults are reported as "cmd_Done_Click".
bool CompleteMotionProgram(CamModel& model, Host& host, InputScreenState& state);

} // namespace trochix::motion
