// Camshaft torque pulses and the flywheel.
//
// The torque curve is split into pulses above and below its average; each pulse is integrated
// by trapezoids to an energy (torque x radians). The pulse lists are indexed from 1 and grow as
// needed (at least 10 entries each). Row 16 is the torque scaled by the coefficient of speed
// fluctuation.
#pragma once

#include <span>
#include <string>
#include <vector>

#include "model/Forward.h"

namespace trochix::dynamics {

using model::CamModel;
using model::Host;

struct PulseAreas {
    std::vector<float> pos; // index 1..; 0 unused
    std::vector<float> neg;
    int firstSign = 0;      // -1 or +1; 0 when fewer than two points were given
    int count = 0;          // the pulse count as the program reports it: p + q
};

// Pulse integration of torque[first..last] about `average`, with the step in degrees.
// A point is negative when its deviation is below 0, else non-negative; the area of each step
// (mean of the deviations at its ends x step in radians) goes to the run its end point opened.
// Points outside the span raise fault 9.
PulseAreas Flywheel(std::span<const float> torque, int first, int last, double deltaTheta,
                    double average);

// Rows of the pulse table for a pulse count: (count + 1) / 2 rounded half to even.
int PulseTableRows(int count);

// Average torque (points 0..NumPoints of row 8), pulse areas into the model, row 16 =
// row 8 x FluctCoef at points 1..NumPoints. Faults are reported under "Fly" or "Flywheel".
void Fly(CamModel& model, Host& host);

// The pulse-area table as printed in the Dynamics screen's picture, one text per line.
std::vector<std::string> PulseTableLines(const CamModel& model);

// What a designer needs to choose a flywheel, from the pulse areas in their order over the
// cycle (first kind 1, other kind 1, first kind 2, ...):
//   swing    the largest energy swing: max - min of the running sum of the areas (0 before the
//            first pulse), torque x radians
//   inertia  the moment of inertia that holds the speed within FluctCoef at CamOmega:
//            I = swing / (FluctCoef x CamOmega^2), force x length x seconds^2
// `valid` is false when no pulse was found or FluctCoef or CamOmega is not positive.
struct FlywheelSize {
    double swing = 0.0;
    double inertia = 0.0;
    bool valid = false;
};
FlywheelSize FlywheelSizing(const CamModel& model);

// The two figures as the Dynamics screen states them under the pulse table, with their units.
std::vector<std::string> FlywheelSizeLines(const CamModel& model);

} // namespace trochix::dynamics
