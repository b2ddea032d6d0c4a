// The standard motion laws and the law list a segment row picks from.
//
// Every law routine computes one segment (CurSeg) point by point: theta runs 0, step, 2 step, ...
// while theta <= beta; x = theta / beta. Sval is the displacement (without the segment's base
// position), Vval, Aval, Jval its derivatives per radian, per radian squared and cubed of cam
// angle; StorePoint turns them into per-second values. A fall ("F") is the rise mirrored by
// FallConvert, except the double harmonic, which has its own fall formulas.
//
// Precision: theta and x are float; every term with a written constant or a sine or cosine is
// evaluated in double and rounded to float when assigned to Sval..Jval.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "model/Forward.h"

namespace trochix::motion {

using model::CamModel;
using model::Host;

// Positions in the law list.
enum LawIndex {
    kLawNone = -1,
    kLawModSine = 0,
    kLawModTrap = 1,
    kLawCycloidFull = 2,
    kLawCycloid1 = 3,
    kLawCycloid2 = 4,
    kLawSimpHarmFull = 5,
    kLawSimpHarm1 = 6,
    kLawSimpHarm2 = 7,
    kLawDoubleHarm = 8,
    kLawPolynomial = 9,
    kLawDwell = 10,
    kLaw345 = 11,
    kLaw4567 = 12,
};
constexpr int kLawCount = 13;

// The thirteen list texts in list order ("C1 - Cycloid 1st Half " ends with a blank).
extern const std::array<std::string, kLawCount> LawList;
// Their two-letter codes: "MS", "MT", "CF", ... "67".
extern const std::array<std::string, kLawCount> LawCode;
// Short names for descriptions, 1..7: "SimpHarm", "Cycloid", "Modsine", "ModTrap", "ModHarm",
// "Poly", "Dwell"; entry 0 is empty.
extern const std::array<std::string, 8> LawName;

// List index of the law whose code is the first two characters of text (upper-cased),
// kLawNone when they match no code.
int LawCodeIndex(std::string_view text);

// Sets SegLawFamily (list index), SegHalf (1 first half, 2 second half, 0 not a half law) and
// LawVariant (2 for the half laws, else 1) from the segment's law text. A text that names no
// law leaves the previous law in place. Returns LawVariant.
int ReadLaw(CamModel& model, int segment);

// A point of a rise turned into the matching point of a fall: S = h - S, V, A, J negated.
void FallConvert(CamModel& model);

void Cycloid(CamModel& model);
void Cycloid1(CamModel& model);
void Cycloid2(CamModel& model);
void SimpHarm(CamModel& model);
void SimpHarm1(CamModel& model);
void SimpHarm2(CamModel& model);
void ModSine(CamModel& model);
void ModTrap(CamModel& model);
// Rise ("R") and fall ("F") formulas of its own; any other direction stores the previous
// point's values again.
void DoubleHarm(CamModel& model);
// These two report their own faults (as "Poly345" / "Poly4567") and return false after one.
// On success the description becomes "Poly 5" / "Poly 7".
bool Poly345(CamModel& model, Host& host);
bool Poly4567(CamModel& model, Host& host);
// S = level throughout (also stored as the segment's SegLift), V = A = J = 0.
void Dwell(CamModel& model, float level);

} // namespace trochix::motion
