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

bool IsFifo(const std::string& path) {
    return fs::is_fifo(fs::status(path));
}

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
    } cases[] = {
        {"one", "sub/real.cam"}, {"sub/two", "sub/real.cam"}, {"sub/dangling", "sub/made.cam"}};
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

// Whether a plain write may open the file decides; then whether a new file can stand in.
TEST(SafeFile, RewriteWayFollowsThePlainWrite) {
    const struct {
        ExistingFile file;
        RewriteWay way;
    } cases[] = {
        {{0, 1, true}, RewriteWay::Replace},
        {{EACCES, 1, true}, RewriteWay::Refuse}, // mode 444, or another user's file
        {{EROFS, 1, true}, RewriteWay::Refuse},
        {{ETXTBSY, 1, true}, RewriteWay::Refuse},
        {{EACCES, 2, false}, RewriteWay::Refuse},
        {{0, 2, true}, RewriteWay::InPlace},  // a rename would part the other name
        {{0, 1, false}, RewriteWay::InPlace}, // a new file would change its owner
    };
    for (const auto& c : cases)
        EXPECT_EQ(ChooseRewrite(c.file), c.way)
            << c.file.openError << " " << c.file.links << " " << c.file.ownerKept;
    // A refusal shows the access error of the program's error report.
    for (int e : {EACCES, EPERM, EROFS, ETXTBSY})
        EXPECT_EQ(FileFaultNumber(e), model::kPathFileAccessError) << e;
}

TEST(SafeFile, OwnerIsKeptOnlyWhereItCanBeGiven) {
    const gid_t staff[] = {1000, 50};
    const struct {
        uid_t fileUid;
        gid_t fileGid;
        uid_t euid;
        bool kept;
    } cases[] = {
        {1000, 1000, 1000, true},  // one's own file
        {1000, 50, 1000, true},    // in another of one's groups
        {1000, 20, 1000, false},   // a group one is not in
        {1001, 1000, 1000, false}, // another user's file in a shared folder
        {65534, 65534, 0, true},   // the superuser gives any owner
    };
    for (const auto& c : cases)
        EXPECT_EQ(CanKeepOwner(c.fileUid, c.fileGid, c.euid, staff), c.kept)
            << c.fileUid << ":" << c.fileGid << " as " << c.euid;
}

// A read-only file is refused exactly when a plain write is (the superuser may write it); a
// replaced file keeps its permission bits.
TEST(SafeFile, ReplacedFileKeepsItsPermissionsAndReadOnlyFollowsThePlainWrite) {
    ScratchDir dir;
    for (const fs::perms mode :
         {fs::perms(0444), fs::perms(0600), fs::perms(0640), fs::perms(0755)}) {
        SCOPED_TRACE(static_cast<int>(mode));
        const std::string path = dir.file("model.cam");
        WriteBytes(path, "old");
        fs::permissions(path, mode);
        const int probe = ::open(path.c_str(), O_WRONLY);
        const bool plainWriteOpens = probe >= 0;
        if (probe >= 0)
            ::close(probe);
        EXPECT_EQ(FaultOf(path, "new"), plainWriteOpens ? 0 : model::kPathFileAccessError);
        EXPECT_EQ(ReadBytes(path), plainWriteOpens ? "new" : "old");
        EXPECT_EQ(fs::status(path).permissions(), mode);
        fs::permissions(path, fs::perms(0600));
        fs::remove(path);
        EXPECT_TRUE(dir.entries().empty());
    }
}

// A file with two names is rewritten in place, so both names show the new bytes; so is a file
// in a folder that takes no new file (the superuser can always add one and replaces it).
TEST(SafeFile, FileThatCannotBeReplacedIsRewrittenInPlace) {
    ScratchDir dir;
    const std::string path = dir.file("model.cam");
    WriteBytes(path, "a longer old content");
    fs::create_hard_link(path, dir.file("other-name.cam"));
    const auto inode = [](const std::string& p) {
        struct stat st {};
        ::stat(p.c_str(), &st);
        return st.st_ino;
    };
    const ino_t before = inode(path);
    EXPECT_EQ(FaultOf(path, "new"), 0);
    EXPECT_EQ(ReadBytes(path), "new");
    EXPECT_EQ(ReadBytes(dir.file("other-name.cam")), "new");
    EXPECT_EQ(inode(path), before);

    fs::remove(dir.file("other-name.cam"));
    fs::create_directory(dir.file("locked"));
    const std::string inLocked = dir.file("locked/model.cam");
    WriteBytes(inLocked, "old");
    fs::permissions(dir.file("locked"), fs::perms(0555));
    EXPECT_EQ(FaultOf(inLocked, "written"), 0);
    EXPECT_EQ(ReadBytes(inLocked), "written");
    fs::permissions(dir.file("locked"), fs::perms(0755));
    EXPECT_EQ(fs::directory_iterator(dir.file("locked"))->path().filename(), "model.cam");
}

// Another user's file keeps its owner. Only the superuser can set up a file of another user.
TEST(SafeFile, AnotherUsersFileKeepsItsOwner) {
    if (::geteuid() != 0)
        GTEST_SKIP() << "giving a file to another user needs the superuser; the rule for "
                        "ordinary users is checked by OwnerIsKeptOnlyWhereItCanBeGiven";
    ScratchDir dir;
    fs::permissions(dir.path(), fs::perms(0777)); // a folder all may write
    const std::string path = dir.file("theirs.cam");
    WriteBytes(path, "theirs");
    fs::permissions(path, fs::perms(0644));
    ASSERT_EQ(::chown(path.c_str(), 65534, 65534), 0);
    EXPECT_EQ(FaultOf(path, "mine"), 0);
    EXPECT_EQ(ReadBytes(path), "mine");
    struct stat st {};
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_uid, 65534u);
    EXPECT_EQ(st.st_gid, 65534u);
    EXPECT_EQ(st.st_mode & 07777, 0644u);
}
