// Files by bare name in the working folder, over the C library's streams.
//
// Every failure leaves a German sentence in error() naming the file and the reason, so callers can
// show it to the player as it is.
#include "platform/files.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

std::string FileErrorReason(int code)
{
    switch (code) {
    case EACCES:
        return "Keine Berechtigung";
    case EPERM:
        return "Vorgang nicht erlaubt";
    case EROFS:
        return "Datenträger ist schreibgeschützt";
    case ENOSPC:
        return "Kein Platz mehr auf dem Datenträger";
    case EFBIG:
        return "Datei zu groß";
    case ESPIPE:
    case ENXIO:
    case ENODEV:
        return "Keine gewöhnliche Datei";
#ifdef EDQUOT
    case EDQUOT:
        return "Speicherkontingent überschritten";
#endif
    case ENOENT:
        return "Datei oder Ordner nicht vorhanden";
    case EISDIR:
        return "Ist ein Ordner";
    case ENOTDIR:
        return "Ein Teil des Pfades ist kein Ordner";
    case ENAMETOOLONG:
        return "Dateiname zu lang";
    case EMFILE:
    case ENFILE:
        return "Zu viele offene Dateien";
    case EIO:
        return "Ein-/Ausgabefehler";
    case EBUSY:
        return "Datei wird benutzt";
    default:
        return std::strerror(code);
    }
}

bool FileExists(const std::string& name)
{
    struct stat info {};
    return ::stat(name.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

GameFile::~GameFile()
{
    if (handle_ != nullptr) {
        std::fclose(handle_);
    }
}

bool GameFile::fail(const char* what)
{
    int code = errno;
    error_ = "Die Datei " + name_ + " kann nicht " + what + " werden";
    if (code != 0) {
        error_ += " (" + FileErrorReason(code) + ")";
    }
    error_ += ".";
    return false;
}

namespace {

// Opens one stream with errno cleared, so a failure leaves only its own reason.
std::FILE* OpenStream(const std::string& name, const char* mode)
{
    errno = 0;
    return std::fopen(name.c_str(), mode);
}

} // namespace

bool GameFile::open(const std::string& name, const char* mode, const char* modeWhenMissing)
{
    if (handle_ != nullptr) {
        close();
    }
    name_ = name;
    error_.clear();
    // A folder, a device or a pipe in the file's place is refused before opening: a pipe would block
    // the game, and none of them holds a board.
    struct stat info {};
    if (::stat(name.c_str(), &info) == 0 && !S_ISREG(info.st_mode)) {
        errno = S_ISDIR(info.st_mode) ? EISDIR : ESPIPE;
        return fail("geöffnet");
    }
    handle_ = OpenStream(name, mode);
    if (handle_ == nullptr && errno == ENOENT && modeWhenMissing != nullptr) {
        handle_ = OpenStream(name, modeWhenMissing);
    }
    return handle_ != nullptr || fail("geöffnet");
}

bool GameFile::openForReading(const std::string& name)
{
    return open(name, "rb");
}

bool GameFile::openForReadWrite(const std::string& name)
{
    return open(name, "r+b", "w+b");
}

bool GameFile::openForWriting(const std::string& name)
{
    return open(name, "w+b");
}

int64_t GameFile::length()
{
    if (handle_ == nullptr) {
        return -1;
    }
    errno = 0;
    long here = std::ftell(handle_);
    if (here < 0 || std::fseek(handle_, 0, SEEK_END) != 0) {
        fail("gelesen");
        return -1;
    }
    long end = std::ftell(handle_);
    std::fseek(handle_, here, SEEK_SET);
    return end;
}

bool GameFile::seek(int64_t position)
{
    if (handle_ == nullptr || position < 0) {
        errno = EINVAL;
        return fail("positioniert");
    }
    errno = 0;
    return std::fseek(handle_, static_cast<long>(position), SEEK_SET) == 0 || fail("positioniert");
}

bool GameFile::readBlock(void* buffer, size_t count)
{
    if (handle_ == nullptr) {
        errno = EBADF;
        return fail("gelesen");
    }
    errno = 0;
    if (std::fread(buffer, 1, count, handle_) == count) {
        return true;
    }
    if (std::feof(handle_)) {
        error_ = "Die Datei " + name_ + " ist zu kurz.";
        return false;
    }
    return fail("gelesen");
}

bool GameFile::writeBlock(const void* buffer, size_t count)
{
    if (handle_ == nullptr) {
        errno = EBADF;
        return fail("geschrieben");
    }
    errno = 0;
    return std::fwrite(buffer, 1, count, handle_) == count || fail("geschrieben");
}

bool GameFile::readLine(std::string& line)
{
    line.clear();
    if (handle_ == nullptr) {
        return false;
    }
    int ch = std::fgetc(handle_);
    if (ch == EOF) {
        return false;
    }
    while (ch != EOF && ch != '\n') {
        line.push_back(static_cast<char>(ch));
        ch = std::fgetc(handle_);
    }
    if (!line.empty() && line.back() == '\r') {
        line.pop_back();
    }
    return true;
}

bool GameFile::writeLine(const std::string& line)
{
    return writeBlock(line.data(), line.size()) && writeBlock("\n", 1);
}

bool GameFile::close()
{
    if (handle_ == nullptr) {
        return true;
    }
    errno = 0;
    bool flushed = std::fflush(handle_) == 0;
    int flushError = errno;
    bool closed = std::fclose(handle_) == 0;
    handle_ = nullptr;
    if (flushed && closed) {
        return true;
    }
    if (!flushed) {
        errno = flushError;
    }
    return fail("geschrieben");
}

namespace {

bool WriteAll(int fd, const std::string& bytes)
{
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t written = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        done += static_cast<size_t>(written);
    }
    return true;
}

// The folder part of a name, "." for a bare name.
std::string FolderOf(const std::string& name)
{
    const size_t slash = name.rfind('/');
    return slash == std::string::npos ? "." : slash == 0 ? "/" : name.substr(0, slash);
}

} // namespace

std::string ReplaceFileWhole(const std::string& name, const std::string& bytes)
{
    const auto failure = [&name](int code) {
        return "Die Datei " + name + " kann nicht geschrieben werden (" + FileErrorReason(code) + ").";
    };
    struct stat old {};
    const bool exists = ::stat(name.c_str(), &old) == 0;
    if (exists && !S_ISREG(old.st_mode))
        return failure(S_ISDIR(old.st_mode) ? EISDIR : ESPIPE);
    if (exists && ::access(name.c_str(), W_OK) != 0)
        return failure(errno);

    std::string temporary;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temporary = name + "." + std::to_string(::getpid()) + "." + std::to_string(attempt) + ".tmp";
        fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, exists ? old.st_mode & 07777 : 0666);
        if (fd < 0 && errno != EEXIST)
            break;
    }
    if (fd < 0)
        return failure(errno);
    bool written = WriteAll(fd, bytes) && ::fsync(fd) == 0;
    int code = errno;
    if (::close(fd) != 0 && written) {
        written = false;
        code = errno;
    }
    if (written && exists)
        ::chmod(temporary.c_str(), old.st_mode & 07777); // open's mode went through the umask
    if (!written || ::rename(temporary.c_str(), name.c_str()) != 0) {
        if (written)
            code = errno;
        ::unlink(temporary.c_str());
        return failure(code);
    }
    // The rename itself made lasting; a folder that cannot be synced is not the player's failure.
    const int folder = ::open(FolderOf(name).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0) {
        ::fsync(folder);
        ::close(folder);
    }
    return "";
}
