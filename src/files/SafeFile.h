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
#include <span>
#include <string>
#include <string_view>

#include <sys/types.h>

namespace trochix::files {

// What a path names decides how it is written:
//  - none yet: as above;
//  - a regular file: refused exactly where a plain write would be (fault 75 for no
//    permission); otherwise as above, the new file taking the old one's owner, group and
//    permission bits; when it cannot have them, or the folder takes no new file, or the
//    file has other names, it is rewritten in place instead, room for it reserved first;
//  - a symbolic link: followed to its final target, which is written that way (and created
//    when the link dangles); the link stays;
//  - a pipe, FIFO, terminal or device: written straight through, never replaced;
//  - "-": standard output, written straight through.
void WriteWholeFile(const std::string& path, std::string_view bytes);

inline constexpr std::string_view kStandardOutput = "-";

// The fault number for a system error code of a file operation.
int FileFaultNumber(int errnoValue);

// ---- how an existing regular file is rewritten (exposed for its tests)

enum class RewriteWay {
    Refuse,  // a plain write may not open it: its fault is raised
    Replace, // a new file beside it, with its owner, group and permission bits, renamed over it
    InPlace, // rewritten in place: a new file could not stand in for it
};

struct ExistingFile {
    int openError = 0;       // the errno of opening it for writing, 0 when it opened
    unsigned long links = 1; // its names: a rename would part the others from the new bytes
    bool ownerKept = true;   // a new file can have its owner and group
};

RewriteWay ChooseRewrite(const ExistingFile& file);

// Whether a process of effective user `euid` in `groups` can give a new file this owner and
// group: its own user and one of its groups, or anything as the superuser.
bool CanKeepOwner(uid_t fileUid, gid_t fileGid, uid_t euid, std::span<const gid_t> groups);

} // namespace trochix::files
