// Files written whole or not at all.
//
// WriteWholeFile writes the bytes to a new temporary file in the target's folder, flushes it
// to the disk and only then renames it over the target: a failure at any point leaves the
// previous file as it was and removes the temporary. Failures raise model::Fault with the
// classic file-error numbers, so ReportError shows the usual texts:
//   61 disk full (also a file grown beyond what the disk or the process allows),
//   57 device I/O error, 76 path not found, 75 path/file access error
//   (no permission, read-only disk, the target is a folder), 64 bad file name.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace trochix::files {

// What a path names decides how it is written:
//  - a regular file, or none yet: as above, a replaced file keeping its permission bits;
//  - a symbolic link: followed to its final target, which is written that way (and created
//    when the link dangles); the link stays;
//  - a pipe, FIFO, terminal or device: written straight through, never replaced;
//  - "-": standard output, written straight through.
void WriteWholeFile(const std::string& path, std::string_view bytes);

inline constexpr std::string_view kStandardOutput = "-";

// The fault number for a system error code of a file operation.
int FileFaultNumber(int errnoValue);

} // namespace trochix::files
