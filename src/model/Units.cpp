#include "model/Units.h"

#include "model/CamModel.h"
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
        case UnitKind::None: break;
        }
        return std::string();
    };
    // Rows 0..16 by their kind of unit; entry 17 is the mass of the dynamics screen.
    const int last = std::min<int>(count, static_cast<int>(std::min<std::size_t>(N, 18)) - 1);
    for (int i = 0; i <= last; ++i)
        labels[i] = i == kMassLabel ? std::string(u.mass) : label(RowCatalogue[i].unit);
}

template void SetUnitLabels(std::array<std::string, kNumFunctions + 2>&, int, int, bool);

void SelectUnitSystem(CamModel& model, int k) {
    k = std::clamp(k, 1, kUnitSystems);
    SetUnitLabels(model.UnitLabel, model.NumFunctions + 1, k, model.Translating);
    model.UnitSystem = k;
}

void RefreshUnitLabels(CamModel& model) {
    SetUnitLabels(model.UnitLabel, model.NumFunctions + 1, model.UnitSystem, model.Translating);
}

} // namespace trochix::model
