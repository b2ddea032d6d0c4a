// The five unit systems. They only label values; stored numbers are never converted.
#pragma once

#include <array>
#include <cstddef>
#include <string>

namespace trochix::model {

struct CamModel;

constexpr int kUnitSystems = 5;

// Entries of UnitLabel that stand for a kind of unit rather than one function: the labels of
// the radius of curvature, force and torque rows, and the extra mass entry 17.
constexpr int kLengthLabel = 6;
constexpr int kForceLabel = 7;
constexpr int kTorqueLabel = 8;
constexpr int kMassLabel = 17;
// UnitLabel: rows 0..16, the mass at 17, nothing for the transform's rows, then the contact and response rows.
constexpr std::size_t kUnitLabels = 28;

struct UnitSystemNames {
    const char* menu;
    const char* length;
    const char* force;
    const char* mass;
};

// Index 1..5; entry 0 is unused.
extern const std::array<UnitSystemNames, kUnitSystems + 1> UnitSystems;

// Millimetres in one length unit of system k (1..5; outside that, the first system): what a
// drawing at true scale is laid out with.
double MillimetresPerLength(int system);

// Pascals in one stress unit (force per length squared) of system k (1..5; outside that, the
// first system).
double PascalsPerStress(int system);

// Fills labels[0..count] for `system` and the follower motion (translating or oscillating).
template <std::size_t N>
void SetUnitLabels(std::array<std::string, N>& labels, int count, int system, bool translating);

// Chooses unit system k (1..5) as the Units menu does: labels rebuilt, UnitSystem = k.
void SelectUnitSystem(CamModel& model, int k);

// Rebuilds model.UnitLabel for the current system and follower motion.
void RefreshUnitLabels(CamModel& model);

} // namespace trochix::model
