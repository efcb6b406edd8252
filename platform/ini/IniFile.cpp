#include "platform/ini/IniFile.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace ini {
namespace {

// Closes a descriptor on scope exit.
struct FileDescriptor {
    int fd = -1;
    FileDescriptor() = default;
    explicit FileDescriptor(int descriptor) : fd(descriptor) {}
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    ~FileDescriptor() { Reset(-1); }
    void Reset(int descriptor) {
        if (fd >= 0)
            ::close(fd);
        fd = descriptor;
    }
};

bool WriteAll(int fd, const std::string& bytes, off_t offset = -1) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        ssize_t n = offset < 0 ? ::write(fd, bytes.data() + done, bytes.size() - done)
                               : ::pwrite(fd, bytes.data() + done, bytes.size() - done,
                                          offset + static_cast<off_t>(done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// All bytes of an open file, read from its start; nothing when reading fails.
std::optional<std::string> ReadAll(int fd) {
    std::string text;
    char buffer[8192];
    for (;;) {
        ssize_t n = ::pread(fd, buffer, sizeof buffer, static_cast<off_t>(text.size()));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return std::nullopt;
        if (n == 0)
            return text;
        text.append(buffer, static_cast<std::size_t>(n));
    }
}

std::string FolderOf(const std::string& path) {
    std::size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string NameOf(const std::string& path) {
    std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The file the bytes should end up in: the target of a symbolic link, else the path.
std::string ResolveTarget(const std::string& path) {
    char resolved[PATH_MAX];
    struct stat info {};
    if (::lstat(path.c_str(), &info) == 0 && S_ISLNK(info.st_mode) && ::realpath(path.c_str(), resolved))
        return resolved;
    return path;
}

// Temporary files of a file are named after it, so that a later writer can
// find those a killed writer left behind.
std::string TemporaryPrefix(const std::string& target) {
    return "." + NameOf(target) + ".tmp-";
}

// Runs while the lock is held: every writer holds it for as long as its
// temporary file exists, so any temporary file found now is stale.
void RemoveStaleTemporaries(const std::string& target) {
    const std::string folder = FolderOf(target);
    const std::string prefix = TemporaryPrefix(target);
    DIR* directory = ::opendir(folder.c_str());
    if (!directory)
        return;
    while (const dirent* entry = ::readdir(directory)) {
        const std::string name = entry->d_name;
        if (name.size() == prefix.size() + 6 && name.compare(0, prefix.size(), prefix) == 0)
            ::unlinkat(::dirfd(directory), name.c_str(), 0);
    }
    ::closedir(directory);
}

bool LockExclusively(int fd) {
    int status;
    while ((status = ::flock(fd, LOCK_EX)) != 0 && errno == EINTR) {
    }
    return status == 0;
}

// The file opened (created when missing) while every writer of files in its
// folder is kept out: the lock sits on the folder, which a rename never
// replaces (a lock on the file would stay behind on the replaced file). A
// folder that cannot be opened leaves the lock on the file itself.
struct LockedFile {
    FileDescriptor folder;
    FileDescriptor file;
    bool writable = false;
    std::string target;
    struct stat info {};
};

bool OpenLocked(const std::string& path, LockedFile& locked) {
    locked.folder.Reset(::open(FolderOf(ResolveTarget(path)).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (locked.folder.fd >= 0 && !LockExclusively(locked.folder.fd))
        return false;
    int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    locked.writable = fd >= 0;
    // A read-only file in a writable folder can still be replaced by renaming.
    if (fd < 0 && (errno == EACCES || errno == EROFS || errno == EPERM))
        fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    locked.file.Reset(fd);
    if (fd < 0 || (locked.folder.fd < 0 && !LockExclusively(fd)))
        return false;
    locked.target = ResolveTarget(path); // a dangling link's target exists now
    return ::fstat(fd, &locked.info) == 0 && S_ISREG(locked.info.st_mode);
}

enum class Replaced { Yes, NotThisWay, Failed };

// The atomic way: a temporary file with the file's owner, group and mode,
// renamed over it.
Replaced ReplaceByRename(const LockedFile& locked, const std::string& bytes,
                         const TemporaryFileMaker& makeTemporary) {
    std::string temporary = FolderOf(locked.target) + "/" + TemporaryPrefix(locked.target) + "XXXXXX";
    FileDescriptor file{makeTemporary ? makeTemporary(temporary) : ::mkostemp(temporary.data(), O_CLOEXEC)};
    if (file.fd < 0)
        return Replaced::NotThisWay;
    struct stat made {};
    const bool ownerKept = ::fstat(file.fd, &made) == 0 &&
                           ((made.st_uid == locked.info.st_uid && made.st_gid == locked.info.st_gid) ||
                            ::fchown(file.fd, locked.info.st_uid, locked.info.st_gid) == 0);
    if (!ownerKept || ::fchmod(file.fd, locked.info.st_mode & 07777) != 0) {
        ::unlink(temporary.c_str());
        return Replaced::NotThisWay;
    }
    bool written = WriteAll(file.fd, bytes) && ::fsync(file.fd) == 0;
    written = ::close(file.fd) == 0 && written;
    file.fd = -1;
    if (!written) {
        ::unlink(temporary.c_str());
        return Replaced::Failed;
    }
    if (::rename(temporary.c_str(), locked.target.c_str()) != 0) {
        ::unlink(temporary.c_str());
        return Replaced::NotThisWay;
    }
    FileDescriptor folder{::open(FolderOf(locked.target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)};
    if (folder.fd >= 0)
        ::fsync(folder.fd);
    return Replaced::Yes;
}

// The plain way, for where no temporary file can take the file's place.
bool WriteInPlace(const LockedFile& locked, const std::string& bytes) {
    return locked.writable && WriteAll(locked.file.fd, bytes, 0) &&
           ::ftruncate(locked.file.fd, static_cast<off_t>(bytes.size())) == 0 && ::fsync(locked.file.fd) == 0;
}

} // namespace

FileText ReadWholeFile(const std::string& path) {
    FileText result;
    FileDescriptor file{::open(path.c_str(), O_RDONLY | O_CLOEXEC)};
    if (file.fd < 0) {
        result.status = errno == ENOENT || errno == ENOTDIR ? ReadStatus::Missing : ReadStatus::Failed;
        return result;
    }
    char buffer[8192];
    for (;;) {
        ssize_t n = ::read(file.fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            result.status = ReadStatus::Failed;
            result.text.clear();
            return result;
        }
        if (n == 0)
            break;
        result.text.append(buffer, static_cast<std::size_t>(n));
    }
    result.status = ReadStatus::Ok;
    return result;
}

bool UpdateFile(const std::string& path, const ContentChange& change,
                const TemporaryFileMaker& makeTemporary) {
    LockedFile locked;
    if (!OpenLocked(path, locked))
        return false;
    // A file that exists but cannot be read is never overwritten: its content would be lost.
    const std::optional<std::string> present = ReadAll(locked.file.fd);
    const std::optional<std::string> bytes = present ? change(*present) : std::nullopt;
    if (!bytes)
        return false;
    RemoveStaleTemporaries(locked.target);
    switch (ReplaceByRename(locked, *bytes, makeTemporary)) {
    case Replaced::Yes:
        return true;
    case Replaced::Failed:
        return false;
    case Replaced::NotThisWay:
        break;
    }
    return WriteInPlace(locked, *bytes);
}

} // namespace ini
