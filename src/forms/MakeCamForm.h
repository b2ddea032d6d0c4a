// frm_MakeCam without Qt: the boxes of the machined cam (cutter radius, tolerance, plate
// thickness, bore), what an entry in them commits to the model, and the summary of the cam
// the settings give.
#pragma once

#include "geometry/MachinedCam.h"
#include "model/Forward.h"

#include <string>
#include <vector>

namespace trochix::geometry {

enum class MakeCamField { Cutter, Tolerance, Thickness, Bore };

// The settings in effect, derived defaults included, as the boxes show them.
struct MakeCamBoxes {
    std::string cutter, tolerance, thickness, bore;
};
MakeCamBoxes MakeCamBoxesOf(const CamModel& model);

// The caption of a field's box, as its messages name it: "Cutter Radius".
const char* MakeCamCaption(MakeCamField field);

struct MakeCamCommit {
    bool accepted = false;
    std::string boxText; // what the box shows afterwards: the model's value
};

// A number for `field`, or a message naming what it must be (text that is not a number
// included) and the model unchanged. The cutter, tolerance and thickness must be positive,
// the tolerance below a tenth of the prime radius; the bore zero (none) or positive and inside
// the cam surface (checked where the surface is known).
MakeCamCommit CommitMakeCamField(CamModel& model, model::Host& host, MakeCamField field,
                                 const std::string& text);

// The summary lines of the screen: the refusal first when the cam may not be written, then
// the elements of the fits, the largest deviation, the undercut and the as-made errors.
struct MakeCamSummary {
    std::vector<std::string> lines;
    bool refused = false;
};
MakeCamSummary SummaryOf(const CamModel& model, const MachinedCam& cam);

} // namespace trochix::geometry
