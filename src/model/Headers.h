// The texts of the three header panels of the plot screens and the output screen, and the
// release line of the title and about screens. Screens only copy these texts into labels.
#pragma once

#include <string>

namespace trochix::model {

struct CamModel;

struct HeaderTexts {
    // Title panel (lbl_Header), lines separated by '\r':
    // user name, design number, date, time and, once the model has a file, its name.
    std::string Header;

    // "Cam Basic Data"
    std::string CamOmega;   // rpm, 1 decimal
    std::string CamRotates; // "Ccw" or "Cw"
    std::string Segment;    // "All" or the segment number
    std::string StartTheta; // degrees
    std::string EndTheta;   // degrees
    std::string DeltaTheta; // the step as typed on the input screen

    // "Cam Size Data": shown only once the cam is sized (SizeDataVisible)
    bool SizeDataVisible = false;
    std::string PrimeRadius; // 2 decimals
    std::string Offset;      // 2 decimals
    std::string MaxPhi;      // degrees, 1 decimal
    std::string MinPhi;
    std::string MinRhoPos; // smallest positive radius of curvature, as text ("None" if none)
    std::string MinRhoNeg; // smallest negative radius of curvature
    std::string FolwrRad;  // roller radius as typed, "Infinite" for a flat face
    std::string LengthUnit; // caption of the length values: "in", "m", ...
};

// The header texts for the segment choice of a selection screen: 0 = "All", else 1..NumSegments.
HeaderTexts FillHeaders(const CamModel& model, int segment);

// "Release 6.0 -32-bit,  Rev 2.1   11/30/99"
std::string ReleaseLine(const CamModel& model);

} // namespace trochix::model
