// Loading a record for the tool. The game's LoadBoardRecord silently loads nothing from a missing
// file, so the tool tests that first, together with the length (for a message that says how short);
// what LoadBoardRecord itself refuses (a damaged record) ends the tool with its report. Like the
// game, the tool needs only a record's board bytes: a file may end inside the last record's filler.
#include "libtool.h"

#include "engine/board_record.h"
#include "engine/board_view.h"

#include <filesystem>
#include <system_error>

namespace {

std::string LoadReport; // what LoadBoardRecord reported while the tool loaded a record

void KeepReport(const std::string& message)
{
    LoadReport = message;
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
    LoadReport.clear();
    BoardView.reportError = KeepReport;
    LoadBoardRecord(int16_t(index));
    BoardView.reportError = nullptr;
    if (!LoadReport.empty()) {
        for (char& c : LoadReport)
            if (c == '\n')
                c = ' ';
        Fail("Satz " + std::to_string(index) + " in \"" + file + "\": " + LoadReport);
    }
}
