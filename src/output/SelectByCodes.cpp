#include "output/SelectByCodes.h"

#include "model/CamModel.h"
#include "model/RecordingHost.h"
#include "output/FunctionList.h"
#include "output/Selection.h"

namespace trochix::output {

namespace {

CodeSelection Refused(std::string why) {
    return {false, std::move(why), model::ScreenId::Plot1};
}

const char* StageHint(Stage stage) {
    switch (stage) {
    case Stage::Profile: return "size the cam first";
    case Stage::Dynamics: return "compute the dynamics first";
    case Stage::Spectrum: return "compute a Fourier transform first";
    case Stage::Svaj: break;
    }
    return "compute the motion program first";
}

} // namespace

CodeSelection SelectByCodes(model::CamModel& m, const std::vector<std::string>& codes, int layout,
                            int style, int segment) {
    if (!m.SvajDone)
        return Refused("no motion program computed");
    if (layout < 1 || layout > 4)
        return Refused("unknown layout " + std::to_string(layout));
    if (style < 1 || style > 2)
        return Refused("unknown style " + std::to_string(style));

    if (layout == 4) {
        if (!m.ProfileDone)
            return Refused(std::string("stage not computed for the polar plot: ") +
                           StageHint(Stage::Profile));
        return {true, "", WritePolarRequest(m)};
    }

    const int boxes = layout == 2 ? 2 : 4;
    if (codes.empty())
        return Refused("no function code given");
    if (codes.size() > static_cast<std::size_t>(boxes))
        return Refused(std::string(layout == 2   ? "two windows"
                                   : layout == 3 ? "four windows"
                                                 : "a single window") +
                       " take" + (layout == 1 ? "s" : "") + " 1 to " + std::to_string(boxes) +
                       " function codes, not " + std::to_string(codes.size()));
    bool spectrum = false;
    for (std::size_t i = 0; i < codes.size(); ++i) {
        const int row = MatchFunction(codes[i]);
        if (row == 0)
            return Refused("unknown code \"" + codes[i] + "\"");
        if (!IsSelectable(m, row))
            return Refused("stage not computed for \"" + codes[i] +
                           "\": " + StageHint(StageOf(row)));
        if (i > 0 && IsSpectrumRow(row) != spectrum)
            return Refused("spectrum and cam-angle functions cannot share a plot");
        spectrum = IsSpectrumRow(row);
    }
    if (segment < 0 || segment > m.NumSegments)
        return Refused("no segment " + std::to_string(segment) + ": the model has " +
                       std::to_string(m.NumSegments));

    // The same form a selection screen fills, so that both write one request.
    SelectionForm form = NewSelection(boxes, false);
    SetupMethod(form, Method::MixAndMatch);
    ActivateSelection(m, form);
    form.segment = segment;
    model::RecordingHost quiet; // consecutive codes leave no gap to report
    SelectCodes(m, quiet, form, codes);
    return {true, "", WritePlotRequest(m, form, layout, style == 1)};
}

} // namespace trochix::output
