// Shared by the file tests: a scratch folder, a model with every stored field filled, and
// helpers to split and join file texts.
#pragma once

#include "model/CamModel.h"

#include <gtest/gtest.h>

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
        m.SegLow[s] = v.next();
        m.SegDir[s] = dirs[s % 4];
        m.SegLawText[s] = laws[s % 4];
        m.SegDesc[s] = "Segment " + std::to_string(s) + " rise";
        m.SegLift[s] = v.next();
        m.SegStart[s] = v.next();
        m.SegEnd[s] = v.next();
        m.SegBeta[s] = 22.5f;
        m.SegBetaRadArr[s] = v.next();
        m.SegStartText[s] = std::to_string(s) + ".5";
        m.SegEndText[s] = s % 3 == 0 ? "" : "-" + std::to_string(s);
        for (int i = 1; i <= model::kMaxBCs; ++i) {
            m.PolyBcPos[i][s] = v.next();
            m.BcEntered[i][s] = v.next();
            m.PolyBcOrder[i][s] = v.next();
            m.PolyCoef[i][s] = v.next();
            m.PolyExponentShown[i][s] = v.next();
            m.BcPos[i][s] = v.next();
            m.BcOrder[i][s] = v.next();
            m.BcValue[i][s] = v.next();
            m.PolyExponent[i][s] = v.next();
        }
        for (int e = 0; e <= 2; ++e)
            for (int k = 0; k <= 3; ++k)
                m.SegEnds[s][e][k] = v.next();
        m.SegNumBC[s] = (s * 7) % (model::kMaxBCs + 1);
    }
    for (int f = 0; f <= model::kNumFunctions; ++f)
        for (int p = 0; p <= m.NumPoints; ++p)
            m.Results[f][p] = v.next();
    m.PrimeRadius = 0.5f;
    m.Offset = -0.25f;
    m.FollowerType = 2;
    m.RollerRadius = v.next();
    m.CamDirection = 1;
    m.ArmDirection = -1.0f;
    m.Translating = false;
    m.CamType = "Barrel";
    m.ArmPivotX = 3.0f;
    m.ArmPivotY = 4.0f;
    m.ArmRadius = v.next();
    m.Lift = v.next();
    m.TotalLift = v.next();
    m.SvajDone = true;
    m.ProfileDone = true;
    m.DynamicsDone = false;
    m.PrintEvery = 5;
    m.EffMass = v.next();
    m.SpringK = v.next();
    m.Preload = v.next();
    m.DampRatio = v.next();
    m.DampC = v.next();
    m.JournalRadius = v.next();
    m.JournalFriction = v.next();
    m.FollowerFriction = v.next();
    m.FluctCoef = 1000.00006f;
    m.UnitSystem = 3;
}

#define EXPECT_SAME_FLOAT(a, b) EXPECT_EQ(Bits(a), Bits(b)) << #a << " = " << (a) << " vs " << (b)

// Every field the model file stores, compared bit for bit.
inline void ExpectSameStoredFields(const CamModel& a, const CamModel& b) {
    EXPECT_EQ(a.UserName, b.UserName);
    EXPECT_EQ(a.DesignNo, b.DesignNo);
    EXPECT_EQ(a.DateStr, b.DateStr);
    EXPECT_EQ(a.TimeStr, b.TimeStr);
    EXPECT_SAME_FLOAT(a.CamOmega, b.CamOmega);
    EXPECT_EQ(a.NumSegments, b.NumSegments);
    EXPECT_SAME_FLOAT(a.DeltaTheta, b.DeltaTheta);
    EXPECT_EQ(a.NumPoints, b.NumPoints);
    for (int s = 1; s <= model::kMaxSegments; ++s) {
        SCOPED_TRACE("segment " + std::to_string(s));
        EXPECT_SAME_FLOAT(a.SegLow[s], b.SegLow[s]);
        EXPECT_EQ(a.SegDir[s], b.SegDir[s]);
        EXPECT_EQ(a.SegLawText[s], b.SegLawText[s]);
        EXPECT_EQ(a.SegDesc[s], b.SegDesc[s]);
        EXPECT_SAME_FLOAT(a.SegLift[s], b.SegLift[s]);
        EXPECT_SAME_FLOAT(a.SegStart[s], b.SegStart[s]);
        EXPECT_SAME_FLOAT(a.SegEnd[s], b.SegEnd[s]);
        EXPECT_SAME_FLOAT(a.SegBeta[s], b.SegBeta[s]);
        EXPECT_SAME_FLOAT(a.SegBetaRadArr[s], b.SegBetaRadArr[s]);
        EXPECT_EQ(a.SegStartText[s], b.SegStartText[s]);
        EXPECT_EQ(a.SegEndText[s], b.SegEndText[s]);
        for (int i = 1; i <= model::kMaxBCs; ++i) {
            EXPECT_SAME_FLOAT(a.PolyBcPos[i][s], b.PolyBcPos[i][s]);
            EXPECT_SAME_FLOAT(a.BcEntered[i][s], b.BcEntered[i][s]);
            EXPECT_SAME_FLOAT(a.PolyBcOrder[i][s], b.PolyBcOrder[i][s]);
            EXPECT_SAME_FLOAT(a.PolyCoef[i][s], b.PolyCoef[i][s]);
            EXPECT_SAME_FLOAT(a.PolyExponentShown[i][s], b.PolyExponentShown[i][s]);
            EXPECT_SAME_FLOAT(a.BcPos[i][s], b.BcPos[i][s]);
            EXPECT_SAME_FLOAT(a.BcOrder[i][s], b.BcOrder[i][s]);
            EXPECT_SAME_FLOAT(a.BcValue[i][s], b.BcValue[i][s]);
            EXPECT_SAME_FLOAT(a.PolyExponent[i][s], b.PolyExponent[i][s]);
        }
        for (int e = 0; e <= 2; ++e)
            for (int k = 0; k <= 3; ++k)
                EXPECT_SAME_FLOAT(a.SegEnds[s][e][k], b.SegEnds[s][e][k]);
        EXPECT_EQ(a.SegNumBC[s], b.SegNumBC[s]);
    }
    int differing = 0;
    for (int f = 0; f <= model::kNumFunctions; ++f)
        for (int p = 0; p <= a.NumPoints; ++p)
            differing += Bits(a.Results[f][p]) != Bits(b.Results[f][p]);
    EXPECT_EQ(differing, 0) << "result values that changed";
    EXPECT_SAME_FLOAT(a.PrimeRadius, b.PrimeRadius);
    EXPECT_SAME_FLOAT(a.Offset, b.Offset);
    EXPECT_EQ(a.FollowerType, b.FollowerType);
    EXPECT_SAME_FLOAT(a.RollerRadius, b.RollerRadius);
    EXPECT_EQ(a.CamDirection, b.CamDirection);
    EXPECT_SAME_FLOAT(a.ArmDirection, b.ArmDirection);
    EXPECT_EQ(a.Translating, b.Translating);
    EXPECT_EQ(a.CamType, b.CamType);
    EXPECT_SAME_FLOAT(a.ArmPivotX, b.ArmPivotX);
    EXPECT_SAME_FLOAT(a.ArmPivotY, b.ArmPivotY);
    EXPECT_SAME_FLOAT(a.ArmRadius, b.ArmRadius);
    EXPECT_SAME_FLOAT(a.Lift, b.Lift);
    EXPECT_SAME_FLOAT(a.TotalLift, b.TotalLift);
    EXPECT_EQ(a.SvajDone, b.SvajDone);
    EXPECT_EQ(a.ProfileDone, b.ProfileDone);
    EXPECT_EQ(a.DynamicsDone, b.DynamicsDone);
    EXPECT_EQ(a.PrintEvery, b.PrintEvery);
    EXPECT_SAME_FLOAT(a.EffMass, b.EffMass);
    EXPECT_SAME_FLOAT(a.SpringK, b.SpringK);
    EXPECT_SAME_FLOAT(a.Preload, b.Preload);
    EXPECT_SAME_FLOAT(a.DampRatio, b.DampRatio);
    EXPECT_SAME_FLOAT(a.DampC, b.DampC);
    EXPECT_SAME_FLOAT(a.JournalRadius, b.JournalRadius);
    EXPECT_SAME_FLOAT(a.JournalFriction, b.JournalFriction);
    EXPECT_SAME_FLOAT(a.FollowerFriction, b.FollowerFriction);
    EXPECT_SAME_FLOAT(a.FluctCoef, b.FluctCoef);
    EXPECT_EQ(a.UnitSystem, b.UnitSystem);
}

} // namespace trochix::files::testing
