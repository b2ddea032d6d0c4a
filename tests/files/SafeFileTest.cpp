// Writing whole files over what a path may name: files, links, pipes, devices, standard output.
#include "files/SafeFile.h"

#include "FilesTestSupport.h"
#include "model/Fault.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <filesystem>
#include <string>
#include <thread>

#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

using namespace trochix;
using namespace trochix::files;
using namespace trochix::files::testing;
namespace fs = std::filesystem;

namespace {

// Everything readable from a non-blocking descriptor until a fifth of a second passes quietly.
std::string Drain(int fd) {
    std::string got;
    char buf[4096];
    for (;;) {
        pollfd p{fd, POLLIN, 0};
        if (::poll(&p, 1, 200) <= 0)
            break;
        const ssize_t n = ::read(fd, buf, sizeof buf);
        if (n <= 0)
            break;
        got.append(buf, static_cast<std::size_t>(n));
    }
    return got;
}

// The fault number WriteWholeFile raises, 0 when it writes.
int FaultOf(const std::string& path, std::string_view bytes) {
    try {
        WriteWholeFile(path, bytes);
    } catch (const model::Fault& f) {
        return f.number();
    }
    return 0;
}

bool IsFifo(const std::string& path) { return fs::is_fifo(fs::status(path)); }

} // namespace

// A FIFO named directly or through a link (absolute or relative) receives the bytes and stays
// a FIFO; nothing is created beside it.
TEST(SafeFile, FifoIsWrittenThroughNeverReplaced) {
    ScratchDir dir;
    const std::string fifo = dir.file("pipe");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    fs::create_symlink(fifo, dir.file("absolute"));
    fs::create_symlink("pipe", dir.file("relative"));
    fs::create_symlink("relative", dir.file("twice"));
    for (const char* name : {"pipe", "absolute", "relative", "twice"}) {
        SCOPED_TRACE(name);
        const int reader = ::open(fifo.c_str(), O_RDONLY | O_NONBLOCK);
        ASSERT_GE(reader, 0);
        EXPECT_EQ(FaultOf(dir.file(name), std::string("line 1\r\nline 2\r\n") + name), 0);
        EXPECT_EQ(Drain(reader), std::string("line 1\r\nline 2\r\n") + name);
        ::close(reader);
        EXPECT_TRUE(IsFifo(fifo));
    }
    EXPECT_EQ(dir.entries().size(), 4u);
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(dir.file("absolute"))));
}

// A terminal is a character device: the bytes reach whoever reads it.
TEST(SafeFile, TerminalIsWrittenThrough) {
    const int master = ::posix_openpt(O_RDWR | O_NOCTTY);
    ASSERT_GE(master, 0);
    ASSERT_EQ(::grantpt(master), 0);
    ASSERT_EQ(::unlockpt(master), 0);
    const std::string slave = ::ptsname(master);
    const int slaveFd = ::open(slave.c_str(), O_RDWR | O_NOCTTY);
    ASSERT_GE(slaveFd, 0);
    termios raw{};
    ::tcgetattr(slaveFd, &raw);
    ::cfmakeraw(&raw); // bytes as written, no line-end translation
    ::tcsetattr(slaveFd, TCSANOW, &raw);
    ::fcntl(master, F_SETFL, O_NONBLOCK);

    EXPECT_EQ(FaultOf(slave, " .5 \t-.25 \t\r\n"), 0);
    EXPECT_EQ(Drain(master), " .5 \t-.25 \t\r\n");
    EXPECT_TRUE(fs::is_character_file(fs::status(slave)));
    ::close(slaveFd);
    ::close(master);
}

// "-" is standard output.
TEST(SafeFile, DashIsStandardOutput) {
    ScratchDir dir;
    const fs::path before = fs::current_path();
    fs::current_path(dir.path()); // a file named "-" would land here
    int pipeFds[2];
    ASSERT_EQ(::pipe(pipeFds), 0);
    std::fflush(stdout);
    const int savedOut = ::dup(STDOUT_FILENO);
    ::dup2(pipeFds[1], STDOUT_FILENO);
    const int fault = FaultOf("-", "to standard output\r\n");
    ::dup2(savedOut, STDOUT_FILENO);
    ::close(savedOut);
    ::close(pipeFds[1]);
    ::fcntl(pipeFds[0], F_SETFL, O_NONBLOCK);
    const std::string got = Drain(pipeFds[0]);
    ::close(pipeFds[0]);
    fs::current_path(before);
    EXPECT_EQ(fault, 0);
    EXPECT_EQ(got, "to standard output\r\n");
    EXPECT_TRUE(dir.entries().empty());
}

// A link is followed to the file it finally names, which is replaced (or created when the link
// dangles); the links stay links.
TEST(SafeFile, LinksAreFollowedToTheFileTheyName) {
    ScratchDir dir;
    fs::create_directory(dir.file("sub"));
    WriteBytes(dir.file("sub/real.cam"), "old");
    fs::create_symlink("sub/real.cam", dir.file("one"));      // relative to its folder
    fs::create_symlink(dir.file("one"), dir.file("sub/two")); // a link to a link
    fs::create_symlink("made.cam", dir.file("sub/dangling")); // names a file not yet there
    const struct {
        const char* written;
        const char* file; // where the bytes land
    } cases[] = {{"one", "sub/real.cam"}, {"sub/two", "sub/real.cam"},
                 {"sub/dangling", "sub/made.cam"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.written);
        EXPECT_EQ(FaultOf(dir.file(c.written), c.written), 0);
        EXPECT_EQ(ReadBytes(dir.file(c.file)), c.written);
        EXPECT_TRUE(fs::is_symlink(fs::symlink_status(dir.file(c.written))));
        EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(dir.file(c.file))));
    }
    EXPECT_EQ(fs::read_symlink(dir.file("sub/dangling")), "made.cam");
}

TEST(SafeFile, UnwritableTargetsRaiseTheirFaults) {
    ScratchDir dir;
    fs::create_symlink("no/such/folder/x.cam", dir.file("lost"));
    fs::create_symlink("loop2", dir.file("loop1"));
    fs::create_symlink("loop1", dir.file("loop2"));
    fs::create_directory(dir.file("folder"));
    fs::create_symlink("folder", dir.file("to-folder"));
    const std::pair<std::string, int> cases[] = {
        {dir.file("lost"), model::kPathNotFound},
        {dir.file("loop1"), model::kPathFileAccessError},
        {dir.file("folder"), model::kPathFileAccessError},
        {dir.file("to-folder"), model::kPathFileAccessError},
        {"", model::kBadFileName},
    };
    for (const auto& [path, number] : cases)
        EXPECT_EQ(FaultOf(path, "x"), number) << path;
    EXPECT_EQ(dir.entries().size(), 5u); // nothing created beside them
}
