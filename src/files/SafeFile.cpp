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

// Writing through a link replaces the file it points to, not the link.
std::string FollowLink(const std::string& path) {
    namespace fs = std::filesystem;
    std::error_code ec;
    if (fs::is_symlink(fs::symlink_status(path, ec))) {
        const fs::path target = fs::weakly_canonical(path, ec);
        if (!ec)
            return target.string();
    }
    return path;
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

void WriteWholeFile(const std::string& pathIn, std::string_view bytes) {
    if (pathIn.empty())
        throw Fault(model::kBadFileName);
    const std::string path = FollowLink(pathIn);

    struct stat st {};
    bool existed = false;
    if (::stat(path.c_str(), &st) == 0) {
        if (S_ISDIR(st.st_mode))
            throw Fault(model::kPathFileAccessError, path);
        existed = true;
    } else if (errno != ENOENT) {
        Fail(errno, path);
    }
    const std::filesystem::path folder = CheckedFolder(path);

    TempFile temp;
    CreateTemp(temp, folder, path);
    WriteAll(temp.fd, bytes, path);
    if (existed)
        ::fchmod(temp.fd, st.st_mode & 07777); // keep the permissions the file had
    CommitTemp(temp, path);
    SyncFolder(folder);
}

} // namespace trochix::files
