// One entry per Results row: the names the program's tables, lists and axes give it, its
// typing code, the kind of unit it carries, the stage that computes it and its place in the
// function boxes. FuncName, FuncShort, FuncAbbrev, FuncLetter (model/FunctionNames.h), the
// unit labels (model/Units.h) and the typing codes (output/FunctionList.h) are read from here,
// so a new row is named, coded, labelled and staged by one entry.
#pragma once

#include "model/CamModel.h"
#include "model/Stage.h"

#include <array>

namespace trochix::model {

// What a row's unit label is made of in the current unit system.
enum class UnitKind {
    Degrees,      // "deg"
    Motion,       // the follower's motion: length, or degrees for an oscillating arm
    MotionPerSec, // and its derivatives per second
    MotionPerSec2,
    MotionPerSec3,
    Length,
    Force,
    Torque, // force-length
    Stress, // force per length squared
    None,   // the spectrum rows: labelled by the function transformed
};

struct RowInfo {
    int row;
    const char* name;      // FuncName; "" where the program has none
    const char* shortName; // FuncShort: list entries and column captions
    const char* abbrev;    // FuncAbbrev
    const char* letter;    // FuncLetter
    const char* code;      // the two-letter typing code; "" for none
    UnitKind unit;
    Stage stage;
    int listPlace; // 1.. its place in the function boxes; 0 when it is not listed
};

extern const std::array<RowInfo, kResultRows> RowCatalogue;

} // namespace trochix::model
