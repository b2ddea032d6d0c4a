// Every name table is read by Results row: a table shifted by one would label the torque
// column "Force" on every plot and printout.
#include "model/FunctionNames.h"
#include "model/ResultRow.h"
#include "model/RowCatalogue.h"

#include <gtest/gtest.h>

#include <set>

using namespace trochix::model;

namespace {

TEST(FunctionNames, EveryTableIsIndexedByResultRow) {
    const struct {
        int row;
        const char *name, *shortName, *abbrev, *letter;
    } rows[] = {
        {ResultRow::Displacement, "Displacement", "Displcmnt", "Displ ", "S"},
        {ResultRow::Jerk, "Jerk", "Jerk", "Jrk", "J"},
        {ResultRow::PressureAngle, "Pressure Angle", "Phi", "Phi   ", "P"},
        {ResultRow::RadiusOfCurvature, "Radius of Curvature", "Rho", "Rho   ", "r"},
        {ResultRow::Torque, "Torque", "Torque", "Torque", "T"},
        {ResultRow::CamTheta, "Cam Theta", "Theta", "Theta ", "0"},
        {ResultRow::YShifted90, "Y-shifted 90 deg", "Yshftd 90 ", "Y-shift", "Y"},
        {ResultRow::FlywheelTorque, "Flywheel Torque", "Flywhl Trq", "T-Flywl", "Fl"},
    };
    for (const auto& r : rows) {
        EXPECT_EQ(FuncName[r.row], r.name) << r.row;
        EXPECT_EQ(FuncShort[r.row], r.shortName) << r.row;
        EXPECT_EQ(FuncAbbrev[r.row], r.abbrev) << r.row;
        EXPECT_EQ(FuncLetter[r.row], r.letter) << r.row;
    }
    // The transform rows have short names, abbreviations and letters but no long name.
    EXPECT_EQ(FuncShort[ResultRow::FftPhase], "Ang FFT");
    EXPECT_EQ(FuncAbbrev[ResultRow::FftReal], "Real");
    EXPECT_EQ(FuncLetter[ResultRow::FftMagnitude], "Mg");
    EXPECT_EQ(FuncName[ResultRow::FftReal], "");
}

// A catalogue entry out of place or a code given twice would name or select the wrong row.
TEST(RowCatalogue, EachEntryIsItsRowWithItsOwnCodeAndPlace) {
    std::set<std::string> codes;
    std::set<int> places;
    for (std::size_t i = 0; i < RowCatalogue.size(); ++i) {
        const RowInfo& info = RowCatalogue[i];
        EXPECT_EQ(info.row, static_cast<int>(i));
        if (*info.code) {
            EXPECT_TRUE(codes.insert(info.code).second) << info.code;
        }
        if (info.listPlace > 0) {
            EXPECT_TRUE(places.insert(info.listPlace).second) << info.row;
        }
    }
    EXPECT_EQ(codes.size(), 26u);
    EXPECT_EQ(places, (std::set<int>{1,  2,  3,  4,  5,  6,  7,  8,  9, 10,
                                     11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22}));
}

} // namespace
