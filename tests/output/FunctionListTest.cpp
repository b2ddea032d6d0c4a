// The functions and presets offered for plots and tables, the typing codes, and the rows each
// preset puts into the function boxes. Names are written out as the user reads them in the
// lists, so a shifted table or a wrong listing rule shows up as a wrong name.
#include "output/FunctionList.h"
#include "model/CamModel.h"
#include "model/FunctionNames.h"
#include "model/ResultRow.h"
#include "support/TestModels.h"

#include <gtest/gtest.h>

using namespace trochix;
using model::ResultRow;
using Names = std::vector<std::string>;

namespace {

struct Flags {
    bool profile, dynamics, fft;
};

std::unique_ptr<model::CamModel> ModelWith(Flags f) {
    auto m = testsupport::ModelAtStep(1.0f);
    m->SvajDone = true;
    m->ProfileDone = f.profile;
    m->DynamicsDone = f.dynamics;
    m->FftDone = f.fft;
    return m;
}

Names PresetNames(const model::CamModel& m, int count) {
    Names names;
    for (const output::Preset* p : output::Load_Presets(m, count))
        names.push_back(p->name);
    return names;
}

const Names kSvaj = {"Displcmnt", "Velocity", "Accel", "Jerk"};
const Names kSized = {"Displcmnt", "Velocity", "Accel",  "Jerk",  "Phi",        "Rho",
                      "Xcoord",    "Ycoord",   "Radius", "Theta", "Xshftd 90 ", "Yshftd 90 "};
const Names kDynamics = {"Displcmnt", "Velocity", "Accel",      "Jerk",       "Phi",    "Rho",
                         "Force",     "Torque",   "Frictn Trq", "Flywhl Trq", "Xcoord", "Ycoord",
                         "Radius",    "Theta",    "Xshftd 90 ", "Yshftd 90 "};

TEST(FunctionList, ListsGrowWithEachComputedStage) {
    const Names p4Svaj = {"Displacement, Velocity, Acceleration, Jerk"};
    const Names p4Sized = {"Displacement, Velocity, Acceleration, Jerk",
                           "Phi, Rho, Displacement, Velocity", "Radius, Theta, X-coord, Y-coord",
                           "X-shifted 90, Y-shifted 90, Radius, Theta"};
    Names p4Dyn = p4Sized;
    p4Dyn.insert(p4Dyn.end(), {"Acceleration, Displacement, Force, Torque",
                               "Force, Torque, Friction Torque, Flywheel Torque"});
    Names p4Fft = p4Dyn;
    p4Fft.push_back("Current FFT - Real, Imag, Mag, Phase");

    const Names p2Svaj = {"Displacement and Velocity", "Velocity and Acceleration",
                          "Acceleration and Displacement", "Jerk and Acceleration"};
    Names p2Sized = p2Svaj;
    p2Sized.insert(p2Sized.end(), {"Phi and Rho", "Radius and Theta of cam",
                                   "Cam X and Y coordinates", "X-shifted 90, Y-shifted 90"});
    Names p2Dyn = p2Sized;
    p2Dyn.insert(p2Dyn.end(),
                 {"Follower Force and Total Torque", "Total Torque and Flywheel Torque",
                  "Loss (Friction) Torque and Total Torque"});
    Names p2Fft = p2Dyn;
    p2Fft.insert(p2Fft.end(), {"Mag and Phase Components of Current FFT",
                               "Real and Imag Components of Current FFT"});
    // A transform of the displacement can be taken before sizing: the spectrum presets follow
    // FftDone alone.
    Names p2SvajFft = p2Svaj;
    p2SvajFft.insert(p2SvajFft.end(), {"Mag and Phase Components of Current FFT",
                                       "Real and Imag Components of Current FFT"});

    const struct {
        const char* what;
        Flags flags;
        const Names &functions, &presets4, &presets2;
    } cases[] = {
        {"before sizing", {false, false, false}, kSvaj, p4Svaj, p2Svaj},
        {"sized", {true, false, false}, kSized, p4Sized, p2Sized},
        {"dynamics", {true, true, false}, kDynamics, p4Dyn, p2Dyn},
        {"transform", {true, true, true}, kDynamics, p4Fft, p2Fft},
        {"transform before sizing",
         {false, false, true},
         kSvaj,
         Names{p4Svaj[0], "Current FFT - Real, Imag, Mag, Phase"},
         p2SvajFft},
    };
    for (const auto& c : cases) {
        const auto m = ModelWith(c.flags);
        EXPECT_EQ(output::FillFunctionList(*m), c.functions) << c.what;
        EXPECT_EQ(PresetNames(*m, 4), c.presets4) << c.what;
        EXPECT_EQ(PresetNames(*m, 2), c.presets2) << c.what;
    }
}

TEST(FunctionList, EveryCodeNamesItsFunction) {
    const struct {
        const char* typed;
        const char* name; // FuncShort of the row matched, "" for none
        bool spectrum;
    } cases[] = {
        {"DI", "Displcmnt", false},
        {"VE", "Velocity", false},
        {"AC", "Accel", false},
        {"JE", "Jerk", false},
        {"PH", "Phi", false},
        {"RH", "Rho", false},
        {"FO", "Force", false},
        {"TO", "Torque", false},
        {"XC", "Xcoord", false},
        {"YC", "Ycoord", false},
        {"RA", "Radius", false},
        {"TH", "Theta", false},
        {"XS", "Xshftd 90 ", false},
        {"YS", "Yshftd 90 ", false},
        {"FR", "Frictn Trq", false},
        {"FL", "Flywhl Trq", false},
        {"RE", "Real FFT", true},
        {"IM", "Imag FFT", true},
        {"MA", "Mag FFT", true},
        {"AN", "Ang FFT", true},
        // Only the first two characters count, in either case.
        {"ma", "Mag FFT", true},
        {"velocity", "Velocity", false},
        {"Jerk", "Jerk", false},
        {"xShift", "Xshftd 90 ", false},
        // No code.
        {"D", "", false},
        {"", "", false},
        {"ZZ", "", false},
        {" DI", "", false},
        {"Dsp", "", false},
        {"SV", "", false},
    };
    for (const auto& c : cases) {
        const int row = output::MatchFunction(c.typed);
        EXPECT_EQ(row == 0 ? std::string() : model::FuncShort[row], c.name) << c.typed;
        EXPECT_EQ(output::IsSpectrumRow(row), c.spectrum) << c.typed;
    }
}

TEST(FunctionList, PresetsPutTheirRowsInTableOrder) {
    using R = ResultRow;
    const struct {
        int count, index;
        std::array<int, 4> rows;
        bool spectrum;
    } cases[] = {
        {4, 1, {R::Displacement, R::Velocity, R::Acceleration, R::Jerk}, false},
        {4, 2, {R::PressureAngle, R::RadiusOfCurvature, R::Displacement, R::Velocity}, false},
        {4, 3, {R::CamRadius, R::CamTheta, R::XCoord, R::YCoord}, false},
        // Named "X-shifted 90, Y-shifted 90, Radius, Theta", filled radius and theta first.
        {4, 4, {R::CamRadius, R::CamTheta, R::XShifted90, R::YShifted90}, false},
        {4, 5, {R::Acceleration, R::Displacement, R::Force, R::Torque}, false},
        {4, 6, {R::Force, R::Torque, R::FrictionTorque, R::FlywheelTorque}, false},
        {4, 7, {R::FftReal, R::FftImag, R::FftMagnitude, R::FftPhase}, true},
        {2, 1, {R::Displacement, R::Velocity, 0, 0}, false},
        {2, 2, {R::Velocity, R::Acceleration, 0, 0}, false},
        {2, 3, {R::Acceleration, R::Displacement, 0, 0}, false},
        {2, 4, {R::Acceleration, R::Jerk, 0, 0}, false},
        {2, 5, {R::PressureAngle, R::RadiusOfCurvature, 0, 0}, false},
        {2, 6, {R::CamRadius, R::CamTheta, 0, 0}, false},
        {2, 7, {R::XCoord, R::YCoord, 0, 0}, false},
        {2, 8, {R::XShifted90, R::YShifted90, 0, 0}, false},
        {2, 9, {R::Force, R::Torque, 0, 0}, false},
        {2, 10, {R::Torque, R::FlywheelTorque, 0, 0}, false},
        // Named "Loss (Friction) Torque and Total Torque", filled total torque first.
        {2, 11, {R::Torque, R::FrictionTorque, 0, 0}, false},
        {2, 12, {R::FftMagnitude, R::FftPhase, 0, 0}, true},
        {2, 13, {R::FftReal, R::FftImag, 0, 0}, true},
    };
    for (const auto& c : cases) {
        const output::Preset* p = output::FindPreset(c.count, c.index);
        ASSERT_NE(p, nullptr) << c.count << "/" << c.index;
        EXPECT_EQ(p->count, c.count);
        EXPECT_EQ(p->rows, c.rows) << p->name;
        EXPECT_EQ(p->spectrum(), c.spectrum) << p->name;
    }
    EXPECT_EQ(output::FindPreset(4, 8), nullptr);
    EXPECT_EQ(output::FindPreset(2, 0), nullptr);
    EXPECT_EQ(output::FindPreset(2, 14), nullptr);
}

// A function whose stage has not run cannot be chosen, whether listed or typed.
TEST(FunctionList, OnlyComputedStagesAreSelectable) {
    const struct {
        Flags flags;
        std::vector<int> selectable;
    } cases[] = {
        {{false, false, false}, {1, 2, 3, 4}},
        {{true, false, false}, {1, 2, 3, 4, 5, 6, 9, 10, 11, 12, 13, 14}},
        {{true, true, false}, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16}},
        {{false, false, true}, {1, 2, 3, 4, 17, 18, 19, 20}},
    };
    for (const auto& c : cases) {
        const auto m = ModelWith(c.flags);
        std::vector<int> rows;
        for (int row = -1; row <= 22; ++row)
            if (output::IsSelectable(*m, row))
                rows.push_back(row);
        EXPECT_EQ(rows, c.selectable);
    }
}

} // namespace
