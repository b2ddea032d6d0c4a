// The model file (".cam"): the whole model, results included, one value per line.
//
// Layout (current): 16 header lines, 16 segment slots of 204 lines each (all slots, also
// those beyond NumSegments), the result table rows 0..NumFunctions by points 0..NumPoints,
// function by function, and 27 closing lines; then a Key=Value line for each keyed field that
// differs from its default (KeyedFields.h). Files of the older layout (file version below
// 1.3) lack header lines 3 and 4 (line 3 holds the model name) and result row 0.
//
// Saving writes a temporary file beside the target and renames it over the target only when
// everything was written, so a failed save leaves the previous file intact. Opening reads into
// a separate model; the live model is replaced by the caller only when the whole file was read.
#pragma once

#include "files/KeyedFields.h"
#include "model/CamModel.h"
#include "model/Host.h"

#include <memory>
#include <string>

namespace trochix::files {

using model::CamModel;
using model::Host;

// ---- saving

// The file text of the model, CR LF line ends; line 5 holds fileName (the name the model is
// being saved under). Raises fault 9 when NumPoints lies outside the result table.
std::string ModelFileText(const CamModel& m, const std::string& fileName,
                          KeyedFields keyed = ModelKeyedFields());

// Writes the model to path, whole or not at all; line 5 is path. Leaves the model alone.
// Raises model::Fault with the file-error numbers (61, 57, 76, 75, 64) on failure.
void Writefile(const CamModel& m, const std::string& path);

// "File was successfully written to " + CR + fileName (information icon, default title).
void ShowWrittenMessage(Host& host, const std::string& fileName);

// Save and Save As after the file dialog: busy pointer, Writefile; on success FileName = path,
// ModelSaved = True, ModelName = ModelNameFromPath(path) and the written message. Any fault is
// reported through ReportError under routineName (e.g. "frm_Homescreen.SaveAs"); a failed
// write leaves the model (FileName included) and the previous file unchanged. Returns true
// when saved.
bool SaveModel(CamModel& m, const std::string& path, Host& host,
               const std::string& routineName = "Writefile");

// The model name of a file path: StripFilename (folders separated by '/' or '\', the
// three-letter extension dropped); a path without such an extension gives its last component.
std::string ModelNameFromPath(const std::string& path);

// ---- opening

enum class ReadStatus {
    Read,         // the whole file was read: model holds it
    Incompatible, // line 1 is another program's title (the question-icon message was shown)
    Damaged,      // a line did not hold its field (the exclamation message names line and field)
    Failed,       // the file could not be opened or read (reported through ReportError)
};

struct ReadResult {
    ReadStatus status = ReadStatus::Failed;
    std::unique_ptr<CamModel> model; // set only when status == Read
    std::string message;             // the text shown for Incompatible and Damaged
};

// Reads the model file at path into a copy of `current` (so that what the file does not hold,
// such as the print and plot choices, carries over as before) and, when the whole file was
// read, returns it with:
//  - every stored field, CamOmega2/3 and PivotDistance recomputed, ArmDirection from
//    ArmRotateSign, PolyCoef(0, s) = SegNumBC(s);
//  - every keyed field its line's value, or its default when the file has no line for it;
//  - the input screen's texts: OmegaText (rpm), SegmentsText, DeltaText, and per segment
//    SegBetaText, SegLawFamily (and SegHalf for the half laws) from the law text;
//  - the segment rows not calculated (SegDone False), result points beyond NumPoints zeroed,
//    in an older-layout file row 0 set to the cam angles of the file's step;
//  - unit labels for UnitSystem as the Units menu sets them (label 0 "deg"): the file holds
//    the system, not the labels, so the labels follow from it alone;
//  - FileName = path, ModelName = ModelNameFromPath(path), ModelSaved = True (the model
//    equals its file); FftDone cleared (it described the previous model); BcUnchanged set
//    (the stored conditions of the polynomial segments count as solved);
// and shows "File " + path + " successfully read." (information icon).
// A keyed line with a key not in `keyed`, given twice or with a bad value is Damaged like any
// other line. OpenModel (OpenModel.h) replaces the live model with result.model and
// recomputes what the file does not hold. `current` is never changed.
ReadResult Readfile(const std::string& path, const CamModel& current, Host& host,
                    KeyedFields keyed = ModelKeyedFields());

} // namespace trochix::files
