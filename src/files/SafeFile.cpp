#include "files/SafeFile.h"

#include "model/Fault.h"

#include <cerrno>
#include <filesystem>
#include <string>

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
    case ELOOP:
        return model::kPathFileAccessError;
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
    const int fd = ::open(path.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        Fail(errno, path);
    struct Closer {
        int fd;
        ~Closer() { ::close(fd); }
    } closer{fd};
    WriteAll(fd, bytes, path);
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

// A new file of a name of our own beside the target.
void CreateTemp(TempFile& temp, const std::filesystem::path& folder, const std::string& path) {
    static unsigned counter = 0;
    for (int attempt = 0; attempt < 100 && temp.fd < 0; ++attempt) {
        const std::string name = (folder / (".trochix-" + std::to_string(::getpid()) + "-" +
                                            std::to_string(++counter) + ".tmp"))
                                     .string();
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) {
            temp.fd = fd;
            temp.name = name;
        } else if (errno != EEXIST) {
            Fail(errno, path);
        }
    }
    if (temp.fd < 0)
        throw Fault(model::kPathFileAccessError, path);
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

} // namespace

void WriteWholeFile(const std::string& path, std::string_view bytes) {
    if (path.empty())
        throw Fault(model::kBadFileName);
    if (path == kStandardOutput) {
        WriteAll(STDOUT_FILENO, bytes, path);
        return;
    }
    const Target target = ResolveTarget(path);
    if (target.exists && S_ISDIR(target.st.st_mode))
        throw Fault(model::kPathFileAccessError, path);
    if (target.exists && !S_ISREG(target.st.st_mode)) {
        WriteThrough(target.path, bytes);
        return;
    }
    const std::filesystem::path folder = CheckedFolder(target.path);
    TempFile temp;
    CreateTemp(temp, folder, target.path);
    WriteAll(temp.fd, bytes, target.path);
    if (target.exists)
        ::fchmod(temp.fd, target.st.st_mode & 07777); // keep the permissions the file had
    CommitTemp(temp, target.path);
    SyncFolder(folder);
}

} // namespace trochix::files
