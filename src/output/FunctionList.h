// The functions of cam angle a plot or a table can show, and how the user names them.
//
// Each function is a row of Results (model/ResultRow.h), shown under its FuncShort name. A
// function is offered only once the stage that computes it has run (its stage in
// model/RowCatalogue; S, V, A, J always); the rows of the current Fourier transform are never
// listed, only reached by preset or code. The function boxes list rows in the order of their
// catalogue places: 1..4, 5, 6, 7, 8, 15, 16, 9..14, then the contact rows 22..24.
#pragma once

#include "model/Forward.h"
#include "model/Stage.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace trochix::output {

using model::Stage;

// Whether functions of that stage are offered now: those of the motion are always.
bool StageDone(const model::CamModel& model, Stage stage);
// The stage of a Results row (the motion for a row outside the table).
Stage StageOf(int row);
// Rows 17..20: functions of harmonic number rather than cam angle.
bool IsSpectrumRow(int row);

// Rows of the function boxes, in list order (FillFunctionList shows their names).
std::vector<int> FunctionRows(const model::CamModel& model);
// The names of a function box, in list order.
std::vector<std::string> FillFunctionList(const model::CamModel& model);

// True when row may be chosen now: it is listed, or it is a spectrum row and FftDone is set.
// Choosing a row of a stage not yet computed would show zeros under a real name.
bool IsSelectable(const model::CamModel& model, int row);

// The row (1..20, the contact rows) whose FuncShort is exactly `name`; 0 when none.
int RowOfName(std::string_view name);

// The typing-code match: the first two characters of `text`, upper-cased, against the codes of
// the row catalogue ("DI" 1, "VE" 2, ... "AN" 20). The row matched, or 0 when the text matches
// no code.
int MatchFunction(std::string_view text);

// A preset format: the rows it puts into functions 1..count, in that order (which for some
// presets differs from the order of the words in the name).
struct Preset {
    int index; // 1.. within its table
    const char* name;
    int count; // 4 or 2
    std::array<int, 4> rows;
    Stage stage; // listed once this stage is computed
    bool spectrum() const { return stage == Stage::Spectrum; }
};

// Presets of four functions (indices 1..7) and of two functions (indices 1..13), list order.
extern const std::array<Preset, 7> Presets4;
extern const std::array<Preset, 13> Presets2;

// The preset table of `count` functions (4, else the two-function table).
const Preset* PresetTable(int count, std::size_t* size);
// Presets of `count` functions listed now, in list order.
std::vector<const Preset*> Load_Presets(const model::CamModel& model, int count);
// The preset of that index in the table of `count` functions; nullptr when there is none.
const Preset* FindPreset(int count, int index);

} // namespace trochix::output
