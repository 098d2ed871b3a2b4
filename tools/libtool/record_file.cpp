// Loading and saving a record for the tool. The game's LoadBoardRecord silently loads nothing from a
// missing file, so the tool tests that first, together with the length (for a message that says how
// short); what LoadBoardRecord itself refuses (a damaged record) ends the tool with its report. Like
// the game, the tool needs only a record's board bytes: a file may end inside the last record's
// filler.
#include "libtool.h"

#include "engine/board_record.h"
#include "platform/files.h"
#include "platform/system.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

namespace {

std::string OneLine(std::string text)
{
    for (char& c : text)
        if (c == '\n')
            c = ' ';
    return text;
}

// The four records of file as a whole slot file when the file holds their board bytes (a cut filler
// of the last record filled up, anything beyond the fourth record dropped); empty when it does not.
std::string SlotImageOf(const std::string& file)
{
    if (FileLength(file) < int64_t(SlotRecords - 1) * RecordBytes + RecordFillerOffset)
        return {};
    std::ifstream in(file, std::ios::binary);
    std::string image{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (!in.good() && !in.eof())
        return {};
    const size_t kept = std::min(image.size(), size_t(SlotFileBytes));
    image.resize(SlotFileBytes);
    for (size_t i = kept; i < image.size(); ++i)
        image[i] = char(Random(12) + 1);
    return image;
}

} // namespace

int64_t FileLength(const std::string& file)
{
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error))
        return -1;
    const auto size = std::filesystem::file_size(file, error);
    return error ? -1 : int64_t(size);
}

void LoadRecordOrFail(const std::string& file, int index)
{
    const int64_t length = FileLength(file);
    if (length < 0)
        Fail("Datei \"" + file + "\" nicht gefunden");
    const int64_t needed = int64_t(index) * RecordBytes + RecordFillerOffset;
    if (length < needed)
        Fail("Datei \"" + file + "\" ist zu kurz für Satz " + std::to_string(index) + ": " +
             std::to_string(length) + " Bytes, nötig sind " + std::to_string(needed));
    LibraryFileName = file;
    const std::string failure = LoadBoardRecord(int16_t(index));
    if (!failure.empty())
        Fail("Satz " + std::to_string(index) + " in \"" + file + "\": " + OneLine(failure));
}

void SaveRecord0OrFail(const std::string& file)
{
    // The new file is made beside the old one and renamed over it, so the old one stays whole until
    // the new one is complete, and it may be the file the board was just loaded from.
    const std::string failure = "\"" + file + "\" konnte nicht geschrieben werden: ";
    // A file this user may not write stays as it is, as it would without the rename.
    struct stat old;
    const bool exists = stat(file.c_str(), &old) == 0;
    if (exists && access(file.c_str(), W_OK) != 0)
        Fail(failure + std::strerror(errno));
    const std::string image = SlotImageOf(file);
    const std::filesystem::path path(file);
    std::string temp = (path.parent_path() / ("." + path.filename().string() + ".XXXXXX")).string();
    const int handle = mkstemp(temp.data());
    if (handle < 0)
        Fail(failure + std::strerror(errno));
    close(handle);
    const auto discard = [&](const std::string& why) {
        std::error_code ignored;
        std::filesystem::remove(temp, ignored);
        Fail(failure + why);
    };
    if (!image.empty()) {
        GameFile out;
        if (!out.openForWriting(temp) || !out.writeBlock(image.data(), image.size()) || !out.close())
            discard(out.error());
    }

    // An empty temporary file becomes four records, record 0 the board and the others blank.
    LibraryFileName = temp;
    const std::string saveFailure = SaveBoardRecord(0);
    if (!saveFailure.empty())
        discard(OneLine(saveFailure));
    if (FileLength(temp) != SlotFileBytes)
        discard("Länge " + std::to_string(FileLength(temp)) + " statt " + std::to_string(SlotFileBytes));
    // mkstemp made the file private: it gets the old file's mode, or the one of a new file.
    const mode_t mask = umask(0);
    umask(mask);
    if (chmod(temp.c_str(), exists ? old.st_mode & 07777 : 0666 & ~mask) != 0)
        discard(std::strerror(errno));
    std::error_code renamed;
    std::filesystem::rename(temp, file, renamed);
    if (renamed)
        discard(renamed.message());
    LibraryFileName = file;
}
