// One row of the input screen's segment table: the controls of segment row + 1, named as the
// program names them (txt_Beta_3 is txt_Beta(3)), and how a row shows the model and its state.
#pragma once

#include "forms/InputDataForm.h"

#include <array>

class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace trochix::ui {

struct SegmentRowWidgets {
    QLabel* number = nullptr;     // lbl_Segment
    QLineEdit* beta = nullptr;    // txt_Beta
    QComboBox* motion = nullptr;  // cmb_Motion
    QComboBox* program = nullptr; // cmb_Program (editable: a law may be typed by its code)
    QLineEdit* low = nullptr;     // txt_Low, Position Start
    QLineEdit* high = nullptr;    // txt_High, Position End
    QLabel* start = nullptr;      // lbl_Start, Angles Start
    QLabel* end = nullptr;        // lbl_End, Angles End
    QPushButton* calc = nullptr;  // cmd_CalcSeg
    QPushButton* plot = nullptr;  // cmd_PlotSeg
    QPushButton* print = nullptr; // cmd_PrntSeg

    std::array<QWidget*, 11> all() const;
};

// Column of each control in the segment grid.
enum SegmentColumn {
    kColNumber,
    kColBeta,
    kColMotion,
    kColProgram,
    kColLow,
    kColHigh,
    kColStart,
    kColEnd,
    kColCalc,
    kColPlot,
    kColPrint,
    kSegmentColumns
};

// The two heading rows of the grid (Position and Angles over their Start and End, then the
// column captions). Returns lbl_Unit, the length unit beside "Position".
constexpr int kSegmentHeadingRows = 2;
QLabel* MakeSegmentHeadings(QWidget* parent, QGridLayout* grid);

// Creates the controls of screen row `row` (0..15) in creation order Beta, Motion, Program,
// Start, End, Calc, Plot, Print - which is also their tab order - and puts them into `grid` at
// grid row `gridRow`. The lists are filled: Motion with the four directions, Program with the
// thirteen laws. A hidden row keeps its place, so the table does not move as rows come and go.
SegmentRowWidgets MakeSegmentRow(QWidget* parent, QGridLayout* grid, int row, int gridRow);

// Which of a calculated row's outputs the program has: the segment plot, the segment table.
struct RowOutputs {
    bool plot = false;
    bool print = false;
};

// Shows the row's texts from the model and its enabling from the state, without running any
// change handler. Plot and Print follow the state only where their screens exist.
void ShowSegmentRow(const SegmentRowWidgets& w, const model::CamModel& model,
                    const motion::SegmentRowState& state, int row, RowOutputs outputs = {});

} // namespace trochix::ui
