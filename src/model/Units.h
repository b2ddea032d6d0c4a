// The five unit systems. They only label values; stored numbers are never converted.
#pragma once

#include <array>
#include <string>

namespace trochix::model {

struct CamModel;

constexpr int kUnitSystems = 5;

struct UnitSystemNames {
    const char* menu;
    const char* length;
    const char* force;
    const char* mass;
};

// Index 1..5; entry 0 is unused.
extern const std::array<UnitSystemNames, kUnitSystems + 1> UnitSystems;

// Fills labels[0..count] for `system` and the follower motion (translating or oscillating).
template <std::size_t N>
void SetUnitLabels(std::array<std::string, N>& labels, int count, int system, bool translating);

// Chooses unit system k (1..5) as the Units menu does: labels rebuilt, UnitSystem = k.
void SelectUnitSystem(CamModel& model, int k);

// Rebuilds model.UnitLabel for the current system and follower motion.
void RefreshUnitLabels(CamModel& model);

} // namespace trochix::model
