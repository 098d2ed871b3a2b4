// The board record of every .l12 file and the life cycle of the board around it: load, save,
// restart from the clues, clear.
//
// A record is PlayGrid (169 bytes), GivenGrid (169 bytes) and the candidate notes (13 planes of 169
// bytes), each in memory order (column fastest), followed by random filler. Record k of a file
// starts at k * RecordBytes; the slot file holds exactly four records.
#pragma once

#include <cstdint>
#include <string>

#include "engine/board_state.h"

constexpr int RecordBytes = 3735;
constexpr int RecordPlayOffset = 0;
constexpr int RecordGivenOffset = 169;
constexpr int RecordNotesOffset = 338;
constexpr int RecordFillerOffset = 2535;
constexpr int RecordFillerBytes = RecordBytes - RecordFillerOffset; // 1200
constexpr int SlotRecords = 4;
constexpr int SlotFileBytes = SlotRecords * RecordBytes; // 14940

// The .l12 file that the next record read or write uses.
extern std::string LibraryFileName;
// The byte image of CandidateMarks while a record is read or written (0x00 no note, 0xFF a note;
// any nonzero byte read counts as a note).
extern SymbolPlanes<uint8_t> CandidateBytes;

// Reads record `index` of LibraryFileName into PlayGrid, GivenGrid and CandidateMarks. Always ends
// a running timed game. Only the board bytes (everything before the filler) are read, so a file that
// ends inside a record's filler still loads that record. A missing file loads nothing; a record whose
// board bytes the file does not hold, or one with a cell value above 12, loads nothing: the result is
// then the German reason for the player, otherwise empty.
std::string LoadBoardRecord(int16_t index);
// Writes PlayGrid, GivenGrid and CandidateMarks as record `index` (0..3) of LibraryFileName. The
// file always ends up with four records: those the old file held whole are kept, missing ones start
// blank. The file is replaced whole or not at all; a save that fails changes nothing and gives the
// German reason for the player, otherwise the result is empty.
std::string SaveBoardRecord(int16_t index);
// Clears the notes and every cell that is not a clue.
void RestartBoard();
// Empties the whole board, its solution and the error count, and redraws it.
void ClearBoard();
