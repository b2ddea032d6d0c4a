// A text file read one line at a time through a fixed buffer, so that the memory a read takes
// does not grow with the file, whatever the file holds.
//
// A line ends in LF; a CR before it is dropped, and the last line may lack its LF. A line
// longer than the reader's limit, and bytes beyond the budget that the caller may set once it
// knows how large the file can be, are reported rather than read.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace trochix::files {

class LineReader {
public:
    // Opens the file; model::Fault 53 file not found, 75 access (also a folder),
    // 64 bad file name, 57 any other failure.
    LineReader(const std::string& path, std::size_t maxLineBytes);
    ~LineReader();
    LineReader(const LineReader&) = delete;
    LineReader& operator=(const LineReader&) = delete;

    enum class Status { Line, End, TooLong, OverBudget };
    struct Line {
        Status status;
        std::string_view text; // valid until the next call
    };
    // The next line. A read failure raises model::Fault 57 (or the number of its cause).
    Line next();

    // Bytes handed out so far, line ends included.
    std::uint64_t consumed() const { return consumed_; }
    // From now on, a line that would take consumed() beyond `bytes` gives OverBudget.
    void setBudget(std::uint64_t bytes) { budget_ = bytes; }
    // The size of a regular file; empty for a pipe or a device, whose size is not known.
    std::optional<std::uint64_t> size() const { return size_; }

private:
    bool fill(); // false at the end of the file

    std::string path_;
    int fd_ = -1;
    std::size_t maxLine_;
    std::vector<char> buf_;
    std::size_t begin_ = 0; // first byte not yet handed out
    std::size_t end_ = 0;   // one past the last byte read
    bool eof_ = false;
    std::uint64_t consumed_ = 0;
    std::uint64_t budget_ = UINT64_MAX;
    std::optional<std::uint64_t> size_;
};

} // namespace trochix::files
