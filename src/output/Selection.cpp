#include "output/Selection.h"

#include "forms/InputDataForm.h"
#include "model/CamModel.h"
#include "model/Fault.h"
#include "model/FunctionNames.h"
#include "model/Host.h"
#include "model/ResultRow.h"
#include "text/NumberText.h"

#include <algorithm>

namespace trochix::output {

namespace {

bool ValidSlot(const SelectionForm& f, int k) {
    return k >= 1 && k <= f.boxes;
}

int PresetCount(const SelectionForm& f) {
    return f.boxes == 4 ? 4 : 2;
}

void Empty(FunctionSlot& s) {
    s.text.clear();
    s.label.clear();
    s.row = 0;
}

void Choose(FunctionSlot& s, int row) {
    s.on = true;
    s.text = s.label = model::FuncShort[row];
    s.row = row;
}

// The kind of the functions still chosen; none chosen is no spectrum.
bool AnySpectrum(const SelectionForm& f) {
    for (int k = 1; k <= f.boxes; ++k)
        if (f.fn[k].row && IsSpectrumRow(f.fn[k].row))
            return true;
    return false;
}

// An angle with the decimals of the input screen's angle columns, without a bare point.
std::string Angle(float degrees, int decimals) {
    static const char* const pictures[3] = {"0", "0.0", "0.00"};
    return text::FormatPicture(degrees, pictures[std::clamp(decimals, 0, 2)]);
}

} // namespace

SelectionForm NewSelection(int boxes, bool switched) {
    SelectionForm f;
    f.boxes = boxes == 2 ? 2 : 4;
    f.switched = switched;
    SetupMethod(f, Method::PresetFormats);
    return f;
}

SlotControls ControlsOf(const SelectionForm& f, int k) {
    SlotControls c;
    if (!ValidSlot(f, k))
        return c;
    const FunctionSlot& s = f.fn[k];
    c.active = s.on;
    if (f.method == Method::PresetFormats)
        return c;
    if (k == 1 || !f.switched) {
        c.box = c.clear = true;
        return c;
    }
    // Switched on one at a time: the next function can be switched on once this one is chosen.
    c.box = c.off = c.clear = s.on;
    c.on = !s.on && !f.fn[k - 1].label.empty();
    return c;
}

bool PresetBoxEnabled(const SelectionForm& f) {
    return f.method == Method::PresetFormats;
}

bool AllSelected(const SelectionForm& f) {
    for (int k = 1; k <= f.boxes; ++k)
        if (f.fn[k].label.empty())
            return false;
    return true;
}

void ActivateSelection(const model::CamModel& m, SelectionForm& f) {
    f.functionRows = FunctionRows(m);
    f.presets = Load_Presets(m, PresetCount(f));
    f.segments = Load_SegmentList(m);
    if (f.preset != 0) {
        const bool listed = std::any_of(f.presets.begin(), f.presets.end(),
                                        [&](const Preset* p) { return p->index == f.preset; });
        if (!listed) {
            f.preset = 0;
            // The boxes were filled from that preset: they go with it.
            if (f.method == Method::PresetFormats)
                for (int k = 1; k <= 4; ++k)
                    f.fn[k] = {};
        }
    }
    for (int k = 1; k <= 4; ++k)
        if (f.fn[k].row && (k > f.boxes || !IsSelectable(m, f.fn[k].row)))
            Empty(f.fn[k]);
    if (f.segment < 0 || f.segment > m.NumSegments)
        f.segment = 0;
    f.spectrum = AnySpectrum(f);
    CheckSelections(nullptr, f);
}

void SetupMethod(SelectionForm& f, Method method) {
    f.method = method;
    f.preset = 0;
    for (int k = 1; k <= 4; ++k) {
        f.fn[k] = {};
        f.fn[k].on = method == Method::MixAndMatch && k <= f.boxes && (k == 1 || !f.switched);
    }
    f.spectrum = false;
    f.NumPlotFuncs = 0;
    f.doneEnabled = false;
}

bool SelectFunction(const model::CamModel& m, model::Host& host, SelectionForm& f, int k,
                    std::string_view text) {
    if (!ValidSlot(f, k))
        return false;
    FunctionSlot& slot = f.fn[k];
    slot.text = std::string(text);
    int row = RowOfName(text);
    if (row == 0)
        row = MatchFunction(text);
    if (row == 0 || !IsSelectable(m, row))
        return false;
    const bool spectrum = IsSpectrumRow(row);
    for (int j = 1; j <= f.boxes; ++j)
        if (j != k && f.fn[j].row && IsSpectrumRow(f.fn[j].row) != spectrum)
            Empty(f.fn[j]);
    Choose(slot, row);
    f.spectrum = spectrum;
    CheckSelections(&host, f);
    return true;
}

bool ApplyPreset(const model::CamModel& m, model::Host& host, SelectionForm& f, int index) {
    const Preset* p = FindPreset(PresetCount(f), index);
    if (!p || !StageDone(m, p->stage))
        return false;
    f.preset = index;
    for (int k = 1; k <= 4; ++k)
        f.fn[k] = {};
    for (int k = 1; k <= std::min(p->count, f.boxes); ++k)
        Choose(f.fn[k], p->rows[k - 1]);
    f.spectrum = p->spectrum();
    CheckSelections(&host, f);
    return true;
}

void SwitchOn(SelectionForm& f, int k) {
    if (ControlsOf(f, k).on)
        f.fn[k].on = true;
}

void SwitchOff(model::Host& host, SelectionForm& f, int k) {
    if (!f.switched || k < 2 || !ValidSlot(f, k))
        return;
    f.fn[k] = {};
    f.spectrum = AnySpectrum(f);
    CheckSelections(&host, f);
}

void ClearFunction(model::Host& host, SelectionForm& f, int k) {
    if (!ValidSlot(f, k))
        return;
    if (f.switched && k >= 2) {
        SwitchOff(host, f, k);
        return;
    }
    Empty(f.fn[k]);
    f.spectrum = AnySpectrum(f);
    CheckSelections(&host, f);
}

bool SelectCodes(const model::CamModel& m, model::Host& host, SelectionForm& f,
                 const std::vector<std::string>& codes) {
    f.preset = 0;
    for (int k = 1; k <= 4; ++k) {
        f.fn[k] = {};
        f.fn[k].on = f.method == Method::MixAndMatch && k <= f.boxes && (k == 1 || !f.switched);
    }
    bool all = codes.size() <= static_cast<std::size_t>(f.boxes);
    for (int k = 1; k <= f.boxes && k <= static_cast<int>(codes.size()); ++k)
        all = SelectFunction(m, host, f, k, codes[k - 1]) && all;
    f.spectrum = AnySpectrum(f);
    CheckSelections(nullptr, f);
    return all;
}

const std::string& GapMessage() {
    static const std::string text = "Something is wrong. \r\r"
                                    "You are missing a plot selection.\r\r"
                                    "Please leave no gaps between selections. \r"
                                    "Two functions should use Plots 1 and 2. \r"
                                    "Three functions should use Plots 1, 2, and 3.";
    return text;
}

bool CheckSelections(model::Host* host, SelectionForm& f) {
    int highest = 0;
    int filled = 0;
    for (int k = 1; k <= f.boxes; ++k)
        if (!f.fn[k].label.empty()) {
            highest = k;
            ++filled;
        }
    f.NumPlotFuncs = highest;
    const bool gap = filled < highest;
    if (gap && host)
        host->message(GapMessage(), model::Icon::Exclamation, model::DefaultTitle());
    f.doneEnabled = !gap && highest >= 1;
    return f.doneEnabled;
}

std::vector<std::string> Load_SegmentList(const model::CamModel& m) {
    std::vector<std::string> list = {"All"};
    const int d = motion::AngleDecimals(m.DeltaTheta);
    const int count = std::clamp(m.NumSegments, 0, model::kMaxSegments);
    for (int seg = 1; seg <= count; ++seg) {
        std::string entry = std::to_string(seg) + "  ";
        const std::string motion = motion::MotionText(m.SegDir[seg]);
        if (!motion.empty())
            entry += motion + "  ";
        entry += Angle(m.SegStart[seg], d) + " - " + Angle(m.SegEnd[seg], d) + " deg";
        list.push_back(entry);
    }
    return list;
}

int SegmentChoice(std::string_view text) {
    const std::string_view head = text.substr(0, 3);
    if (head == "All")
        return 0;
    return static_cast<int>(text::Val(head));
}

void Get_Plot_Segment(model::CamModel& m, int segment, bool spectrum) {
    if (segment < 0 || segment > m.NumSegments || segment > model::kMaxSegments)
        throw model::Fault(model::kSubscriptOutOfRange);
    m.PlotAllSegments = segment == 0;
    if (segment == 0) {
        m.PlotStart = 0.0f;
        m.PlotEnd = 360.0f;
    } else {
        m.CurSeg = segment;
        m.PlotStart = m.SegStart[segment];
        m.PlotEnd = m.SegEnd[segment];
    }
    if (spectrum) {
        m.PlotStart = 0.0f;
        m.PlotEnd = static_cast<float>(m.NumHarmonics);
    }
}

void TakeSelection(model::CamModel& m, const SelectionForm& f) {
    const bool spectrum = AnySpectrum(f);
    Get_Plot_Segment(m, f.segment, spectrum);
    m.NumPlotFuncs = f.NumPlotFuncs;
    m.PlotFunc = {};
    for (int k = 1; k <= f.NumPlotFuncs && k <= 4; ++k)
        m.PlotFunc[k] = f.fn[k].row;
    m.SpectrumSelected = spectrum;
    m.PlotStepDeg = 1;
}

bool PlotTypeAvailable(const model::CamModel& m, int layout) {
    if (layout == 4)
        return m.SvajDone && m.ProfileDone;
    return m.SvajDone && layout >= 1 && layout <= 3;
}

model::ScreenId SelectPlotType(model::CamModel& m, int layout) {
    using model::ScreenId;
    m.PlotType = std::clamp(layout, 1, 4);
    const ScreenId screens[4] = {ScreenId::PlotSelect1, ScreenId::PlotSelect2,
                                 ScreenId::PlotSelect3, ScreenId::PlotSelect4};
    return screens[m.PlotType - 1];
}

model::ScreenId PlotScreenFor(int layout, int style) {
    using model::ScreenId;
    const bool aligned = style == 1;
    switch (layout) {
    case 2: return aligned ? ScreenId::Myplot2 : ScreenId::Plot2;
    case 3: return aligned ? ScreenId::MyPlot3 : ScreenId::Plot3;
    case 4: return ScreenId::Plot4;
    default: return ScreenId::Plot1;
    }
}

model::ScreenId WritePlotRequest(model::CamModel& m, const SelectionForm& f, int layout,
                                 bool aligned) {
    TakeSelection(m, f);
    m.PlotType = layout;
    // The aligned windows draw cam-angle functions only: a spectrum is always annotated.
    const bool windows = layout == 2 || layout == 3;
    m.PlotStyle = windows && aligned && !m.SpectrumSelected ? 1 : 2;
    return PlotScreenFor(m.PlotType, m.PlotStyle);
}

model::ScreenId WritePolarRequest(model::CamModel& m) {
    Get_Plot_Segment(m, 0, false);
    m.PlotType = 4;
    m.PlotStyle = 2;
    m.NumPlotFuncs = 1;
    m.PlotFunc = {0, model::ResultRow::CamRadius, 0, 0, 0};
    m.SpectrumSelected = false;
    m.PlotStepDeg = 1;
    return model::ScreenId::Plot4;
}

} // namespace trochix::output
