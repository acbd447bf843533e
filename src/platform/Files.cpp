// Paths and files of the data folder, with atomic writes.
#include "Files.h"

#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <vector>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "Errors.h"

namespace {

// The reasons a user meets, in French; the system's own text otherwise.
AnsiString ErrorText(int err) {
    switch (err) {
    case EACCES: case EPERM: return Utf8ToAnsi("accès refusé");
    case ENOENT: return Utf8ToAnsi("fichier ou dossier introuvable");
    case ENOTDIR: return Utf8ToAnsi("le chemin ne mène pas à un dossier");
    case EISDIR: return Utf8ToAnsi("c'est un dossier");
    case ENOSPC: return Utf8ToAnsi("disque plein");
    case EROFS: return Utf8ToAnsi("support en lecture seule");
    case EFBIG: return Utf8ToAnsi("fichier trop volumineux");
    default: return Utf8ToAnsi(std::strerror(err));
    }
}

[[noreturn]] void Fail(const std::string& what, const std::string& path, int err) {
    throw EFileError(what + " \"" + PathText(path) + "\" : " + ErrorText(err));
}

}  // namespace

std::string JoinPath(const std::string& dir, const AnsiString& name) {
    // The system speaks UTF-8; the folder's own bytes are kept as they are.
    const std::string systemName = AnsiToUtf8(name);
    if (dir.empty()) return systemName;
    if (dir.back() == PathSep) return dir + systemName;
    return dir + PathSep + systemName;
}

AnsiString PathText(const std::string& path) { return Utf8ToAnsi(path); }

bool FileExists(const std::string& path) {
    struct stat st;
    return !path.empty() && ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool DirectoryExists(const std::string& path) {
    struct stat st;
    return !path.empty() && ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

namespace {

// The path with every link and "." or ".." resolved; "" when it leads nowhere.
std::string CanonicalPath(const std::string& path) {
    char* resolved = ::realpath(path.c_str(), nullptr);
    if (!resolved) return "";
    std::string canonical(resolved);
    std::free(resolved);
    return canonical;
}

// The entry of dir whose name is name ignoring case ("" when none; the first in byte
// order when several are).
std::string EntryIgnoringCase(const std::string& dir, const AnsiString& name) {
    DIR* d = ::opendir(dir.c_str());
    if (!d) return "";
    std::string found;
    while (const dirent* entry = ::readdir(d)) {
        const std::string entryName = entry->d_name;
        if (entryName == "." || entryName == "..") continue;
        if (SameText(PathText(entryName), name) && (found.empty() || entryName < found)) found = entryName;
    }
    ::closedir(d);
    return found;
}

}  // namespace

std::string FileInFolder(const std::string& folder, const AnsiString& name) {
    if (name.empty() || name[0] == PathSep) return "";
    // The parts of the name, "." dropped and ".." going back one part: going back
    // from the folder itself leads out of it.
    std::vector<AnsiString> parts;
    for (size_t start = 0; start <= name.size();) {
        size_t end = name.find(PathSep, start);
        if (end == std::string::npos) end = name.size();
        const AnsiString part = name.substr(start, end - start);
        if (part == "..") {
            if (parts.empty()) return "";
            parts.pop_back();
        } else if (!part.empty() && part != ".") {
            parts.push_back(part);
        }
        start = end + 1;
    }
    if (parts.empty()) return "";
    std::string path = folder;
    for (const AnsiString& part : parts) {
        std::string next = JoinPath(path, part);
        struct stat st;
        if (::lstat(next.c_str(), &st) != 0) {
            const std::string entry = EntryIgnoringCase(path, part);
            if (entry.empty()) return "";
            next = path + PathSep + entry;
        }
        path = next;
    }
    // Links are followed only while they stay inside the folder.
    const std::string root = CanonicalPath(folder);
    const std::string file = CanonicalPath(path);
    if (root.empty() || file.empty() || !FileExists(file)) return "";
    const std::string inside = root.back() == PathSep ? root : root + PathSep;
    return file.compare(0, inside.size(), inside) == 0 ? file : "";
}

std::string GetCurrentDir() {
    std::vector<char> buf(256);
    while (::getcwd(buf.data(), buf.size()) == nullptr) {
        if (errno != ERANGE) throw EFileError(Utf8ToAnsi("Impossible de lire le dossier courant : ") + ErrorText(errno));
        buf.resize(buf.size() * 2);
    }
    std::string dir(buf.data());
    while (dir.size() > 1 && dir.back() == PathSep) dir.pop_back();
    return dir;
}

std::string ReadFileBytes(const std::string& path, std::uint64_t maxBytes) {
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) Fail("Impossible d'ouvrir le fichier", path, errno);
    struct stat st;
    if (::fstat(fd, &st) != 0) {
        int err = errno;
        ::close(fd);
        Fail("Impossible de lire le fichier", path, err);
    }
    if (!S_ISREG(st.st_mode)) {
        int err = S_ISDIR(st.st_mode) ? EISDIR : EINVAL;
        ::close(fd);
        Fail("Impossible de lire le fichier", path, err);
    }
    if (static_cast<std::uint64_t>(st.st_size) > maxBytes) {
        ::close(fd);
        Fail("Impossible de lire le fichier", path, EFBIG);
    }
    std::string bytes;
    char chunk[65536];
    for (;;) {
        ssize_t n = ::read(fd, chunk, sizeof chunk);
        if (n < 0) {
            if (errno == EINTR) continue;
            int err = errno;
            ::close(fd);
            Fail("Impossible de lire le fichier", path, err);
        }
        if (n == 0) break;
        bytes.append(chunk, static_cast<size_t>(n));
        // A file still growing while it is read.
        if (bytes.size() > maxBytes) {
            ::close(fd);
            Fail("Impossible de lire le fichier", path, EFBIG);
        }
    }
    ::close(fd);
    return bytes;
}

void WriteFileAtomic(const std::string& path, const std::string& bytes) {
    static std::atomic<unsigned> counter{0};
    const std::string& target = path;
    const std::string failure = Utf8ToAnsi("Impossible d'écrire le fichier");
    // The rename would replace a file whatever its permissions say: a file the user
    // may not write, or a folder, is refused before anything is written.
    struct stat st;
    const bool exists = ::stat(target.c_str(), &st) == 0;
    if (exists && S_ISDIR(st.st_mode)) Fail(failure, path, EISDIR);
    if (exists && ::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0) Fail(failure, path, errno);
    // The temporary file sits next to the target, so the rename stays in one file system.
    std::string temp;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temp = target + ".tmp" + std::to_string(::getpid()) + "_" + std::to_string(counter++);
        fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) break;
    }
    if (fd < 0) Fail(failure, path, errno);
    // An existing file keeps its permissions.
    if (exists && S_ISREG(st.st_mode)) ::fchmod(fd, st.st_mode & 07777);

    int err = 0;
    size_t done = 0;
    while (done < bytes.size()) {
        ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            err = errno;
            break;
        }
        done += static_cast<size_t>(n);
    }
    if (err == 0 && ::fsync(fd) != 0 && errno != EINVAL) err = errno;
    if (::close(fd) != 0 && err == 0) err = errno;
    if (err == 0 && ::rename(temp.c_str(), target.c_str()) != 0) err = errno;
    if (err != 0) {
        ::unlink(temp.c_str());
        Fail(failure, path, err);
    }
}
