// Model fields of our own, stored after the last line of the fixed layout, which has no line
// for them: one line each,
//   Key=Value
// the value spelt as every other line of the file (FileValues.h), CR LF at the end. A field is
// written only when it differs from its default, so a model that keeps every default is saved
// exactly as the fixed layout alone; a file without such lines gives every field its default.
// Lines are read by key, in any order; an unknown key, a key given twice or a value of the
// wrong kind or outside its range refuses the file.
//
// A new field is one entry of the table in KeyedFields.cpp, e.g.
//   {"CutterRadius", RealKey{&CamModel::CutterRadius, .25f, 0.0f, 10.0f}},
#pragma once

#include "model/CamModel.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>

namespace trochix::files {

using model::CamModel;

// One kind of value each; lo and hi are the accepted range, both ends included.
struct RealKey {
    float CamModel::*member;
    float fallback;
    float lo;
    float hi;
};
struct IntegerKey {
    int CamModel::*member;
    int fallback;
    int lo;
    int hi;
};
struct BooleanKey {
    bool CamModel::*member;
    bool fallback;
};
struct TextKey {
    std::string CamModel::*member;
    std::string_view fallback;
};

struct KeyedField {
    std::string_view key; // letters and digits; never "=" or a blank
    std::variant<RealKey, IntegerKey, BooleanKey, TextKey> value;
};

using KeyedFields = std::span<const KeyedField>;

// The model's own keyed fields.
KeyedFields ModelKeyedFields();

// "Key=Value" for a field whose value differs from its default, otherwise nothing.
std::optional<std::string> KeyedLine(const CamModel& m, const KeyedField& field);

// Every field of the table back to its default.
void SetKeyedDefaults(CamModel& m, KeyedFields fields);

// The field named by key, or nullptr.
const KeyedField* FindKeyedField(KeyedFields fields, std::string_view key);

// Decodes value into the field's member. Returns "" when it was taken, otherwise what the
// value should have held ("a number from 0 to 10"); the member is then unchanged.
std::string ReadKeyedValue(CamModel& m, const KeyedField& field, std::string_view value);

} // namespace trochix::files
