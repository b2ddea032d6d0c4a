#include "dynamics/DynamicsText.h"

#include "dynamics/Flywheel.h"
#include "model/CamModel.h"
#include "model/Host.h"
#include "text/NumberText.h"

namespace trochix::dynamics {

using text::FNRoundStr;

FrequencyLabels FrequencyTexts(const CamModel& model) {
    if (model.SpringK == 0.0f)
        return FrequencyLabels{};
    return FrequencyLabels{
        FNRoundStr(model.OmegaN, 1),
        FNRoundStr(model.CritDamp, 1),
        model.OmegaDValid ? FNRoundStr(model.OmegaD, 1) : std::string(),
        FNRoundStr(model.DampC, 1),
    };
}

ExtremeLabels ExtremeTexts(const CamModel& model) {
    return {FNRoundStr(model.ForceMax, 1), FNRoundStr(model.ForceMin, 1),
            FNRoundStr(model.TorqueMax, 1)};
}

DynamicsUnits UnitTexts(const CamModel& model) {
    const auto& u = model.UnitLabel;
    const std::string& length = u[6];
    const std::string& force = u[7];
    return {u[17], force, length, force, force + "-s", length, length, force, u[8]};
}

std::vector<std::string> PulsePictureLines(const CamModel& model) {
    std::vector<std::string> lines = PulseTableLines(model);
    lines.emplace_back();
    for (std::string& line : FlywheelSizeLines(model))
        lines.push_back(std::move(line));
    return lines;
}

const std::string& AccumulateWarningText() {
    static const std::string text =
        "Selecting Torque Accumulation will cause each succeeding\r"
        " torque calculation to add to the existing torque function.\r\r"
        "So do not click the Calculate Button on this form more than once\r"
        "for each new cam on the camshaft after designing it on the other forms.";
    return text;
}

void ShowAccumulateWarning(Host& host) {
    host.message(AccumulateWarningText(), model::Icon::Warning, model::DefaultTitle());
}

} // namespace trochix::dynamics
