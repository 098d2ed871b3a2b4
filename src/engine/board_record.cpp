// Reading and writing board records, restarting and clearing the board.
#include "engine/board_record.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "engine/board_state.h"
#include "engine/board_view.h"
#include "engine/timed_game.h"
#include "platform/files.h"
#include "platform/system.h"

static_assert(RecordGivenOffset == RecordPlayOffset + GridBytes);
static_assert(RecordNotesOffset == RecordGivenOffset + GridBytes);
static_assert(RecordFillerOffset == RecordNotesOffset + MarkBytes);

std::string LibraryFileName;
SymbolPlanes<uint8_t> CandidateBytes;

namespace {

// Every cell of a grid section holds 0..12.
bool SectionIsSound(const uint8_t* section)
{
    for (int row = 1; row <= BoardSize; ++row) {
        for (int column = 1; column <= BoardSize; ++column) {
            if (section[column + GridSide * row] > BoardSize) {
                return false;
            }
        }
    }
    return true;
}

void FillFiller(uint8_t* filler)
{
    for (int i = 0; i < RecordFillerBytes; ++i) {
        filler[i] = static_cast<uint8_t>(Random(12) + 1);
    }
}

} // namespace

std::string LoadBoardRecord(int16_t index)
{
    GameRunning = false;
    if (!FileExists(LibraryFileName)) {
        return {};
    }
    if (index < 0) {
        return {};
    }
    const std::string failure = "Das Brett konnte nicht geladen werden.\n";
    // The record is read whole and checked before anything of it reaches the board.
    uint8_t record[RecordFillerOffset];
    GameFile file;
    if (!file.openForReading(LibraryFileName) || !file.seek(int64_t(index) * RecordBytes) ||
        !file.readBlock(record, sizeof record)) {
        return failure + file.error();
    }
    file.close();
    if (!SectionIsSound(record + RecordPlayOffset) || !SectionIsSound(record + RecordGivenOffset)) {
        return failure + "Die Datei " + LibraryFileName + " ist beschädigt.";
    }
    std::memcpy(PlayGrid.cells, record + RecordPlayOffset, GridBytes);
    std::memcpy(GivenGrid.cells, record + RecordGivenOffset, GridBytes);
    std::memcpy(CandidateBytes.cells, record + RecordNotesOffset, MarkBytes);
    CandidateMarks = {};
    for (int symbol = 1; symbol <= BoardSize; ++symbol) {
        for (int row = 1; row <= BoardSize; ++row) {
            for (int column = 1; column <= BoardSize; ++column) {
                CandidateMarks(column, row, symbol) = CandidateBytes(column, row, symbol) != 0;
            }
        }
    }
    return {};
}

std::string SaveBoardRecord(int16_t index)
{
    if (index < 0 || index >= SlotRecords) {
        return {};
    }
    const std::string failure = "Das Brett konnte nicht gespeichert werden.\n";

    // The whole file as it will be: every record the old file holds whole, blank ones for the rest,
    // then the chosen record. It replaces the old file whole or not at all, so no save ever spoils
    // another slot.
    std::string image(SlotFileBytes, '\0');
    for (int k = 0; k < SlotRecords; ++k) {
        FillFiller(reinterpret_cast<uint8_t*>(image.data()) + k * RecordBytes + RecordFillerOffset);
    }
    if (FileExists(LibraryFileName)) {
        GameFile old;
        const int64_t length = old.openForReading(LibraryFileName) ? old.length() : -1;
        const int64_t whole = std::min<int64_t>(length, SlotFileBytes) / RecordBytes * RecordBytes;
        if (length < 0 || !old.readBlock(image.data(), size_t(whole))) {
            return failure + old.error();
        }
    }
    uint8_t* record = reinterpret_cast<uint8_t*>(image.data()) + index * RecordBytes;
    std::memcpy(record + RecordPlayOffset, PlayGrid.cells, GridBytes);
    std::memcpy(record + RecordGivenOffset, GivenGrid.cells, GridBytes);
    CandidateBytes = {};
    for (int symbol = 1; symbol <= BoardSize; ++symbol) {
        for (int row = 1; row <= BoardSize; ++row) {
            for (int column = 1; column <= BoardSize; ++column) {
                CandidateBytes(column, row, symbol) = CandidateMarks(column, row, symbol) ? 0xFF : 0x00;
            }
        }
    }
    std::memcpy(record + RecordNotesOffset, CandidateBytes.cells, MarkBytes);
    FillFiller(record + RecordFillerOffset);

    const std::string written = ReplaceFileWhole(LibraryFileName, image);
    return written.empty() ? std::string() : failure + written;
}

void RestartBoard()
{
    CandidateMarks = {};
    for (int row = 1; row <= BoardSize; ++row) {
        for (int column = 1; column <= BoardSize; ++column) {
            if (GivenGrid(column, row) == 0) {
                PlayGrid(column, row) = 0;
            }
        }
    }
}

void ClearBoard()
{
    ErrorCount = 0;
    PlayGrid = {};
    GivenGrid = {};
    BackupGrid = {};
    SolutionGrid = {};
    CandidateMarks = {};
    RedrawBoard();
}
