#include "geometry/SizingChecks.h"

#include "geometry/Checked.h"
#include "model/CamModel.h"
#include "model/Fault.h"
#include "model/Host.h"
#include "model/ReportError.h"
#include "model/ResultRow.h"
#include "model/Units.h"
#include "motion/MathHelpers.h"
#include "text/NumberText.h"

#include <algorithm>
#include <cfloat>
#include <cmath>

namespace trochix::geometry {

using model::kLengthLabel;
using model::ResultRow;

using model::Icon;

namespace {

const std::string kFollowerNotNegative = "The follower radius must be zero or positive";

float BoxValue(const std::string& text) {
    return static_cast<float>(text::Val(text));
}

} // namespace

std::optional<double> MinBasecircle(const CamModel& m, Host& host) {
    std::optional<double> rbMin;
    model::RunGuarded(host, "MinBasecircle", [&] {
        const int n = LastPoint(m);
        const motion::MaxMinAt a = motion::MaxMin2(m.Results, motion::Order::Pointer_I, 3, 0, n);
        // No later point beat the first: the first is the minimum.
        const int k = a.minIndex < 0 ? 0 : a.minIndex;
        const double omega2 = model::CheckDivisor(static_cast<double>(m.CamOmega) * m.CamOmega);
        const double rb = -a.min / omega2 - m.Results[ResultRow::Displacement][k];
        host.message("The minimum base circle radius for no negative Radius of Curvature is " +
                         text::FNRoundStr(rb, 2) + "  " + m.UnitLabel[ResultRow::Displacement],
                     Icon::Information, model::DefaultTitle());
        rbMin = rb;
    });
    return rbMin;
}

bool CheckFollowerRadius(const CamModel& m, Host& host, double Rf) {
    if (Rf >= m.PrimeRadius) {
        host.message("Something is wrong\r\rThe follower radius is greater than the prime circle "
                     "radius\r\rPlease check your data.",
                     Icon::Warning, model::DefaultTitle());
        return false;
    }
    if (Rf < 0.0) {
        host.message(kFollowerNotNegative, Icon::Warning, model::DefaultTitle());
        return false;
    }
    return true;
}

bool CheckArmRadius(const CamModel& m, Host& host, double L, double C) {
    const double Rp = m.PrimeRadius;
    if (L <= C - Rp || L >= C + Rp) {
        host.message("The roller follower arm misses the cam entirely\rwith your current choice "
                     "of arm center location. \r\rPlease adjust the arm radius to be about\r" +
                         text::FNRoundStr(C, 2) + " " + m.UnitLabel[kLengthLabel] +
                         " for this arm center location.",
                     Icon::Warning, model::DefaultTitle());
        return false;
    }
    return true;
}

FieldCommit CommitPrime(CamModel& m, Host& host, const std::string& text) {
    FieldCommit c;
    const float v = BoxValue(text);
    // The message promises more than "not below the offset": with a negative offset that alone
    // would let a zero or negative radius through, so the offset's size is the bound.
    if (!text::HoldsNumber(text) || v <= std::fabs(m.Offset)) {
        host.message("Prime radius cannot be zero or negative or less than the offset",
                     Icon::Exclamation, model::DefaultTitle());
        c.boxText = text::TrimmedStr(m.PrimeRadius);
        return c;
    }
    m.PrimeRadius = v;
    c.accepted = true;
    c.boxText = text;
    c.redraw = c.clearResults = true;
    return c;
}

FieldCommit CommitOffset(CamModel& m, Host& host, const std::string& text) {
    FieldCommit c;
    const float v = BoxValue(text);
    if (!text::HoldsNumber(text) || std::fabs(v) >= m.PrimeRadius) {
        host.message("Cannot compute - Eccentricity is >= Prime Radius.  Try a smaller absolute "
                     "value of eccentricity",
                     Icon::Exclamation, "TROCHIX");
        c.boxText = text::TrimmedStr(m.Offset);
        return c;
    }
    m.Offset = v;
    c.accepted = true;
    c.boxText = text;
    c.primeCaption = v == 0.0f ? "Prime Radius" : "Prime Distance";
    c.redraw = c.clearResults = true;
    return c;
}

bool CommitRollerRadius(CamModel& m, Host& host, const std::string& text, FollowerCheck check) {
    const float v = BoxValue(text);
    if (!text::HoldsNumber(text)) {
        if (check == FollowerCheck::Checked)
            host.message(kFollowerNotNegative, Icon::Warning, model::DefaultTitle());
        return false;
    }
    if (check == FollowerCheck::Checked && !CheckFollowerRadius(m, host, v))
        return false;
    m.RollerRadius = v;
    m.RollerRadiusText = text::FNRoundStr(v, 2);
    return true;
}

FieldCommit CommitFollower(CamModel& m, Host& host, const std::string& text) {
    FieldCommit c;
    if (!CommitRollerRadius(m, host, text, FollowerCheck::Checked)) {
        c.boxText = text::TrimmedStr(m.RollerRadius);
        return c;
    }
    c.accepted = true;
    c.boxText = text;
    c.redraw = c.clearResults = true;
    return c;
}

FieldCommit CommitArmRadius(CamModel& m, Host& host, const std::string& text) {
    FieldCommit c;
    const double x = m.ArmPivotX, y = m.ArmPivotY;
    m.PivotDistance = static_cast<float>(std::min(std::sqrt(x * x + y * y), double{FLT_MAX}));
    const float L = BoxValue(text);
    // Letters are no length: refused like a length that misses the cam. The box keeps the arm
    // the model holds; the message names the length to try.
    if (CheckArmRadius(m, host, text::HoldsNumber(text) ? L : -1.0, m.PivotDistance)) {
        m.ArmRadius = L;
        c.accepted = true;
        c.boxText = text;
    } else {
        c.boxText = text::TrimmedStr(m.ArmRadius);
    }
    c.redraw = c.clearResults = true;
    return c;
}

namespace {

FieldCommit CommitArmPivot(CamModel& m, Host& host, float& field, const std::string& text,
                           const std::string& armRadiusText) {
    if (!text::HoldsNumber(text)) {
        host.message(ArmCentreNotNumberMessage(), Icon::Warning, model::DefaultTitle());
        FieldCommit c;
        c.pivotText = text::TrimmedStr(field);
        c.boxText = armRadiusText;
        return c;
    }
    field = BoxValue(text);
    return CommitArmRadius(m, host, armRadiusText);
}

} // namespace

const std::string& ArmCentreNotNumberMessage() {
    static const std::string text = "The follower arm center must be given as two numbers";
    return text;
}

FieldCommit CommitArmPivotX(CamModel& m, Host& host, const std::string& text,
                            const std::string& armRadiusText) {
    return CommitArmPivot(m, host, m.ArmPivotX, text, armRadiusText);
}

FieldCommit CommitArmPivotY(CamModel& m, Host& host, const std::string& text,
                            const std::string& armRadiusText) {
    return CommitArmPivot(m, host, m.ArmPivotY, text, armRadiusText);
}

} // namespace trochix::geometry
