#include "output/SelectByCodes.h"

#include "chain/Stages.h"
#include "model/CamModel.h"
#include "model/QuietHost.h"
#include "output/FunctionList.h"
#include "output/Selection.h"

namespace trochix::output {

namespace {

CodeSelection Refused(std::string why) {
    return {false, std::move(why), model::ScreenId::Plot1};
}

const char* StageHint(Stage stage) {
    return chain::Info(stage).toCompute;
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
    if (std::string why = CodesRefusal(m, codes, "plot", false); !why.empty())
        return Refused(std::move(why));
    if (segment < 0 || segment > m.NumSegments)
        return Refused("no segment " + std::to_string(segment) + ": the model has " +
                       std::to_string(m.NumSegments));

    // The same form a selection screen fills, so that both write one request.
    SelectionForm form = NewSelection(boxes, false);
    SetupMethod(form, Method::MixAndMatch);
    ActivateSelection(m, form);
    form.segment = segment;
    model::QuietHost quiet; // consecutive codes leave no gap to report
    SelectCodes(m, quiet, form, codes);
    return {true, "", WritePlotRequest(m, form, layout, style == 1)};
}

std::string CodesRefusal(const model::CamModel& m, const std::vector<std::string>& codes,
                         const std::string& what, bool blanks) {
    int chosen = 0;
    bool spectrum = false;
    for (const std::string& code : codes) {
        if (blanks && code == "-")
            continue;
        const int row = MatchFunction(code);
        if (row == 0)
            return "unknown code \"" + code + "\"";
        if (!IsSelectable(m, row))
            return "stage not computed for \"" + code + "\": " + StageHint(StageOf(row));
        if (chosen > 0 && IsSpectrumRow(row) != spectrum)
            return "spectrum and cam-angle functions cannot share a " + what;
        spectrum = IsSpectrumRow(row);
        ++chosen;
    }
    return {};
}

} // namespace trochix::output
