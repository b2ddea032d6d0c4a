#include "files/SafeFile.h"

#include "model/Fault.h"

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <string>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace trochix::files {

using model::Fault;

int FileFaultNumber(int e) {
    switch (e) {
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return model::kDiskFull;
    case EIO:
        return model::kDeviceIOError;
    case ENOENT:
    case ENOTDIR:
        return model::kPathNotFound;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
    case ETXTBSY:
    case EBUSY:
    case EEXIST:
    case ELOOP: return model::kPathFileAccessError;
    case ENAMETOOLONG:
    case EINVAL:
    case EILSEQ:
        return model::kBadFileName;
    default:
        return model::kDeviceIOError;
    }
}

namespace {

[[noreturn]] void Fail(int e, const std::string& path) {
    throw Fault(FileFaultNumber(e), path);
}

struct Descriptor {
    explicit Descriptor(int f) : fd(f) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() {
        if (fd >= 0)
            ::close(fd);
    }
    int fd;
};

// Removes the temporary file unless it was renamed into place.
class TempFile {
public:
    TempFile() = default;
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;
    ~TempFile() {
        if (fd >= 0)
            ::close(fd);
        if (!name.empty())
            ::unlink(name.c_str());
    }
    int fd = -1;
    std::string name;
};

void WriteAll(int fd, std::string_view bytes, const std::string& path) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR)
                continue;
            Fail(errno, path);
        }
        if (n == 0)
            Fail(EIO, path);
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
}

// What a path finally names once its links are followed.
struct Target {
    std::string path; // the name to write: the last link's target, or the path itself
    bool exists = false;
    struct stat st {};
};

// The path a symbolic link points to, relative targets taken from the link's folder.
std::string LinkTarget(const std::string& link) {
    std::string target(256, '\0');
    for (;;) {
        const ssize_t n = ::readlink(link.c_str(), target.data(), target.size());
        if (n < 0)
            Fail(errno, link);
        if (static_cast<std::size_t>(n) < target.size()) {
            target.resize(static_cast<std::size_t>(n));
            break;
        }
        target.resize(target.size() * 2);
    }
    if (target.starts_with('/'))
        return target;
    const std::size_t slash = link.rfind('/');
    return slash == std::string::npos ? target : link.substr(0, slash + 1) + target;
}

// Follows the links of a path to what is finally written, also when the last one dangles
// (the file it names is then created).
Target ResolveTarget(const std::string& path) {
    constexpr int kMaxLinks = 40; // as the system allows
    std::string p = path;
    for (int hops = 0; hops <= kMaxLinks; ++hops) {
        Target t{p, true, {}};
        if (::lstat(p.c_str(), &t.st) != 0) {
            if (errno != ENOENT)
                Fail(errno, path);
            t.exists = false;
            return t;
        }
        if (!S_ISLNK(t.st.st_mode))
            return t;
        // A link to a pipe or a device is written through as it is: a pipe behind
        // /proc/self/fd has no name to follow.
        if (::stat(p.c_str(), &t.st) == 0 && !S_ISREG(t.st.st_mode) && !S_ISDIR(t.st.st_mode))
            return t;
        p = LinkTarget(p);
    }
    Fail(ELOOP, path);
}

// A pipe, terminal or device takes the bytes as they come; it is never replaced.
void WriteThrough(const std::string& path, std::string_view bytes) {
    const Descriptor file(::open(path.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY));
    if (file.fd < 0)
        Fail(errno, path);
    WriteAll(file.fd, bytes, path);
}

// The folder the file goes into, which must exist.
std::filesystem::path CheckedFolder(const std::string& path) {
    std::filesystem::path folder = std::filesystem::path(path).parent_path();
    if (folder.empty())
        folder = ".";
    struct stat dirSt {};
    if (::stat(folder.c_str(), &dirSt) != 0)
        Fail(errno, path);
    if (!S_ISDIR(dirSt.st_mode))
        throw Fault(model::kPathNotFound, path);
    return folder;
}

// A new file of a name of our own beside the target; the errno of the failure, 0 when made.
int CreateTemp(TempFile& temp, const std::filesystem::path& folder) {
    static unsigned counter = 0;
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string name = (folder / (".trochix-" + std::to_string(::getpid()) + "-" +
                                            std::to_string(++counter) + ".tmp"))
                                     .string();
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) {
            temp.fd = fd;
            temp.name = name;
            return 0;
        }
        if (errno != EEXIST)
            return errno;
    }
    return EEXIST;
}

// Flushes the temporary to the disk and renames it over the target.
void CommitTemp(TempFile& temp, const std::string& path) {
    if (::fsync(temp.fd) != 0)
        Fail(errno, path);
    const int fd = temp.fd;
    temp.fd = -1;
    if (::close(fd) != 0)
        Fail(errno, path);
    if (::rename(temp.name.c_str(), path.c_str()) != 0)
        Fail(errno, path);
    temp.name.clear();
}

// Makes a rename durable; a failure here no longer endangers either file.
void SyncFolder(const std::filesystem::path& folder) {
    const int dirFd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd >= 0) {
        ::fsync(dirFd);
        ::close(dirFd);
    }
}

// Writes a new file beside the target and renames it into place. With `like` set, the new
// file first takes that file's owner, group and permission bits; false (nothing changed)
// when it cannot have them or when the folder takes no new file.
bool ReplaceViaTemp(const std::string& path, std::string_view bytes, const struct stat* like) {
    const std::filesystem::path folder = CheckedFolder(path);
    TempFile temp;
    if (const int e = CreateTemp(temp, folder)) {
        if (like && (e == EACCES || e == EPERM))
            return false;
        Fail(e, path);
    }
    if (like) {
        struct stat own {};
        if (::fstat(temp.fd, &own) != 0)
            Fail(errno, path);
        // The owner first: changing it may clear set-id bits that the mode then restores.
        if ((own.st_uid != like->st_uid || own.st_gid != like->st_gid) &&
            ::fchown(temp.fd, like->st_uid, like->st_gid) != 0)
            return false;
        if (::fchmod(temp.fd, like->st_mode & 07777) != 0)
            return false;
    }
    WriteAll(temp.fd, bytes, path);
    CommitTemp(temp, path);
    SyncFolder(folder);
    return true;
}

// Rewrites an open regular file in place. Room for the new bytes is reserved first, so that
// a full disk is found before anything has changed.
void WriteInPlace(int fd, std::string_view bytes, const std::string& path) {
    if (!bytes.empty() &&
        ::fallocate(fd, FALLOC_FL_KEEP_SIZE, 0, static_cast<off_t>(bytes.size())) != 0 &&
        errno != EOPNOTSUPP && errno != ENOSYS)
        Fail(errno, path);
    off_t offset = 0;
    while (!bytes.empty()) {
        const ssize_t n = ::pwrite(fd, bytes.data(), bytes.size(), offset);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            Fail(errno, path);
        }
        if (n == 0)
            Fail(EIO, path);
        bytes.remove_prefix(static_cast<std::size_t>(n));
        offset += n;
    }
    if (::ftruncate(fd, offset) != 0 || ::fsync(fd) != 0)
        Fail(errno, path);
}

// The groups of this process, the effective one included.
std::vector<gid_t> OwnGroups() {
    std::vector<gid_t> groups(static_cast<std::size_t>(std::max(::getgroups(0, nullptr), 0)));
    const int n = ::getgroups(static_cast<int>(groups.size()), groups.data());
    groups.resize(static_cast<std::size_t>(std::max(n, 0)));
    groups.push_back(::getegid());
    return groups;
}

// An existing regular file: refused where a plain write would be, else replaced whole, or
// rewritten in place when a new file could not stand in for it.
void RewriteRegular(const std::string& path, const struct stat& st, std::string_view bytes) {
    const Descriptor file(::open(path.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY));
    const std::vector<gid_t> groups = OwnGroups();
    const ExistingFile facts{file.fd < 0 ? errno : 0, static_cast<unsigned long>(st.st_nlink),
                             CanKeepOwner(st.st_uid, st.st_gid, ::geteuid(), groups)};
    switch (ChooseRewrite(facts)) {
    case RewriteWay::Refuse: Fail(facts.openError, path);
    case RewriteWay::Replace:
        if (ReplaceViaTemp(path, bytes, &st))
            return;
        break;
    case RewriteWay::InPlace: break;
    }
    WriteInPlace(file.fd, bytes, path);
}

} // namespace

bool CanKeepOwner(uid_t fileUid, gid_t fileGid, uid_t euid, std::span<const gid_t> groups) {
    if (euid == 0)
        return true;
    return fileUid == euid && std::find(groups.begin(), groups.end(), fileGid) != groups.end();
}

RewriteWay ChooseRewrite(const ExistingFile& f) {
    if (f.openError != 0)
        return RewriteWay::Refuse;
    if (f.links > 1 || !f.ownerKept)
        return RewriteWay::InPlace;
    return RewriteWay::Replace;
}

void WriteWholeFile(const std::string& path, std::string_view bytes) {
    if (path.empty())
        throw Fault(model::kBadFileName);
    if (path == kStandardOutput) {
        WriteAll(STDOUT_FILENO, bytes, path);
        return;
    }
    const Target target = ResolveTarget(path);
    if (!target.exists)
        ReplaceViaTemp(target.path, bytes, nullptr);
    else if (S_ISDIR(target.st.st_mode))
        throw Fault(model::kPathFileAccessError, path);
    else if (S_ISREG(target.st.st_mode))
        RewriteRegular(target.path, target.st, bytes);
    else
        WriteThrough(target.path, bytes);
}

} // namespace trochix::files
