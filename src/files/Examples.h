// The five example cam designs of the Examples menu, loaded complete and computed.
//
// Each example replaces the motion program and the follower data, then runs the whole chain as
// a user's model (RecalculateModel): every segment with its law, sizing with the profile, and
// the dynamics. The step (DeltaTheta, NumPoints, DeltaText) is kept as the model has it: every
// example Beta (40, 50, 90, 180 degrees) is a whole number of points at 1, 0.5 and 0.25 degree.
//
//  n  menu text                                         segments  Lift  follower
//  1  "&Single Dwell - Offset Translating Follower"     3         1     roller, offset .75
//  2  "Single Dwell - F&lat-Faced Follower"             3         1     flat face
//  3  "&Double Dwell - Translating Follower"            4         1     roller
//  4  "Double Dwell - &Oscillating Follower"            4         4.77  roller on an arm
//  5  "&Four Dwell - Translating Follower"              8         1     roller
//
// What the model holds afterwards: the segment rows as the input screen shows them (SegDir,
// SegLawText = the full list text, SegBetaText, SegStartText, SegEndText, SegmentsText,
// OmegaText = the speed in rpm), descriptions from the law names with " rise" / " fall",
// CamType "Radial", PlotStart 0 / PlotEnd 360, unit labels for the follower motion,
// RollerRadiusText (2 decimals), SvajDone / ProfileDone / DynamicsDone for the stages that
// completed, ExampleSizing false, ModelSaved false, ModelName = the example's name (ExampleName)
// and no FileName, so that nothing written from it names the file open before. ExampleLoaded
// is left to the menu command.
#pragma once

#include <array>
#include <string>

#include "model/Forward.h"

namespace trochix::files {

using model::CamModel;
using model::Host;

constexpr int kExampleCount = 5;

// Entry n - 1 belongs to example n. Menu texts carry their access-key '&'; names are the same
// texts without it.
extern const std::array<std::string, kExampleCount> ExampleMenuText;
extern const std::array<std::string, kExampleCount> ExampleName;

// Loads example n (1..5) into the model and computes it. Returns false for an n outside 1..5
// (the model is then untouched) or when a stage of the computation did not complete (its
// message was shown; the model holds what was computed).
bool LoadExample(CamModel& model, Host& host, int n);

// The cam speed box text for omega in rad/s: the rpm value omega x 30 / 3.141592654, shortest
// form of up to 7 digits, or more digits when the box would not read it back as exactly omega
// ("143.23945" for 15, where "143.2394" gives 14.999994).


} // namespace trochix::files
