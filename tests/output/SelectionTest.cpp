// The selection a plot or table screen keeps: choosing by name, code and preset, the controls
// each state allows, the gap check and its message, the segment ranges and the request Done
// writes into the model.
#include "output/Selection.h"
#include "model/CamModel.h"
#include "model/Fault.h"
#include "model/FunctionNames.h"
#include "model/RecordingHost.h"
#include "model/ResultRow.h"
#include "support/TestModels.h"

#include <gtest/gtest.h>

using namespace trochix;
using model::ResultRow;
using model::ScreenId;
using output::Method;
using output::SelectionForm;
using Names = std::vector<std::string>;

namespace {

const std::string kGap = "Something is wrong. \r\r"
                         "You are missing a plot selection.\r\r"
                         "Please leave no gaps between selections. \r"
                         "Two functions should use Plots 1 and 2. \r"
                         "Three functions should use Plots 1, 2, and 3.";

// Three segments: a rise over 0..90, a dwell over 90..210, a fall over 210..360; sized and
// with a transform of 20 harmonics.
std::unique_ptr<model::CamModel> ThreeSegments(float step = 1.0f) {
    auto m = testsupport::ModelAtStep(step);
    m->SvajDone = m->ProfileDone = m->FftDone = true;
    m->NumSegments = 3;
    const float bounds[] = {0, 90, 210, 360};
    const char* dirs[] = {"R", "D", "F"};
    for (int s = 1; s <= 3; ++s) {
        m->SegStart[s] = bounds[s - 1];
        m->SegEnd[s] = bounds[s];
        m->SegBeta[s] = bounds[s] - bounds[s - 1];
        m->SegDir[s] = dirs[s - 1];
    }
    m->NumHarmonics = 20;
    m->FFTResult.resize(181);
    return m;
}

Names Labels(const SelectionForm& f) {
    Names out;
    for (int k = 1; k <= f.boxes; ++k)
        out.push_back(f.fn[k].label);
    return out;
}

// On / Off / Clear / box / caption of one function as "obcx+" letters: a letter when allowed.
std::string Controls(const SelectionForm& f, int k) {
    const output::SlotControls c = output::ControlsOf(f, k);
    std::string s;
    s += c.box ? 'b' : '-';
    s += c.on ? 'o' : '-';
    s += c.off ? 'f' : '-';
    s += c.clear ? 'c' : '-';
    s += c.active ? 'R' : 'g'; // red or grey caption
    return s;
}

std::string AllControls(const SelectionForm& f) {
    std::string s;
    for (int k = 1; k <= f.boxes; ++k)
        s += (k > 1 ? " " : "") + Controls(f, k);
    return s;
}

TEST(Selection, PresetFillsTheBoxesAndEnablesDone) {
    auto m = ThreeSegments();
    model::RecordingHost host;
    SelectionForm f = output::NewSelection(4, false);
    output::ActivateSelection(*m, f);
    EXPECT_FALSE(f.doneEnabled);
    EXPECT_TRUE(output::PresetBoxEnabled(f));
    EXPECT_EQ(AllControls(f), "----g ----g ----g ----g");

    ASSERT_TRUE(output::ApplyPreset(*m, host, f, 4));
    EXPECT_EQ(Labels(f), (Names{"Radius", "Theta", "Xshftd 90 ", "Yshftd 90 "}));
    EXPECT_EQ(f.fn[3].text, "Xshftd 90 ");
    EXPECT_TRUE(f.doneEnabled);
    EXPECT_EQ(f.NumPlotFuncs, 4);
    EXPECT_EQ(AllControls(f), "----R ----R ----R ----R");

    // The transform preset, then back to a cam-angle one: the kind follows the last choice.
    ASSERT_TRUE(output::ApplyPreset(*m, host, f, 7));
    EXPECT_TRUE(f.spectrum);
    ASSERT_TRUE(output::ApplyPreset(*m, host, f, 1));
    EXPECT_FALSE(f.spectrum);
    EXPECT_EQ(Labels(f), (Names{"Displcmnt", "Velocity", "Accel", "Jerk"}));

    // Not listed without dynamics: nothing changes.
    EXPECT_FALSE(output::ApplyPreset(*m, host, f, 5));
    EXPECT_EQ(f.preset, 1);
    EXPECT_TRUE(host.messages.empty());

    // The two-window screen reads the two-function table.
    SelectionForm two = output::NewSelection(2, false);
    output::ActivateSelection(*m, two);
    ASSERT_TRUE(output::ApplyPreset(*m, host, two, 4));
    EXPECT_EQ(Labels(two), (Names{"Accel", "Jerk"}));
    EXPECT_EQ(two.NumPlotFuncs, 2);
}

// Mix and Match on the single-window screen: functions 2..4 are switched on one at a time.
TEST(Selection, MixAndMatchSwitchesFunctionsOnOneAtATime) {
    auto m = ThreeSegments();
    model::RecordingHost host;
    SelectionForm f = output::NewSelection(4, true);
    output::ActivateSelection(*m, f);
    ASSERT_TRUE(output::ApplyPreset(*m, host, f, 1));
    output::SetupMethod(f, Method::MixAndMatch);
    // Changing the method clears every choice.
    EXPECT_EQ(Labels(f), (Names{"", "", "", ""}));
    EXPECT_FALSE(f.doneEnabled);
    EXPECT_FALSE(output::PresetBoxEnabled(f));
    EXPECT_EQ(f.preset, 0);
    EXPECT_EQ(AllControls(f), "b--cR ----g ----g ----g");

    const struct {
        const char* step;
        std::function<void()> act;
        const char* controls;
        Names labels;
        bool done;
    } steps[] = {
        {"choose 1",
         [&] { output::SelectFunction(*m, host, f, 1, "Velocity"); },
         "b--cR -o--g ----g ----g",
         {"Velocity", "", "", ""},
         true},
        {"On 3 before 2 is refused",
         [&] { output::SwitchOn(f, 3); },
         "b--cR -o--g ----g ----g",
         {"Velocity", "", "", ""},
         true},
        {"On 2",
         [&] { output::SwitchOn(f, 2); },
         "b--cR b-fcR ----g ----g",
         {"Velocity", "", "", ""},
         true},
        {"type rh into 2",
         [&] { output::SelectFunction(*m, host, f, 2, "rh"); },
         "b--cR b-fcR -o--g ----g",
         {"Velocity", "Rho", "", ""},
         true},
        {"On 3, pick Jerk",
         [&] {
             output::SwitchOn(f, 3);
             output::SelectFunction(*m, host, f, 3, "Jerk");
         },
         "b--cR b-fcR b-fcR -o--g",
         {"Velocity", "Rho", "Jerk", ""},
         true},
        {"Off 3",
         [&] { output::SwitchOff(host, f, 3); },
         "b--cR b-fcR -o--g ----g",
         {"Velocity", "Rho", "", ""},
         true},
        {"Clear 1 leaves a gap",
         [&] { output::ClearFunction(host, f, 1); },
         "b--cR b-fcR -o--g ----g",
         {"", "Rho", "", ""},
         false},
    };
    for (const auto& s : steps) {
        s.act();
        EXPECT_EQ(AllControls(f), s.controls) << s.step;
        EXPECT_EQ(Labels(f), s.labels) << s.step;
        EXPECT_EQ(f.doneEnabled, s.done) << s.step;
    }
    // Only the last step left a gap.
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, kGap);
    EXPECT_EQ(host.messages[0].icon, model::Icon::Exclamation);
    EXPECT_EQ(f.NumPlotFuncs, 2);
}

TEST(Selection, GapCheckCountsTheIndicatorLabels) {
    auto m = ThreeSegments();
    const struct {
        std::vector<int> chosen; // boxes given a function, in order
        int numPlotFuncs;
        bool done;
        int messages; // gap messages shown on the way
    } cases[] = {
        {{}, 0, false, 0},          {{1}, 1, true, 0},        {{1, 2}, 2, true, 0},
        {{1, 3}, 3, false, 1},      {{1, 3, 2}, 3, true, 1},  {{2}, 2, false, 1},
        {{4, 3, 2, 1}, 4, true, 3}, {{1, 2, 4}, 4, false, 1}, {{1, 2, 3, 4}, 4, true, 0},
    };
    for (const auto& c : cases) {
        model::RecordingHost host;
        SelectionForm f = output::NewSelection(4, false);
        output::ActivateSelection(*m, f);
        output::SetupMethod(f, Method::MixAndMatch);
        for (int k : c.chosen)
            output::SelectFunction(*m, host, f, k, "DI");
        EXPECT_EQ(f.NumPlotFuncs, c.numPlotFuncs);
        EXPECT_EQ(f.doneEnabled, c.done);
        EXPECT_EQ(host.messages.size(), static_cast<std::size_t>(c.messages));
        for (const auto& msg : host.messages)
            EXPECT_EQ(msg.text, kGap);
    }
}

TEST(Selection, TypedTextSelectsOnlyWhatMatches) {
    auto m = ThreeSegments();
    m->ProfileDone = false;
    model::RecordingHost host;
    SelectionForm f = output::NewSelection(4, false);
    output::ActivateSelection(*m, f);
    output::SetupMethod(f, Method::MixAndMatch);

    EXPECT_TRUE(output::SelectFunction(*m, host, f, 1, "ve"));
    EXPECT_EQ(f.fn[1].text, "Velocity");
    // Text of no code, and the code of a stage not computed, are kept as typed and select
    // nothing: the earlier choice stands.
    for (const char* typed : {"q", "zz", "ph", "Phi"}) {
        EXPECT_FALSE(output::SelectFunction(*m, host, f, 1, typed)) << typed;
        EXPECT_EQ(f.fn[1].text, typed);
        EXPECT_EQ(f.fn[1].label, "Velocity");
        EXPECT_EQ(f.fn[1].row, ResultRow::Velocity);
    }
    EXPECT_TRUE(host.messages.empty());
}

// One plot runs either over cam angle or over harmonics: a choice of the other kind drops the
// functions already chosen in the other boxes, and the gap check tells the user.
TEST(Selection, ASpectrumAndCamAngleFunctionsDoNotMix) {
    auto m = ThreeSegments();
    model::RecordingHost host;
    SelectionForm f = output::NewSelection(4, false);
    output::ActivateSelection(*m, f);
    output::SetupMethod(f, Method::MixAndMatch);
    output::SelectFunction(*m, host, f, 1, "DI");
    output::SelectFunction(*m, host, f, 2, "VE");
    ASSERT_TRUE(output::SelectFunction(*m, host, f, 2, "ma"));
    EXPECT_EQ(Labels(f), (Names{"", "Mag FFT", "", ""}));
    EXPECT_TRUE(f.spectrum);
    EXPECT_FALSE(f.doneEnabled);
    EXPECT_EQ(host.lastText(), kGap);
    output::SelectFunction(*m, host, f, 1, "an");
    EXPECT_TRUE(f.doneEnabled);
    output::SelectFunction(*m, host, f, 1, "Accel");
    EXPECT_EQ(Labels(f), (Names{"Accel", "", "", ""}));
    EXPECT_FALSE(f.spectrum);
}

TEST(Selection, SegmentListAndRanges) {
    auto m = ThreeSegments(0.5f);
    m->SegStart[2] = 90.5f; // a segment that starts off the whole degree
    EXPECT_EQ(output::Load_SegmentList(*m),
              (Names{"All", "1  Rise  0.0 - 90.0 deg", "2  Dwell  90.5 - 210.0 deg",
                     "3  Fall  210.0 - 360.0 deg"}));
    const struct {
        const char* text;
        int choice;
    } choices[] = {{"All", 0}, {"1  Rise  0.0 - 90.0 deg", 1}, {"3  Fall", 3}, {"12 x", 12}};
    for (const auto& c : choices)
        EXPECT_EQ(output::SegmentChoice(c.text), c.choice) << c.text;

    const struct {
        int segment;
        bool spectrum;
        float start, end;
        bool all;
        int curSeg;
    } ranges[] = {
        {0, false, 0, 360, true, 1},      {3, false, 210, 360, false, 3},
        {2, false, 90.5f, 210, false, 2}, {3, true, 0, 20, false, 3},
        {0, true, 0, 20, true, 1},
    };
    for (const auto& r : ranges) {
        m->CurSeg = 1;
        output::Get_Plot_Segment(*m, r.segment, r.spectrum);
        EXPECT_EQ(m->PlotStart, r.start) << r.segment;
        EXPECT_EQ(m->PlotEnd, r.end) << r.segment;
        EXPECT_EQ(m->PlotAllSegments, r.all) << r.segment;
        EXPECT_EQ(m->CurSeg, r.curSeg) << r.segment;
    }
    for (int bad : {-1, 4, 17}) {
        try {
            output::Get_Plot_Segment(*m, bad, false);
            ADD_FAILURE() << "segment " << bad << " taken";
        } catch (const model::Fault& fault) {
            EXPECT_EQ(fault.number(), model::kSubscriptOutOfRange);
        }
    }
}

TEST(Selection, DoneWritesThePlotRequest) {
    auto m = ThreeSegments();
    model::RecordingHost host;
    const struct {
        int layout, preset;
        bool aligned;
        int segment;
        ScreenId screen;
        int style, count;
        std::array<int, 5> funcs;
        float start, end;
        bool spectrum;
    } cases[] = {
        {1, 2, false, 0, ScreenId::Plot1, 2, 4, {0, 5, 6, 1, 2}, 0, 360, false},
        {1, 2, true, 0, ScreenId::Plot1, 2, 4, {0, 5, 6, 1, 2}, 0, 360, false},
        {3, 1, true, 2, ScreenId::MyPlot3, 1, 4, {0, 1, 2, 3, 4}, 90, 210, false},
        {3, 1, false, 3, ScreenId::Plot3, 2, 4, {0, 1, 2, 3, 4}, 210, 360, false},
        {2, 11, false, 0, ScreenId::Plot2, 2, 0, {}, 0, 0, false}, // not listed: no request
        {2, 7, true, 1, ScreenId::Myplot2, 1, 2, {0, 9, 10, 0, 0}, 0, 90, false},
        // A spectrum is annotated whatever the style option says, over its harmonics.
        {2, 12, true, 1, ScreenId::Plot2, 2, 2, {0, 19, 20, 0, 0}, 0, 20, true},
        {3, 7, true, 0, ScreenId::Plot3, 2, 4, {0, 17, 18, 19, 20}, 0, 20, true},
    };
    for (const auto& c : cases) {
        SelectionForm f = output::NewSelection(c.layout == 2 ? 2 : 4, c.layout == 1);
        output::ActivateSelection(*m, f);
        if (!output::ApplyPreset(*m, host, f, c.preset)) {
            EXPECT_EQ(c.count, 0) << c.preset;
            continue;
        }
        f.segment = c.segment;
        m->PlotFunc = {9, 9, 9, 9, 9};
        EXPECT_EQ(output::WritePlotRequest(*m, f, c.layout, c.aligned), c.screen);
        EXPECT_EQ(m->PlotType, c.layout);
        EXPECT_EQ(m->PlotStyle, c.style) << c.layout << "/" << c.preset;
        EXPECT_EQ(m->NumPlotFuncs, c.count);
        EXPECT_EQ(m->PlotFunc, c.funcs) << c.layout << "/" << c.preset;
        EXPECT_EQ(m->PlotStart, c.start);
        EXPECT_EQ(m->PlotEnd, c.end);
        EXPECT_EQ(m->SpectrumSelected, c.spectrum);
        EXPECT_EQ(m->PlotStepDeg, 1);
    }

    m->SpectrumSelected = true;
    EXPECT_EQ(output::WritePolarRequest(*m), ScreenId::Plot4);
    EXPECT_EQ(m->PlotType, 4);
    EXPECT_EQ(m->NumPlotFuncs, 1);
    EXPECT_EQ(m->PlotFunc[1], ResultRow::CamRadius);
    EXPECT_EQ(m->PlotEnd, 360.0f);
    EXPECT_FALSE(m->SpectrumSelected);
    EXPECT_TRUE(m->PlotAllSegments);
}

// Choices survive a later visit as far as the model still computes them.
TEST(Selection, ActivationKeepsWhatStillHolds) {
    auto m = ThreeSegments();
    model::RecordingHost host;
    SelectionForm f = output::NewSelection(4, false);
    output::ActivateSelection(*m, f);
    ASSERT_TRUE(output::ApplyPreset(*m, host, f, 2)); // Phi, Rho, S, V
    f.segment = 3;
    output::ActivateSelection(*m, f);
    EXPECT_EQ(Labels(f), (Names{"Phi", "Rho", "Displcmnt", "Velocity"}));
    EXPECT_TRUE(f.doneEnabled);
    EXPECT_EQ(f.segment, 3);

    // A new motion program of two segments, not yet sized: the preset goes with its boxes.
    m->ProfileDone = false;
    m->NumSegments = 2;
    output::ActivateSelection(*m, f);
    EXPECT_EQ(f.preset, 0);
    EXPECT_EQ(Labels(f), (Names{"", "", "", ""}));
    EXPECT_FALSE(f.doneEnabled);
    EXPECT_EQ(f.segment, 0);
    EXPECT_EQ(f.presets.size(), 2u); // S-V-A-J and the transform
    EXPECT_EQ(f.functionRows, (std::vector<int>{1, 2, 3, 4}));

    // Mix and Match: a dropped function leaves a gap that disables Done without a message.
    m->ProfileDone = true;
    output::SetupMethod(f, Method::MixAndMatch);
    output::SelectFunction(*m, host, f, 1, "PH");
    output::SelectFunction(*m, host, f, 2, "DI");
    m->ProfileDone = false;
    host.clear();
    output::ActivateSelection(*m, f);
    EXPECT_EQ(Labels(f), (Names{"", "Displcmnt", "", ""}));
    EXPECT_FALSE(f.doneEnabled);
    EXPECT_TRUE(host.messages.empty());
}

TEST(Selection, CodesTypedByProgram) {
    auto m = ThreeSegments();
    model::RecordingHost host;
    SelectionForm f = output::NewSelection(4, false);
    output::ActivateSelection(*m, f);
    ASSERT_TRUE(output::ApplyPreset(*m, host, f, 3));
    EXPECT_TRUE(output::SelectCodes(*m, host, f, {"DI", "VE", "AC", "JE"}));
    EXPECT_EQ(Labels(f), (Names{"Displcmnt", "Velocity", "Accel", "Jerk"}));
    EXPECT_EQ(f.preset, 0);
    EXPECT_TRUE(f.doneEnabled);
    EXPECT_FALSE(output::SelectCodes(*m, host, f, {"RA", "ZZ"}));
    EXPECT_EQ(Labels(f), (Names{"Radius", "", "", ""}));
    EXPECT_TRUE(host.messages.empty());
}

} // namespace
