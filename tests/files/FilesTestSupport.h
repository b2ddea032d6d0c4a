// Shared by the file tests: a scratch folder, a model with every stored field filled, and
// helpers to split and join file texts.
#pragma once

#include "files/ModelFile.h"
#include "model/CamModel.h"

#include <gtest/gtest.h>

#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace trochix::files::testing {

using model::CamModel;

// A fresh folder under the system's temporary folder, removed with everything in it.
class ScratchDir {
public:
    ScratchDir() {
        std::string templ =
            (std::filesystem::temp_directory_path() / "trochix-files-XXXXXX").string();
        path_ = ::mkdtemp(templ.data());
    }
    ~ScratchDir() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    std::string file(const std::string& name) const { return (path_ / name).string(); }
    const std::filesystem::path& path() const { return path_; }
    // Names of the entries in the folder.
    std::vector<std::string> entries() const {
        std::vector<std::string> out;
        for (const auto& e : std::filesystem::directory_iterator(path_))
            out.push_back(e.path().filename().string());
        return out;
    }

private:
    std::filesystem::path path_;
};

inline std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

inline void WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

// Lines of a CR LF text (the CR LF removed); a final CR LF ends the last line.
inline std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find("\r\n", start);
        if (end == std::string::npos) {
            lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

inline std::string JoinLines(const std::vector<std::string>& lines, std::size_t count) {
    std::string out;
    for (std::size_t i = 0; i < count && i < lines.size(); ++i)
        out += lines[i] + "\r\n";
    return out;
}

inline std::uint32_t Bits(float v) { return std::bit_cast<std::uint32_t>(v); }

// Deterministic values of every kind a model real can hold: random bit patterns (all
// exponents, both signs, subnormals), values that need 8 or 9 significant digits, and a few
// hand-picked ones.
class ValueSource {
public:
    explicit ValueSource(std::uint32_t seed) : state_(seed) {}
    float next() {
        ++count_;
        switch (count_ % 8) {
        case 0: return kSpecial[(count_ / 8) % (sizeof kSpecial / sizeof kSpecial[0])];
        case 1: return static_cast<float>(nextBits() % 200000) / 7.0f - 10000.0f; // 8-9 digits
        default: {
            float f;
            do
                f = std::bit_cast<float>(nextBits());
            while (!std::isfinite(f));
            return f;
        }
        }
    }

private:
    std::uint32_t nextBits() {
        state_ = state_ * 1664525u + 1013904223u;
        return state_ ^ (state_ >> 15);
    }
    static constexpr float kSpecial[] = {0.5f, -0.25f, 1000.00006f, 1.0f / 3.0f, -0.0f, 0.0f,
                                         1.5e7f, 3.4028235e38f, -1.4e-45f, 1e-30f, 360.0f};
    std::uint32_t state_;
    unsigned count_ = 0;
};

// The model's tables of conditions and coefficients, all stored per segment slot.
inline const std::array<model::BcTable CamModel::*, 9> kBcTables = {
    &CamModel::PolyBcPos, &CamModel::BcEntered, &CamModel::PolyBcOrder,
    &CamModel::PolyCoef,  &CamModel::PolyExponentShown, &CamModel::BcPos,
    &CamModel::BcOrder,   &CamModel::BcValue,   &CamModel::PolyExponent};

// Fills every field the model file stores (and nothing else) with varied values.
inline void FillStoredFields(CamModel& m, std::uint32_t seed, float step = 0.25f) {
    ValueSource v(seed);
    m.UserName = "Ann \"the cam\" Lee";
    m.DesignNo = 1234;
    m.DateStr = "12-08-2026";
    m.TimeStr = "09:30:05";
    m.CamOmega = 10.4719753f;
    m.NumSegments = 16;
    m.DeltaTheta = step;
    m.NumPoints = static_cast<int>(360.0f / step);
    const char* dirs[] = {"R", "F", "P", "D"};
    const char* laws[] = {"MS - Mod Sine", "C1 - Cycloid 1st Half ", "PO - Polynomial",
                          "DW - Dwell"};
    for (int s = 1; s <= model::kMaxSegments; ++s) {
        m.SegDir[s] = dirs[s % 4];
        m.SegLawText[s] = laws[s % 4];
        m.SegDesc[s] = "Segment " + std::to_string(s) + " rise";
        for (float* f :
             {&m.SegLow[s], &m.SegLift[s], &m.SegStart[s], &m.SegEnd[s], &m.SegBetaRadArr[s]})
            *f = v.next();
        m.SegBeta[s] = 22.5f;
        m.SegStartText[s] = std::to_string(s) + ".5";
        m.SegEndText[s] = s % 3 == 0 ? "" : "-" + std::to_string(s);
        for (int i = 1; i <= model::kMaxBCs; ++i)
            for (auto table : kBcTables)
                (m.*table)[i][s] = v.next();
        for (auto& end : m.SegEnds[s])
            for (float& x : end)
                x = v.next();
        m.SegNumBC[s] = (s * 7) % (model::kMaxBCs + 1);
    }
    for (int f = 0; f <= model::kNumFunctions; ++f)
        for (int p = 0; p <= m.NumPoints; ++p)
            m.Results[f][p] = v.next();
    m.PrimeRadius = 0.5f;
    m.Offset = -0.25f;
    m.FollowerType = 2;
    m.CamDirection = 1;
    m.ArmDirection = -1.0f;
    m.Translating = false;
    m.CamType = "Barrel";
    m.ArmPivotX = 3.0f;
    m.ArmPivotY = 4.0f;
    m.SvajDone = m.ProfileDone = true;
    m.DynamicsDone = false;
    m.PrintEvery = 5;
    for (float* f : {&m.RollerRadius, &m.ArmRadius, &m.Lift, &m.TotalLift, &m.EffMass, &m.SpringK,
                     &m.Preload, &m.DampRatio, &m.DampC, &m.JournalRadius, &m.JournalFriction,
                     &m.FollowerFriction})
        *f = v.next();
    m.FluctCoef = 1000.00006f;
    m.UnitSystem = 3;
}

// Every field the model file stores, compared through the file's text: the writer's layout and
// the bit-exact reading of every float are tested on their own, so equal lines mean equal fields.
inline void ExpectSameStoredFields(const CamModel& a, const CamModel& b) {
    const std::vector<std::string> x = SplitLines(ModelFileText(a, ""));
    const std::vector<std::string> y = SplitLines(ModelFileText(b, ""));
    ASSERT_EQ(x.size(), y.size());
    for (std::size_t i = 0; i < x.size(); ++i)
        ASSERT_EQ(x[i], y[i]) << "line " << i + 1;
}

} // namespace trochix::files::testing
