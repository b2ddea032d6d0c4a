#include "files/LineReader.h"

#include "files/SafeFile.h"
#include "model/Fault.h"

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace trochix::files {

using model::Fault;

namespace {

constexpr std::size_t kChunk = 64 * 1024;

} // namespace

LineReader::LineReader(const std::string& path, std::size_t maxLineBytes)
    : path_(path), maxLine_(maxLineBytes) {
    if (path.empty())
        throw Fault(model::kBadFileName);
    fd_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd_ < 0) {
        const int e = errno;
        throw Fault(e == ENOENT ? model::kFileNotFound : FileFaultNumber(e), path);
    }
    struct stat st {};
    if (::fstat(fd_, &st) != 0) {
        const int e = errno;
        ::close(fd_);
        throw Fault(FileFaultNumber(e), path);
    }
    if (S_ISDIR(st.st_mode)) {
        ::close(fd_);
        throw Fault(model::kPathFileAccessError, path);
    }
    if (S_ISREG(st.st_mode))
        size_ = static_cast<std::uint64_t>(st.st_size);
    // Room for the longest line, its line end and one more read.
    buf_.resize(maxLine_ + 2 + kChunk);
}

LineReader::~LineReader() {
    if (fd_ >= 0)
        ::close(fd_);
}

bool LineReader::fill() {
    if (eof_)
        return false;
    if (begin_ > 0) {
        std::memmove(buf_.data(), buf_.data() + begin_, end_ - begin_);
        end_ -= begin_;
        begin_ = 0;
    }
    for (;;) {
        const ssize_t n = ::read(fd_, buf_.data() + end_, buf_.size() - end_);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            throw Fault(FileFaultNumber(errno), path_);
        }
        if (n == 0) {
            eof_ = true;
            return false;
        }
        end_ += static_cast<std::size_t>(n);
        return true;
    }
}

LineReader::Line LineReader::next() {
    std::size_t scanned = begin_;
    for (;;) {
        const void* nl = std::memchr(buf_.data() + scanned, '\n', end_ - scanned);
        std::size_t lineEnd; // one past the line's last byte, its LF included when there is one
        if (nl) {
            lineEnd = static_cast<std::size_t>(static_cast<const char*>(nl) - buf_.data()) + 1;
        } else if (end_ - begin_ > maxLine_ + 1) {
            return {Status::TooLong, {}};
        } else {
            const std::size_t pending = end_ - begin_;
            if (fill()) {
                scanned = pending; // fill() moved the pending bytes to the start
                continue;
            }
            if (begin_ == end_)
                return {Status::End, {}};
            lineEnd = end_; // the last line, without its LF
        }
        const std::size_t length = lineEnd - begin_;
        if (consumed_ + length > budget_)
            return {Status::OverBudget, {}};
        std::string_view text(buf_.data() + begin_, length);
        if (!text.empty() && text.back() == '\n')
            text.remove_suffix(1);
        if (!text.empty() && text.back() == '\r')
            text.remove_suffix(1);
        if (text.size() > maxLine_)
            return {Status::TooLong, {}};
        consumed_ += length;
        begin_ = lineEnd;
        return {Status::Line, text};
    }
}

} // namespace trochix::files
