#include "model/Units.h"

#include "model/CamModel.h"

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
    const std::string L = u.length, F = u.force, M = u.mass;
    const std::string D = translating ? L : std::string("deg");
    const std::string torque = F + "-" + L;
    const std::array<std::string, 18> all = {
        "deg", D, D + "/sec", D + "/sec^2", D + "/sec^3", "deg", L, F, torque,
        L, L, L, "deg", L, L, torque, torque, M};
    const int last = std::min<int>(count, static_cast<int>(std::min(N, all.size())) - 1);
    for (int i = 0; i <= last; ++i)
        labels[i] = all[i];
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
