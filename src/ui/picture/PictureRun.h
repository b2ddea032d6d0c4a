// Runs a picture command: the program's context without windows (messages to the error
// stream, no dialogs), the model opened as File > Open opens it (recomputed whole with
// --recalc), then the plot or the Draw Cam picture written to its file. Needs a QApplication
// (the offscreen platform will do).
#pragma once

#include "ui/picture/PictureOptions.h"

#include <ostream>

namespace trochix::ui {

// 0 when the picture was written; 1 when the model or the selection was refused or the file
// could not be written (the reason on `err`).
int RunPicture(const PictureOptions& options, std::ostream& err);

} // namespace trochix::ui
