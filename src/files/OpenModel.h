// The one way a program opens a model: the screens' File > Open, trochix-batch and the
// pictures of the command line.
#pragma once

#include "model/Forward.h"

#include <string>

namespace trochix::files {

using model::CamModel;
using model::Host;

// A model file, or one of the examples (1..5) when example is not 0.
struct ModelSource {
    std::string path = {};
    int example = 0;
};

// What is computed once a file was read.
enum class OpenResults {
    // What the file holds, as stored: only what it does not store is rebuilt (the roller
    // radius text and the sizing extremes, RecomputeSizingAfterRead). A torque accumulated
    // over several cams shows as it was saved.
    Stored,
    // The whole chain again from the file's inputs (RecalculateModel).
    Recalculate,
};

enum class OpenStatus {
    NotOpened,  // refused or not read, or no such example (said why); the model is as it was
    Incomplete, // opened, but a stage of the computation did not complete (its message shown)
    Opened,
};

// A file is read into a fresh model (Readfile) that replaces `model` only when the whole file
// was read; then `results` decides what is computed. An example is loaded as the Examples menu
// loads it, computed whole, whatever `results` says. When the model's motion program is
// complete (SvajDone) its rows 0..NumSegments-1 are calculated (SegDone).
OpenStatus OpenModel(CamModel& model, const ModelSource& source, Host& host,
                     OpenResults results = OpenResults::Stored);

// Why the file named on trochix's command line cannot be opened, or "" when it can be read:
// it does not exist, names a folder, or cannot be read (with the system's reason). The
// classic texts speak of a name chosen in a dialog, which a double-clicked file never was.
std::string NamedFileProblem(const std::string& path);

} // namespace trochix::files
