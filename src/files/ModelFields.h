// The field order of a segment slot and of the closing lines of a model file, written once
// and walked by both the writer (M = const CamModel) and the reader (M = CamModel), so the
// two cannot drift apart.
//
// A visitor provides:
//   real(float&, FieldName)   integer(int&, FieldName, IntRule)
//   text(std::string&, FieldName, TextRule)   boolean(bool&, FieldName)
// (const references for the writer).
#pragma once

#include "model/CamModel.h"

#include <limits>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>

namespace trochix::files {

// Names a field for messages: "segment 3, PolyBcPos(5)", "Results row 3, point 17".
struct FieldName {
    const char* name;
    int seg = 0;          // segment slot, 0 for none
    int i = -1;           // first index shown in parentheses, -1 for none
    int j = -1;           // second index, -1 for none
    bool results = false; // "Results row i, point j"
};

std::string Describe(const FieldName& f);

// Accepted range of an integer field; zeroAllowed false refuses 0 inside the range.
struct IntRule {
    int lo = std::numeric_limits<int>::min();
    int hi = std::numeric_limits<int>::max();
    bool zeroAllowed = true;
};

// Texts a text field may hold (any text when `texts` is empty), and how a refusal names them.
struct TextRule {
    std::span<const std::string_view> texts;
    const char* should = "";
};

// Segment directions; an empty one is what a row never filled in holds.
inline constexpr std::string_view kSegDirTexts[] = {"R", "F", "P", "D", ""};
inline constexpr TextRule kSegDirRule{kSegDirTexts, "R, F, P or D"};
inline constexpr std::string_view kCamTypeTexts[] = {"Radial", "Barrel"};
inline constexpr TextRule kCamTypeRule{kCamTypeTexts, "\"Radial\" or \"Barrel\""};

template <class M, class V> void VisitSegmentSlot(M& m, int s, int maxBCs, V& v) {
    v.real(m.SegLow[s], {"SegLow", s});
    v.text(m.SegDir[s], {"SegDir", s}, kSegDirRule);
    v.text(m.SegLawText[s], {"law text", s}, {});
    v.text(m.SegDesc[s], {"SegDesc", s}, {});
    v.real(m.SegLift[s], {"SegLift", s});
    v.real(m.SegStart[s], {"SegStart", s});
    v.real(m.SegEnd[s], {"SegEnd", s});
    v.real(m.SegBeta[s], {"SegBeta", s});
    v.real(m.SegBetaRadArr[s], {"SegBetaRadArr", s});
    v.text(m.SegStartText[s], {"start position text", s}, {});
    v.text(m.SegEndText[s], {"end position text", s}, {});
    for (int i = 1; i <= maxBCs; ++i) {
        v.real(m.PolyBcPos[i][s], {"PolyBcPos", s, i});
        v.real(m.BcEntered[i][s], {"BcEntered", s, i});
        v.real(m.PolyBcOrder[i][s], {"PolyBcOrder", s, i});
        v.real(m.PolyCoef[i][s], {"PolyCoef", s, i});
        v.real(m.PolyExponentShown[i][s], {"PolyExponentShown", s, i});
    }
    for (int e = 0; e <= 2; ++e)
        for (int k = 0; k <= 3; ++k)
            v.real(m.SegEnds[s][e][k], {"SegEnds", s, e, k});
    v.integer(m.SegNumBC[s], {"SegNumBC", s}, IntRule{0, maxBCs});
    for (int i = 1; i <= maxBCs; ++i) {
        v.real(m.BcPos[i][s], {"BcPos", s, i});
        v.real(m.BcOrder[i][s], {"BcOrder", s, i});
        v.real(m.BcValue[i][s], {"BcValue", s, i});
        v.real(m.PolyExponent[i][s], {"PolyExponent", s, i});
    }
}

template <class M, class V> void VisitClosingLines(M& m, V& v) {
    // The arm rotation is stored as a sign: -1 clockwise, anything else counter-clockwise.
    int armRotateSign = m.ArmDirection < 0.0f ? -1 : 1;

    v.real(m.PrimeRadius, {"PrimeRadius"});
    v.real(m.Offset, {"Offset"});
    // 0 is what a model never sized holds.
    v.integer(m.FollowerType, {"FollowerType"}, IntRule{0, 2});
    v.real(m.RollerRadius, {"RollerRadius"});
    v.integer(m.CamDirection, {"CamDirection"}, IntRule{-1, 1, false});
    v.integer(armRotateSign, {"ArmRotateSign"}, IntRule{});
    v.boolean(m.Translating, {"Translating"});
    v.text(m.CamType, {"CamType"}, kCamTypeRule);
    v.real(m.ArmPivotX, {"ArmPivotX"});
    v.real(m.ArmPivotY, {"ArmPivotY"});
    v.real(m.ArmRadius, {"ArmRadius"});
    v.real(m.Lift, {"Lift"});
    v.real(m.TotalLift, {"TotalLift"});
    v.boolean(m.SvajDone, {"SvajDone"});
    v.boolean(m.ProfileDone, {"ProfileDone"});
    v.boolean(m.DynamicsDone, {"DynamicsDone"});
    // 0 is what a model never printed holds; the exports step by at least 1.
    v.integer(m.PrintEvery, {"PrintEvery"}, IntRule{});
    v.real(m.EffMass, {"EffMass"});
    v.real(m.SpringK, {"SpringK"});
    v.real(m.Preload, {"Preload"});
    v.real(m.DampRatio, {"DampRatio"});
    v.real(m.DampC, {"DampC"});
    v.real(m.JournalRadius, {"JournalRadius"});
    v.real(m.JournalFriction, {"JournalFriction"});
    v.real(m.FollowerFriction, {"FollowerFriction"});
    v.real(m.FluctCoef, {"FluctCoef"});
    v.integer(m.UnitSystem, {"UnitSystem"}, IntRule{1, 5});

    if constexpr (!std::is_const_v<M>)
        m.ArmDirection = armRotateSign == -1 ? -1.0f : 1.0f;
}

} // namespace trochix::files
