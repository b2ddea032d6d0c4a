#include "model/Units.h"

#include "model/CamModel.h"
#include "model/ResultRow.h"
#include "model/RowCatalogue.h"

#include <algorithm>

namespace trochix::model {

const std::array<UnitSystemNames, kUnitSystems + 1> UnitSystems = {{
    {"", "", "", ""},
    {"ips", "in", "lb", "bl"},
    {"fps", "ft", "lb", "sl"},
    {"SI", "m", "N", "kg"},
    {"cgs", "cm", "Dyne", "g"},
    {"mm-Kg-s", "mm", "KN", "kg"},
}};

double MillimetresPerLength(int system) {
    // in, ft, m, cm, mm
    constexpr std::array<double, kUnitSystems + 1> mm = {25.4, 25.4, 304.8, 1000.0, 10.0, 1.0};
    return system >= 1 && system <= kUnitSystems ? mm[system] : mm[1];
}

template <std::size_t N>
void SetUnitLabels(std::array<std::string, N>& labels, int count, int system, bool translating) {
    system = std::clamp(system, 1, kUnitSystems);
    const UnitSystemNames& u = UnitSystems[system];
    const std::string L = u.length, F = u.force;
    const std::string D = translating ? L : std::string("deg");
    const auto label = [&](UnitKind kind) -> std::string {
        switch (kind) {
        case UnitKind::Degrees: return "deg";
        case UnitKind::Motion: return D;
        case UnitKind::MotionPerSec: return D + "/sec";
        case UnitKind::MotionPerSec2: return D + "/sec^2";
        case UnitKind::MotionPerSec3: return D + "/sec^3";
        case UnitKind::Length: return L;
        case UnitKind::Force: return F;
        case UnitKind::Torque: return F + "-" + L;
        case UnitKind::Stress: return F + "/" + L + "^2";
        case UnitKind::None: break;
        }
        return std::string();
    };
    // Rows 0..16 by their kind of unit; entry 17 is the mass of the dynamics screen.
    const int last = std::min<int>(count, static_cast<int>(std::min<std::size_t>(N, 18)) - 1);
    for (int i = 0; i <= last; ++i)
        labels[i] = i == kMassLabel ? std::string(u.mass) : label(RowCatalogue[i].unit);
    // The contact and response rows follow the transform's rows, which the mass entry shares a place with.
    for (std::size_t i = ResultRow::ContactForce; i < N && i < RowCatalogue.size(); ++i)
        labels[i] = label(RowCatalogue[i].unit);
}

static_assert(kUnitLabels == kResultRows);
template void SetUnitLabels(std::array<std::string, kUnitLabels>&, int, int, bool);
template void SetUnitLabels(std::array<std::string, kNumFunctions + 2>&, int, int, bool);

double PascalsPerStress(int system) {
    // lb/in^2, lb/ft^2, N/m^2, Dyne/cm^2, KN/mm^2; a pound-force is 4.4482216152605 N.
    constexpr double lbf = 4.4482216152605;
    constexpr std::array<double, kUnitSystems + 1> pa = {
        lbf / (0.0254 * 0.0254), lbf / (0.0254 * 0.0254), lbf / (0.3048 * 0.3048), 1.0, 0.1, 1.0e9};
    return system >= 1 && system <= kUnitSystems ? pa[system] : pa[1];
}

void SelectUnitSystem(CamModel& model, int k) {
    k = std::clamp(k, 1, kUnitSystems);
    SetUnitLabels(model.UnitLabel, model.NumFunctions + 1, k, model.Translating);
    model.UnitSystem = k;
}

void RefreshUnitLabels(CamModel& model) {
    SetUnitLabels(model.UnitLabel, model.NumFunctions + 1, model.UnitSystem, model.Translating);
}

} // namespace trochix::model
