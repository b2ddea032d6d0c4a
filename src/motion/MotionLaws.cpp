#include "motion/MotionLaws.h"

#include "model/CamModel.h"
#include "model/Constants.h"
#include "model/Fault.h"
#include "model/ReportError.h"
#include "motion/SegmentDriver.h"
#include "text/NumberText.h"

#include <cctype>
#include <cmath>

namespace trochix::motion {
using text::Str;

const std::array<std::string, kLawCount> LawList = {
    "MS - Mod Sine",        "MT - Mod Trap",     "CF - Cycloid Full", "C1 - Cycloid 1st Half ",
    "C2 - Cycloid 2nd Half", "SF - SHM Full",     "S1 - SHM 1st Half", "S2 - SHM 2nd Half",
    "DH - Double Harmonic", "PO - Polynomial",   "DW - Dwell",        "45 - 345 Poly",
    "67 - 4567 Poly",
};

const std::array<std::string, kLawCount> LawCode = {
    "MS", "MT", "CF", "C1", "C2", "SF", "S1", "S2", "DH", "PO", "DW", "45", "67",
};

const std::array<std::string, 8> LawName = {
    "", "SimpHarm", "Cycloid", "Modsine", "ModTrap", "ModHarm", "Poly", "Dwell",
};

int LawCodeIndex(std::string_view text) {
    if (text.size() < 2)
        return kLawNone;
    std::string code;
    for (std::size_t k = 0; k < 2; ++k)
        code += static_cast<char>(std::toupper(static_cast<unsigned char>(text[k])));
    for (int i = 0; i < kLawCount; ++i)
        if (LawCode[i] == code)
            return i;
    return kLawNone;
}

int ReadLaw(CamModel& m, int segment) {
    const int index = LawCodeIndex(m.SegLawText[segment]);
    if (index != kLawNone) {
        m.SegLawFamily[segment] = index;
        switch (index) {
        case kLawCycloid1:
        case kLawSimpHarm1: m.SegHalf[segment] = 1; break;
        case kLawCycloid2:
        case kLawSimpHarm2: m.SegHalf[segment] = 2; break;
        default: m.SegHalf[segment] = 0; break;
        }
    }
    const int law = m.SegLawFamily[segment];
    const bool half = law == kLawCycloid1 || law == kLawCycloid2 || law == kLawSimpHarm1 ||
                      law == kLawSimpHarm2;
    m.LawVariant = half ? 2 : 1;
    return m.LawVariant;
}

void FallConvert(CamModel& m) {
    m.Sval = m.Lift - m.Sval;
    m.Vval = -m.Vval;
    m.Aval = -m.Aval;
    m.Jval = -m.Jval;
}

namespace {

using model::kPi;
using model::kTwoPi;
constexpr double kFourPi = 12.566370616;

// Values of one point, in double until stored.
struct Point {
    double S, V, A, J;
};

void Assign(CamModel& m, const Point& p) {
    m.Sval = static_cast<float>(p.S);
    m.Vval = static_cast<float>(p.V);
    m.Aval = static_cast<float>(p.A);
    m.Jval = static_cast<float>(p.J);
}

// The loop every law shares. eval(theta, x) sets Sval..Jval for the point.
template <class Eval> void LawLoop(CamModel& m, bool convertFall, Eval eval) {
    SegSetup(m);
    // A non-positive step would never reach beta.
    if (!(m.DeltaTheta > 0.0f))
        throw model::Fault(model::kDivisionByZero);
    const float beta = m.SegBetaDeg;
    const bool fall = convertFall && m.SegDir[m.CurSeg] == "F";
    int count = 0;
    for (float theta = 0.0f; theta <= beta; theta += m.DeltaTheta) {
        m.ThetaLocal = theta;
        const float x = theta / beta;
        eval(theta, x);
        if (fall)
            FallConvert(m);
        StorePoint(m, count, theta);
        ++count;
    }
}

// The cycloid formulas with c = 2 pi (full) or pi (first half).
void CycloidWith(CamModel& m, double c) {
    LawLoop(m, true, [&](float, float x) {
        const double h = m.Lift;
        const float hbr = m.Lift / m.SegBetaRad;
        const double cx = c * x;
        Assign(m, {h * (x - (1.0 / c) * std::sin(cx)), hbr * (1.0 - std::cos(cx)),
                   (c * h / m.SegBetaRad2) * std::sin(cx),
                   (c * c * h / m.SegBetaRad3) * std::cos(cx)});
    });
}

} // namespace

void Cycloid(CamModel& m) { CycloidWith(m, kTwoPi); }

void Cycloid1(CamModel& m) { CycloidWith(m, kPi); }

void Cycloid2(CamModel& m) {
    LawLoop(m, true, [&](float, float x) {
        const double h = m.Lift;
        const float hbr = m.Lift / m.SegBetaRad;
        const double px = kPi * x;
        Assign(m, {h * (x + (1.0 / kPi) * std::sin(px)), hbr * (1.0 + std::cos(px)),
                   (-kPi * h / m.SegBetaRad2) * std::sin(px),
                   (-(kPi * kPi) * h / m.SegBetaRad3) * std::cos(px)});
    });
}

void SimpHarm(CamModel& m) {
    LawLoop(m, true, [&](float, float x) {
        const double h = m.Lift;
        const double px = kPi * x;
        Assign(m, {0.5 * h * (1.0 - std::cos(px)), (0.5 * h * kPi / m.SegBetaRad) * std::sin(px),
                   (0.5 * h * std::pow(kPi, 2) / m.SegBetaRad2) * std::cos(px),
                   (0.5 * h * std::pow(kPi, 3) / m.SegBetaRad3) * (-std::sin(px))});
    });
}

void SimpHarm1(CamModel& m) {
    LawLoop(m, true, [&](float, float x) {
        const double h = m.Lift;
        const double u = (kPi * 0.5) * x;
        Assign(m, {h * (1.0 - std::cos(u)), (0.5 * h * kPi / m.SegBetaRad) * std::sin(u),
                   (0.25 * h * std::pow(kPi, 2) / m.SegBetaRad2) * std::cos(u),
                   (-0.125 * h * std::pow(kPi, 3) / m.SegBetaRad3) * std::sin(u)});
    });
}

void SimpHarm2(CamModel& m) {
    LawLoop(m, true, [&](float, float x) {
        const double h = m.Lift;
        const double u = (kPi * 0.5) * x;
        Assign(m, {h * std::sin(u), (0.5 * h * kPi / m.SegBetaRad) * std::cos(u),
                   (-0.25 * h * std::pow(kPi, 2) / m.SegBetaRad2) * std::sin(u),
                   (-0.125 * h * std::pow(kPi, 3) / m.SegBetaRad3) * std::cos(u)});
    });
}

void ModSine(CamModel& m) {
    LawLoop(m, true, [&](float theta, float x) {
        const float beta = m.SegBetaDeg;
        const double h = m.Lift;
        const float hbr = m.Lift / m.SegBetaRad;
        const double br2 = m.SegBetaRad2;
        const double br3 = m.SegBetaRad3;
        constexpr double c = kFourPi;
        if (theta <= beta / 8.0f) {
            const double cx = c * x;
            Assign(m, {h * (0.43990085 * x - 0.0350062 * std::sin(cx)),
                       (0.43990085 * h / m.SegBetaRad) * (1.0 - std::cos(cx)),
                       (5.5279571 * h / br2) * std::sin(cx), (69.4663577 * h / br3) * std::cos(cx)});
        } else if (theta <= 7.0f * beta / 8.0f) {
            const double u = (c / 3.0) * x - kPi / 6.0;
            Assign(m, {h * (0.28004957 + 0.43990085 * x - 0.31505577 * std::cos(u)),
                       hbr * (0.43990085 + 1.31970255 * std::sin(u)),
                       (5.5279571 * h / br2) * std::cos(u), (-23.1553 * h / br3) * std::sin(u)});
        } else {
            const float twoXMinus1 = 2.0f * x - 1.0f;
            const double u = kTwoPi * twoXMinus1;
            Assign(m, {h * (0.56009915 + 0.43990085 * x - 0.0350062 * std::sin(u)),
                       hbr * 0.43990085 * (1.0 - std::cos(u)), (5.5279571 * h / br2) * std::sin(u),
                       (69.4663577 * h / br3) * std::cos(u)});
        }
    });
}

void ModTrap(CamModel& m) {
    LawLoop(m, true, [&](float theta, float x) {
        const float beta = m.SegBetaDeg;
        const double h = m.Lift;
        const double xd = x;
        const float hbr = m.Lift / m.SegBetaRad;
        const float hbr2 = m.Lift / m.SegBetaRad2;
        const float minusHbr2 = -m.Lift / m.SegBetaRad2;
        const double br3 = m.SegBetaRad3;
        constexpr double c = kFourPi;
        if (theta <= beta / 8.0f) {
            const double cx = c * x;
            Assign(m, {h * (0.3889845 * x - 0.03095 * std::sin(cx)),
                       (0.3889845 * h / m.SegBetaRad) * (1.0 - std::cos(cx)),
                       (4.888124 * h / m.SegBetaRad2) * std::sin(cx),
                       (61.425769 * h / br3) * std::cos(cx)});
        } else if (theta <= 3.0f * beta / 8.0f) {
            Assign(m, {h * (2.44406184 * xd * xd - 0.22203097 * x + 0.00723407),
                       hbr * (4.888124 * x - 0.222031), hbr2 * 4.888124, 0.0});
        } else if (theta <= beta / 2.0f) {
            const double u = c * x - kPi;
            Assign(m, {h * (1.6110154 * x - 0.0309544 * std::sin(u) - 0.3055077),
                       hbr * (1.61102 - 0.3889845 * std::cos(u)), hbr2 * 4.888124 * std::sin(u),
                       (61.425769 * h / br3) * std::cos(u)});
        } else if (theta <= 5.0f * beta / 8.0f) {
            const double u = c * x - kTwoPi;
            Assign(m, {h * (1.6110154 * x + 0.0309544 * std::sin(u) - 0.3055077),
                       hbr * (1.61102 + 0.3889845 * std::cos(u)),
                       hbr2 * (-4.888124) * std::sin(u), (-61.425769 * h / br3) * std::cos(u)});
        } else if (theta <= 7.0f * beta / 8.0f) {
            Assign(m, {h * (-2.44406184 * xd * xd + 4.6660917 * x - 1.2292648),
                       hbr * (-4.888124 * x + 4.6660917), minusHbr2 * 4.888124, 0.0});
        } else {
            const double u = c * x - 3.0 * kPi;
            Assign(m, {h * (0.6110154 + 0.3889845 * x + 0.0309544 * std::sin(u)),
                       hbr * (0.3889845 + 0.3889845 * std::cos(u)),
                       minusHbr2 * 4.888124 * std::sin(u), (-61.425769 * h / br3) * std::cos(u)});
        }
    });
}

void DoubleHarm(CamModel& m) {
    constexpr double kPi2 = 9.869604403666765;
    constexpr double kPi3 = 31.00627669244556;
    LawLoop(m, false, [&](float, float x) {
        const std::string& dir = m.SegDir[m.CurSeg];
        const double h = m.Lift;
        const float halfH = m.Lift / 2.0f;
        const float hbr = m.Lift / m.SegBetaRad;
        const float minusHbr = -m.Lift / m.SegBetaRad;
        const double a = std::cos(kPi * x);
        const double b = std::cos(kTwoPi * x);
        const double p = std::sin(kPi * x);
        const double q = std::sin(kTwoPi * x);
        if (dir == "R") {
            Assign(m, {halfH * ((1.0 - a) - 0.25 * (1.0 - b)), hbr * kPi * 0.5 * (p - 0.5 * q),
                       (0.5 * kPi2 * h / m.SegBetaRad2) * (a - b),
                       (-0.5 * kPi3 * h / m.SegBetaRad3) * (p - 2.0 * q)});
        } else if (dir == "F") {
            Assign(m, {halfH * ((1.0 + a) - 0.25 * (1.0 - b)), minusHbr * kPi * 0.5 * (p + 0.5 * q),
                       (-0.5 * kPi2 * h / m.SegBetaRad2) * (a + b),
                       (0.5 * kPi3 * h / m.SegBetaRad3) * (p + 2.0 * q)});
        }
    });
}

namespace {

template <class Eval>
bool PolyLaw(CamModel& m, Host& host, const char* name, float degree, Eval eval) {
    return model::RunGuarded(host, name, [&] {
        LawLoop(m, true, eval);
        m.SegDesc[m.CurSeg] = LawName[6] + Str(degree);
    });
}

} // namespace

bool Poly345(CamModel& m, Host& host) {
    return PolyLaw(m, host, "Poly345", 5.0f, [&](float, float x) {
        const double h = m.Lift;
        const float hbr = m.Lift / m.SegBetaRad;
        const float hbr2 = m.Lift / m.SegBetaRad2;
        const float hbr3 = m.Lift / m.SegBetaRad3;
        const double x1 = x, x2 = x1 * x1, x3 = x2 * x1, x4 = x3 * x1, x5 = x4 * x1;
        Assign(m, {h * (10.0 * x3 - 15.0 * x4 + 6.0 * x5), hbr * (30.0 * x2 - 60.0 * x3 + 30.0 * x4),
                   hbr2 * (60.0 * x1 - 180.0 * x2 + 120.0 * x3),
                   hbr3 * (60.0 - 360.0 * x1 + 360.0 * x2)});
    });
}

bool Poly4567(CamModel& m, Host& host) {
    return PolyLaw(m, host, "Poly4567", 7.0f, [&](float, float x) {
        const double h = m.Lift;
        const float hbr = m.Lift / m.SegBetaRad;
        const float hbr2 = m.Lift / m.SegBetaRad2;
        const float hbr3 = m.Lift / m.SegBetaRad3;
        const double x1 = x, x2 = x1 * x1, x3 = x2 * x1, x4 = x3 * x1, x5 = x4 * x1,
                     x6 = x5 * x1, x7 = x6 * x1;
        Assign(m, {h * (35.0 * x4 - 84.0 * x5 + 70.0 * x6 - 20.0 * x7),
                   hbr * (140.0 * x3 - 420.0 * x4 + 420.0 * x5 - 140.0 * x6),
                   hbr2 * (420.0 * x2 - 1680.0 * x3 + 2100.0 * x4 - 840.0 * x5),
                   hbr3 * (840.0 * x1 - 5040.0 * x2 + 8400.0 * x3 - 4200.0 * x4)});
    });
}

void Dwell(CamModel& m, float level) {
    m.SegLift[m.CurSeg] = level;
    LawLoop(m, false, [&](float, float) {
        m.Sval = m.SegLift[m.CurSeg];
        m.Vval = 0.0f;
        m.Aval = 0.0f;
        m.Jval = 0.0f;
    });
}

} // namespace trochix::motion
