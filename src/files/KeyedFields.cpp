#include "files/KeyedFields.h"

#include "files/FileValues.h"

#include <array>
#include <cmath>
#include <type_traits>

namespace trochix::files {

namespace {

// The inputs of the machined cam and of the contact. The other choices the fixed layout has no line for (the
// torque option, the harmonics, the print and plot choices) belong to the session and carry
// over from the model open before, so they are not stored.
constexpr float kLengthLimit = 1.0e6f;
// Above any modulus in any unit system (steel is 2.07e12 Dyne/cm^2).
constexpr float kModulusLimit = 1.0e20f;
constexpr std::array<KeyedField, 11> kModelKeyedFields{{
    {"CutterRadius", RealKey{&CamModel::CutterRadius, 0.0f, 0.0f, kLengthLimit}},
    {"SurfaceTolerance", RealKey{&CamModel::SurfaceTolerance, 0.0f, 0.0f, kLengthLimit}},
    {"PlateThickness", RealKey{&CamModel::PlateThickness, 0.0f, 0.0f, kLengthLimit}},
    {"BoreDiameter", RealKey{&CamModel::BoreDiameter, 0.0f, 0.0f, kLengthLimit}},
    // The contact: 0 for the width or a modulus takes its default (the plate, steel).
    {"ContactWidth", RealKey{&CamModel::ContactWidth, 0.0f, 0.0f, kLengthLimit}},
    {"CamModulus", RealKey{&CamModel::CamModulus, 0.0f, 0.0f, kModulusLimit}},
    {"FollowerModulus", RealKey{&CamModel::FollowerModulus, 0.0f, 0.0f, kModulusLimit}},
    {"CamPoisson", RealKey{&CamModel::CamPoisson, 0.3f, 0.0f, 0.5f}},
    {"FollowerPoisson", RealKey{&CamModel::FollowerPoisson, 0.3f, 0.0f, 0.5f}},
    {"ContactMargin", RealKey{&CamModel::ContactMargin, 0.1f, 0.0f, 0.9f}},
    // 0: the spring of the Dynamics screen stands for the whole follower train.
    {"TrainStiffness", RealKey{&CamModel::TrainStiffness, 0.0f, 0.0f, kModulusLimit}},
}};

template <class K> bool AtDefault(const CamModel& m, const K& k) {
    return m.*k.member == k.fallback;
}

std::string Encoded(const CamModel& m, const RealKey& k) {
    return EncodeReal(m.*k.member);
}
std::string Encoded(const CamModel& m, const IntegerKey& k) {
    return EncodeInteger(m.*k.member);
}
std::string Encoded(const CamModel& m, const BooleanKey& k) {
    return EncodeBoolean(m.*k.member);
}
std::string Encoded(const CamModel& m, const TextKey& k) {
    return EncodeText(m.*k.member);
}

std::string Read(CamModel& m, const RealKey& k, std::string_view value) {
    const RealValue r = DecodeReal(value);
    // NaN fails both comparisons and is refused with the rest.
    if (r.status != NumberStatus::Ok || !(r.value >= k.lo && r.value <= k.hi)) {
        if (std::isinf(k.lo) && std::isinf(k.hi))
            return "a number";
        return "a number from " + EncodeReal(k.lo) + " to " + EncodeReal(k.hi);
    }
    m.*k.member = r.value;
    return {};
}

std::string Read(CamModel& m, const IntegerKey& k, std::string_view value) {
    const IntegerValue r = DecodeInteger(value);
    if (r.status != NumberStatus::Ok || r.value < k.lo || r.value > k.hi)
        return "a whole number from " + EncodeInteger(k.lo) + " to " + EncodeInteger(k.hi);
    m.*k.member = r.value;
    return {};
}

std::string Read(CamModel& m, const BooleanKey& k, std::string_view value) {
    const std::optional<bool> b = DecodeBoolean(value);
    if (!b)
        return "#TRUE# or #FALSE#";
    m.*k.member = *b;
    return {};
}

std::string Read(CamModel& m, const TextKey& k, std::string_view value) {
    std::optional<std::string> t = DecodeText(value);
    if (!t)
        return "a text in quotes";
    m.*k.member = std::move(*t);
    return {};
}

} // namespace

KeyedFields ModelKeyedFields() {
    return kModelKeyedFields;
}

std::optional<std::string> KeyedLine(const CamModel& m, const KeyedField& field) {
    return std::visit(
        [&](const auto& k) -> std::optional<std::string> {
            if (AtDefault(m, k))
                return std::nullopt;
            return std::string(field.key) + "=" + Encoded(m, k);
        },
        field.value);
}

void SetKeyedDefaults(CamModel& m, KeyedFields fields) {
    for (const KeyedField& field : fields)
        std::visit(
            [&](const auto& k) {
                using Member = std::remove_reference_t<decltype(m.*k.member)>;
                m.*k.member = Member(k.fallback);
            },
            field.value);
}

const KeyedField* FindKeyedField(KeyedFields fields, std::string_view key) {
    for (const KeyedField& field : fields)
        if (field.key == key)
            return &field;
    return nullptr;
}

std::string ReadKeyedValue(CamModel& m, const KeyedField& field, std::string_view value) {
    return std::visit([&](const auto& k) { return Read(m, k, value); }, field.value);
}

} // namespace trochix::files
