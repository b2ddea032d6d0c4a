#include "output/FunctionList.h"

#include "chain/Stages.h"
#include "model/CamModel.h"
#include "model/FunctionNames.h"
#include "model/ResultRow.h"
#include "model/RowCatalogue.h"

#include <algorithm>
#include <cctype>

namespace trochix::output {

using model::ResultRow;

// clang-format off
// Short local names for the preset tables, so that each row reads as its preset's name.
namespace {
constexpr int S = ResultRow::Displacement, V = ResultRow::Velocity,
              A = ResultRow::Acceleration, J = ResultRow::Jerk, Phi = ResultRow::PressureAngle,
              Rho = ResultRow::RadiusOfCurvature, Force = ResultRow::Force,
              Torque = ResultRow::Torque, X = ResultRow::XCoord, Y = ResultRow::YCoord,
              Radius = ResultRow::CamRadius, Theta = ResultRow::CamTheta,
              X90 = ResultRow::XShifted90, Y90 = ResultRow::YShifted90,
              Friction = ResultRow::FrictionTorque, Flywheel = ResultRow::FlywheelTorque,
              Re = ResultRow::FftReal, Im = ResultRow::FftImag, Mag = ResultRow::FftMagnitude,
              Phase = ResultRow::FftPhase;
} // namespace

const std::array<Preset, 7> Presets4 = {{
    {1, "Displacement, Velocity, Acceleration, Jerk", 4, {S, V, A, J}, Stage::Motion},
    {2, "Phi, Rho, Displacement, Velocity", 4, {Phi, Rho, S, V}, Stage::Profile},
    {3, "Radius, Theta, X-coord, Y-coord", 4, {Radius, Theta, X, Y}, Stage::Profile},
    // The rows of this preset are not in the order of its name.
    {4, "X-shifted 90, Y-shifted 90, Radius, Theta", 4, {Radius, Theta, X90, Y90},
     Stage::Profile},
    {5, "Acceleration, Displacement, Force, Torque", 4, {A, S, Force, Torque}, Stage::Dynamics},
    {6, "Force, Torque, Friction Torque, Flywheel Torque", 4, {Force, Torque, Friction, Flywheel},
     Stage::Dynamics},
    {7, "Current FFT - Real, Imag, Mag, Phase", 4, {Re, Im, Mag, Phase}, Stage::Spectrum},
}};

const std::array<Preset, 13> Presets2 = {{
    {1, "Displacement and Velocity", 2, {S, V, 0, 0}, Stage::Motion},
    {2, "Velocity and Acceleration", 2, {V, A, 0, 0}, Stage::Motion},
    {3, "Acceleration and Displacement", 2, {A, S, 0, 0}, Stage::Motion},
    // Acceleration first, although the name puts it last.
    {4, "Jerk and Acceleration", 2, {A, J, 0, 0}, Stage::Motion},
    {5, "Phi and Rho", 2, {Phi, Rho, 0, 0}, Stage::Profile},
    {6, "Radius and Theta of cam", 2, {Radius, Theta, 0, 0}, Stage::Profile},
    {7, "Cam X and Y coordinates", 2, {X, Y, 0, 0}, Stage::Profile},
    {8, "X-shifted 90, Y-shifted 90", 2, {X90, Y90, 0, 0}, Stage::Profile},
    {9, "Follower Force and Total Torque", 2, {Force, Torque, 0, 0}, Stage::Dynamics},
    {10, "Total Torque and Flywheel Torque", 2, {Torque, Flywheel, 0, 0}, Stage::Dynamics},
    // Total torque first, although the name puts it last.
    {11, "Loss (Friction) Torque and Total Torque", 2, {Torque, Friction, 0, 0},
     Stage::Dynamics},
    {12, "Mag and Phase Components of Current FFT", 2, {Mag, Phase, 0, 0}, Stage::Spectrum},
    {13, "Real and Imag Components of Current FFT", 2, {Re, Im, 0, 0}, Stage::Spectrum},
}};
// clang-format on

bool StageDone(const model::CamModel& m, Stage stage) {
    // The contact rows are the dynamics' force seen at the contact: no dynamics, no contact.
    if (stage == Stage::Contact && !chain::Done(m, Stage::Dynamics))
        return false;
    return stage == Stage::Motion || chain::Done(m, stage);
}

bool IsSpectrumRow(int row) {
    return row >= ResultRow::FftReal && row <= ResultRow::FftPhase;
}

Stage StageOf(int row) {
    return row >= 0 && row < model::kResultRows ? model::RowCatalogue[row].stage : Stage::Motion;
}

std::vector<int> FunctionRows(const model::CamModel& m) {
    std::vector<const model::RowInfo*> listed;
    for (const model::RowInfo& info : model::RowCatalogue)
        if (info.listPlace > 0 && StageDone(m, info.stage))
            listed.push_back(&info);
    std::sort(listed.begin(), listed.end(),
              [](const auto* a, const auto* b) { return a->listPlace < b->listPlace; });
    std::vector<int> rows;
    for (const model::RowInfo* info : listed)
        rows.push_back(info->row);
    return rows;
}

std::vector<std::string> FillFunctionList(const model::CamModel& m) {
    std::vector<std::string> names;
    for (int row : FunctionRows(m))
        names.push_back(model::FuncShort[row]);
    return names;
}

bool IsSelectable(const model::CamModel& m, int row) {
    if (row < ResultRow::Displacement || row >= model::kResultRows || row == ResultRow::FftPower)
        return false;
    return StageDone(m, StageOf(row));
}

int RowOfName(std::string_view name) {
    if (name.empty())
        return 0;
    for (int row = ResultRow::Displacement; row < model::kResultRows; ++row)
        if (model::FuncShort[row] == name)
            return row;
    return 0;
}

int MatchFunction(std::string_view text) {
    if (text.size() < 2)
        return 0;
    const char code[2] = {static_cast<char>(std::toupper(static_cast<unsigned char>(text[0]))),
                          static_cast<char>(std::toupper(static_cast<unsigned char>(text[1])))};
    for (const model::RowInfo& info : model::RowCatalogue)
        if (info.code[0] == code[0] && info.code[0] != '\0' && info.code[1] == code[1])
            return info.row;
    return 0;
}

const Preset* PresetTable(int count, std::size_t* size) {
    if (count == 4) {
        *size = Presets4.size();
        return Presets4.data();
    }
    *size = Presets2.size();
    return Presets2.data();
}

std::vector<const Preset*> Load_Presets(const model::CamModel& m, int count) {
    std::size_t size = 0;
    const Preset* table = PresetTable(count, &size);
    std::vector<const Preset*> listed;
    for (std::size_t i = 0; i < size; ++i)
        if (StageDone(m, table[i].stage))
            listed.push_back(&table[i]);
    return listed;
}

const Preset* FindPreset(int count, int index) {
    std::size_t size = 0;
    const Preset* table = PresetTable(count, &size);
    if (index < 1 || index > static_cast<int>(size))
        return nullptr;
    return &table[index - 1];
}

} // namespace trochix::output
