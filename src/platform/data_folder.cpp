// The player's folder and the shipped files, over std::filesystem; copies go through ReplaceFileWhole,
// so an interrupted copy leaves the old file (or none) and no half file.
#include "platform/data_folder.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <pwd.h>
#include <system_error>
#include <unistd.h>

#include "platform/files.h"

namespace fs = std::filesystem;

namespace {

bool IsAbsolute(const char* path)
{
    return path != nullptr && path[0] == '/';
}

// The whole file, or false with the German reason in error.
bool ReadWhole(const std::string& path, std::string& bytes, std::string& error)
{
    GameFile file;
    const int64_t length = file.openForReading(path) ? file.length() : -1;
    if (length < 0) {
        error = file.error();
        return false;
    }
    bytes.assign(static_cast<size_t>(length), '\0');
    if (!file.readBlock(bytes.data(), bytes.size())) {
        error = file.error();
        return false;
    }
    return true;
}

std::string FolderMessage(const char* what, const std::string& folder, int code)
{
    return std::string("Der Ordner für die Spieldaten kann nicht ") + what + " werden:\n" + folder + "\n" +
           FileErrorReason(code);
}

} // namespace

std::string PlayerDataFolder(const char* xdgDataHome, const char* home)
{
    if (IsAbsolute(xdgDataHome))
        return (fs::path(xdgDataHome) / "kastenzahl").string();
    if (IsAbsolute(home))
        return (fs::path(home) / ".local/share/kastenzahl").string();
    return "";
}

std::string PlayerDataFolder()
{
    const char* home = std::getenv("HOME");
    if (!IsAbsolute(home)) {
        const passwd* entry = ::getpwuid(::getuid());
        home = entry != nullptr ? entry->pw_dir : nullptr;
    }
    return PlayerDataFolder(std::getenv("XDG_DATA_HOME"), home);
}

std::string ExecutableFolder()
{
    std::error_code error;
    const fs::path program = fs::read_symlink("/proc/self/exe", error);
    return error ? "" : program.parent_path().string();
}

std::string ShippedDataFolder(const std::string& programFolder)
{
    if (programFolder.empty())
        return "";
    for (const fs::path& candidate :
         {fs::path(programFolder) / "../share/kastenzahl", fs::path(programFolder) / "share/kastenzahl"}) {
        std::error_code error;
        if (fs::is_directory(candidate, error))
            return candidate.lexically_normal().string();
    }
    return "";
}

std::vector<std::string> ShippedFileNames(const std::string& shippedFolder)
{
    std::vector<std::string> names;
    std::error_code error;
    for (const fs::directory_entry& entry : fs::directory_iterator(shippedFolder, error)) {
        const fs::path& path = entry.path();
        const std::string name = path.filename().string();
        const bool shipped = path.extension() == ".l12" || path.extension() == ".chm"; // not Champions.Rhm
        if (shipped && name != "brett.l12" && entry.is_regular_file(error))
            names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::string PrepareDataFolder(const std::string& folder, const std::string& shippedFolder)
{
    if (folder.empty())
        return "Der Ordner für die Spieldaten ist unbekannt:\nweder XDG_DATA_HOME noch HOME nennt einen "
               "absoluten Pfad.";
    std::error_code error;
    if (fs::exists(folder, error) && !fs::is_directory(folder, error))
        return FolderMessage("angelegt", folder, ENOTDIR);
    if (!fs::is_directory(folder, error) && !fs::create_directories(folder, error) && error)
        return FolderMessage("angelegt", folder, error.value());
    if (::access(folder.c_str(), W_OK | X_OK) != 0)
        return FolderMessage("beschrieben", folder, errno);

    if (!shippedFolder.empty()) {
        for (const std::string& name : ShippedFileNames(shippedFolder)) {
            std::string shipped, copy, reason;
            if (!ReadWhole(shippedFolder + "/" + name, shipped, reason))
                return "Eine mitgelieferte Datei fehlt oder ist beschädigt:\n" + reason;
            const std::string target = folder + "/" + name;
            std::string unused;
            if (ReadWhole(target, copy, unused) && copy == shipped)
                continue;
            reason = ReplaceFileWhole(target, shipped);
            if (!reason.empty())
                return "Die Spieldaten können nicht in ihren Ordner kopiert werden:\n" + reason;
        }
    }
    if (::chdir(folder.c_str()) != 0)
        return FolderMessage("geöffnet", folder, errno);
    return "";
}
