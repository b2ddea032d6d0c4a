#include "dynamics/Flywheel.h"

#include "model/CamModel.h"
#include "model/Fault.h"
#include "model/ReportError.h"
#include "model/ResultRow.h"
#include "model/Units.h"
#include "motion/MathHelpers.h"
#include "text/NumberText.h"
#include "text/TextColumns.h"

#include <algorithm>
#include <cmath>

namespace trochix::dynamics {

using model::kForceLabel;
using model::kLengthLabel;
using model::kTorqueLabel;
using model::ResultRow;

namespace {

// The lists always hold at least this many pulses, so a table never reads past them.
constexpr int kMinPulses = 10;

// Tab columns (1-based) of the pulse table: order, first header, first and second values.
constexpr int kOrderColumn = 0;
constexpr int kHeaderColumn = 7;
constexpr int kFirstColumn = 8;
constexpr int kSecondColumn = 18;

float AreaAt(const std::vector<float>& list, int k) {
    return k < static_cast<int>(list.size()) ? list[k] : 0.0f;
}

} // namespace

PulseAreas Flywheel(std::span<const float> torque, int first, int last, double deltaTheta,
                    double average) {
    if (first < 0 || last >= static_cast<int>(torque.size()))
        throw model::Fault(model::kSubscriptOutOfRange);
    const double stepRad = deltaTheta * model::kDegToRad;
    std::vector<double> pos(kMinPulses + 1, 0.0), neg(kMinPulses + 1, 0.0);
    int p = 1, q = 1;
    bool inPositive = false, inNegative = false;
    int firstSign = 0;

    auto deviation = [&](int j) { return static_cast<double>(torque[j]) - average; };
    auto addTo = [](std::vector<double>& list, int index, double dA) {
        if (index >= static_cast<int>(list.size()))
            list.resize(index + 1, 0.0);
        list[index] += dA;
    };

    for (int j = first + 1; j <= last; ++j) {
        const double y = deviation(j);
        const double dA = (y + deviation(j - 1)) / 2.0 * stepRad;
        if (y < 0.0) {
            if (firstSign == 0)
                firstSign = -1;
            if (inPositive)
                ++p;
            inPositive = false;
            inNegative = true;
            addTo(neg, q, dA);
        } else {
            if (firstSign == 0)
                firstSign = 1;
            if (inNegative)
                ++q;
            inNegative = false;
            inPositive = true;
            addTo(pos, p, dA);
        }
    }

    PulseAreas result;
    result.pos.assign(pos.begin(), pos.end());
    result.neg.assign(neg.begin(), neg.end());
    result.firstSign = firstSign;
    result.count = p + q;
    return result;
}

int PulseTableRows(int count) {
    // (count + 1) / 2, a half going to the even neighbour.
    const int twice = count + 1;
    int rows = twice / 2;
    if (twice % 2 != 0 && rows % 2 != 0)
        ++rows;
    return rows;
}

void Fly(CamModel& model, Host& host) {
    model::RunGuarded(host, "Fly", [&] {
        model.PosAreas.assign(kMinPulses + 1, 0.0f);
        model.NegAreas.assign(kMinPulses + 1, 0.0f);
        model.FirstSign = 0;
        model.PulseCount = 0;
        auto& R = model.Results;
        const int n = model.NumPoints;
        const double average = motion::Average2(0, n, R, motion::Order::Pointer_I, 8);
        model.AvgTorque = static_cast<float>(average);

        model::RunGuarded(host, "Flywheel", [&] {
            PulseAreas a = Flywheel(R[ResultRow::Torque], 1, n, model.DeltaTheta, average);
            model.PosAreas = std::move(a.pos);
            model.NegAreas = std::move(a.neg);
            model.FirstSign = a.firstSign;
            model.PulseCount = a.count;
        });

        for (int i = 1; i <= n; ++i) {
            const float v =
                static_cast<float>(static_cast<double>(R[ResultRow::Torque][i]) * model.FluctCoef);
            if (!std::isfinite(v))
                throw model::Fault(model::kOverflow);
            R[ResultRow::FlywheelTorque][i] = v;
        }
    });
}

std::vector<std::string> PulseTableLines(const CamModel& model) {
    using text::FNRound;
    using text::TextLine;
    std::vector<std::string> lines = {
        " Areas of Camshaft Torque",
        " Pulses in Order over 1 cycle ",
        "",
        "    in Energy Units of :",
        "   " + model.UnitLabel[kForceLabel] + " - " + model.UnitLabel[kLengthLabel] + " - Radians",
        "",
    };
    if (model.FirstSign != 0) {
        const bool negFirst = model.FirstSign < 0;
        lines.push_back(TextLine()
                            .tab(kOrderColumn)
                            .text(" Order")
                            .tab(kHeaderColumn)
                            .text(negFirst ? " Neg Area" : " Pos Area")
                            .tab(kSecondColumn)
                            .text(negFirst ? " Pos Area" : " Neg Area"));
        lines.emplace_back();

        const auto& firstList = negFirst ? model.NegAreas : model.PosAreas;
        const auto& secondList = negFirst ? model.PosAreas : model.NegAreas;
        const int rows = PulseTableRows(model.PulseCount);
        for (int k = 1; k <= rows; ++k) {
            lines.push_back(TextLine()
                                .tab(kOrderColumn)
                                .text("   ")
                                .number(k)
                                .tab(kFirstColumn)
                                .number(FNRound(AreaAt(firstList, k), 1))
                                .tab(kSecondColumn)
                                .number(FNRound(AreaAt(secondList, k), 1)));
        }
    }
    lines.emplace_back();
    lines.emplace_back("    Average Torque:");
    lines.push_back(TextLine("   ")
                        .number(FNRound(model.AvgTorque, 2))
                        .text("  ")
                        .text(model.UnitLabel[kTorqueLabel]));
    return lines;
}

FlywheelSize FlywheelSizing(const CamModel& model) {
    FlywheelSize size;
    if (model.FirstSign == 0)
        return size;
    const bool negFirst = model.FirstSign < 0;
    const auto& firstList = negFirst ? model.NegAreas : model.PosAreas;
    const auto& secondList = negFirst ? model.PosAreas : model.NegAreas;
    const int pulses = static_cast<int>(std::max(firstList.size(), secondList.size()));
    double energy = 0.0, most = 0.0, least = 0.0;
    for (int k = 1; k < pulses; ++k) {
        for (const auto* list : {&firstList, &secondList}) {
            energy += AreaAt(*list, k);
            most = std::max(most, energy);
            least = std::min(least, energy);
        }
    }
    size.swing = most - least;
    const double cf = model.FluctCoef, omega = model.CamOmega;
    if (!(cf > 0.0) || !(omega > 0.0) || !std::isfinite(size.swing))
        return size;
    size.inertia = size.swing / (cf * omega * omega);
    size.valid = std::isfinite(size.inertia);
    return size;
}

std::vector<std::string> FlywheelSizeLines(const CamModel& model) {
    using text::FNRoundStr;
    const FlywheelSize size = FlywheelSizing(model);
    const std::string& torque = model.UnitLabel[kTorqueLabel];
    if (!size.valid)
        return {" Flywheel: no torque pulses to size it from"};
    return {
        " Largest energy swing between pulses:",
        "   " + FNRoundStr(size.swing, 2) + "  " + torque,
        " Flywheel inertia for a speed fluctuation of " + FNRoundStr(model.FluctCoef, 3) + ":",
        "   " + FNRoundStr(size.inertia, size.inertia < 1.0 ? 5 : 3) + "  " + torque + "-sec^2",
    };
}

} // namespace trochix::dynamics
