#include "model/Headers.h"

#include "model/CamModel.h"
#include "model/Constants.h"
#include "model/Units.h"
#include "text/NumberText.h"

#include <algorithm>

namespace trochix::model {

namespace {

// A number as a label shows it: shortest form, no leading blank ("2", ".5", "-3").
std::string Plain(float value) {
    return text::ShortestFloat(value, 7);
}

std::string HeaderPanel(const CamModel& m) {
    std::string text = m.UserName + "\r" + " Design No. " +
                       Plain(static_cast<float>(m.DesignNo)) + "\r" + m.DateStr + "\r" +
                       " at " + m.TimeStr;
    if (!m.FileName.empty())
        text += "\r File: " + m.ModelName;
    return text;
}

} // namespace

HeaderTexts FillHeaders(const CamModel& m, int segment) {
    HeaderTexts h;
    h.Header = HeaderPanel(m);

    const double rpm = static_cast<double>(m.CamOmega) * 30.0 / kPi;
    h.CamOmega = text::FNRoundStr(rpm, 1);
    h.CamRotates = m.CamDirection == 1 ? "Ccw" : "Cw";
    if (segment < 1 || segment > std::min(m.NumSegments, kMaxSegments)) {
        h.Segment = "All";
        h.StartTheta = "0";
        h.EndTheta = "360";
    } else {
        h.Segment = Plain(static_cast<float>(segment));
        h.StartTheta = Plain(m.SegStart[segment]);
        h.EndTheta = Plain(m.SegEnd[segment]);
    }
    h.DeltaTheta = m.DeltaText;

    h.SizeDataVisible = m.ProfileDone;
    h.PrimeRadius = text::FNRoundStr(m.PrimeRadius, 2);
    h.Offset = text::FNRoundStr(m.Offset, 2);
    h.MaxPhi = text::FNRoundStr(m.PressMax, 1);
    h.MinPhi = text::FNRoundStr(m.PressMin, 1);
    h.MinRhoPos = m.RhoPosMinText;
    h.MinRhoNeg = m.RhoNegMinText;
    h.FolwrRad = m.FollowerType == 2 ? "Infinite" : m.RollerRadiusText;
    h.LengthUnit = UnitSystems[std::clamp(m.UnitSystem, 1, kUnitSystems)].length;
    return h;
}

std::string ReleaseLine(const CamModel& m) {
    const std::string wordBits = "32"; // the word size the program reports for itself
    return "Release " + m.AppVersion + " -" + wordBits + "-bit,  Rev " + m.FileVersion + "   " +
           m.AppDate;
}

} // namespace trochix::model
