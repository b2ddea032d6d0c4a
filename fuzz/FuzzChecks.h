// What must hold for any input of the fuzz targets; shared by the targets and by the tests
// that replay their findings. Each check returns "" when all holds, otherwise what failed.
#pragma once

#include "files/FileValues.h"
#include "files/KeyedFields.h"
#include "files/ModelFile.h"
#include "model/CamModel.h"
#include "model/Initialize.h"
#include "model/RecordingHost.h"
#include "text/NumberText.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <memory>
#include <string>
#include <string_view>

#include <sys/mman.h>
#include <unistd.h>

namespace trochix::fuzz {

// The bytes as a file of their own, in memory, named by a path the reader can open.
class MemoryFile {
public:
    explicit MemoryFile(std::string_view bytes) : fd_(::memfd_create("trochix-fuzz", 0)) {
        for (std::size_t done = 0; fd_ >= 0 && done < bytes.size();) {
            const ssize_t n = ::write(fd_, bytes.data() + done, bytes.size() - done);
            if (n <= 0)
                break;
            done += static_cast<std::size_t>(n);
        }
    }
    ~MemoryFile() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    MemoryFile(const MemoryFile&) = delete;
    MemoryFile& operator=(const MemoryFile&) = delete;
    bool ok() const { return fd_ >= 0; }
    std::string path() const { return "/proc/self/fd/" + std::to_string(fd_); }

private:
    int fd_;
};

inline const model::CamModel& StartModel() {
    static const std::unique_ptr<model::CamModel> m = [] {
        auto start = std::make_unique<model::CamModel>();
        model::RecordingHost host;
        model::Initialize(*start, host);
        return start;
    }();
    return *m;
}

// Keyed fields of each kind, so that keyed lines are read and written back too.
inline constexpr files::KeyedField kFuzzKeyedFields[] = {
    {"FaceWidth", files::RealKey{&model::CamModel::FaceWidth, 0.0f, -1e6f, 1e6f}},
    {"Harmonics", files::IntegerKey{&model::CamModel::NumHarmonics, 15, 0, 720}},
    {"StartFresh", files::BooleanKey{&model::CamModel::TorqueStartFresh, true}},
    {"Term", files::TextKey{&model::CamModel::DivZeroTerm, ""}},
};

// A file is read whole or refused with one message; what was read writes out to a file that
// reads back to the same text.
inline std::string CheckModelFile(std::string_view bytes) {
    MemoryFile file(bytes);
    if (!file.ok())
        return {}; // no memory file: nothing to check
    model::RecordingHost host;
    const files::KeyedFields keyed = kFuzzKeyedFields;
    const files::ReadResult r = files::Readfile(file.path(), StartModel(), host, keyed);
    if (host.busy)
        return "the busy pointer stayed on";
    if (host.messages.size() != 1)
        return "reading showed " + std::to_string(host.messages.size()) + " messages";
    if ((r.status == files::ReadStatus::Read) != static_cast<bool>(r.model))
        return "a model came back without a successful read, or none with it";
    if (r.status != files::ReadStatus::Read)
        return {};
    const std::string written = files::ModelFileText(*r.model, "again.cam", keyed);
    MemoryFile again(written);
    const files::ReadResult back = files::Readfile(again.path(), StartModel(), host, keyed);
    if (back.status != files::ReadStatus::Read)
        return "a model read did not read back once written: " + back.message;
    if (files::ModelFileText(*back.model, "again.cam", keyed) != written)
        return "a model read changed when written and read again";
    return {};
}

// The number in a box: always a finite single-precision value; a model-file real reads back
// bit for bit as written, and a line the file reader takes is a value it writes back so.
inline std::string CheckNumberText(std::string_view text) {
    const double v = text::Val(text);
    const double big = std::numeric_limits<float>::max();
    if (!std::isfinite(v) || v > big || v < -big)
        return "Val gave a value no model real can hold";
    const float f = static_cast<float>(v);
    const files::RealValue back = files::DecodeReal(files::EncodeReal(f));
    if (back.status != files::NumberStatus::Ok ||
        std::bit_cast<std::uint32_t>(back.value) != std::bit_cast<std::uint32_t>(f))
        return "a real did not read back as written: " + files::EncodeReal(f);
    const files::RealValue line = files::DecodeReal(text);
    if (line.status == files::NumberStatus::Ok && !std::isnan(line.value)) {
        const files::RealValue again = files::DecodeReal(files::EncodeReal(line.value));
        if (std::bit_cast<std::uint32_t>(again.value) != std::bit_cast<std::uint32_t>(line.value))
            return "a file line did not read back as written";
    }
    if (text::Str(f).empty() || text::StrD(v).empty())
        return "a number gave no text";
    for (int n : {-1, 0, 2, 5})
        if (text::FNRoundStr(v, n).empty() || text::FormatDecimals(v, n + 2).empty())
            return "a picture gave no text";
    return {};
}

// Stops the fuzz target at a failed check, saying what failed.
inline int Verdict(const char* what, const std::string& failed) {
    if (failed.empty())
        return 0;
    std::fprintf(stderr, "%s check failed: %s\n", what, failed.c_str());
    std::abort();
}

} // namespace trochix::fuzz
