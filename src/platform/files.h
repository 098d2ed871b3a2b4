// Files by bare name in the current working folder, as the game addresses them.
//
// One open file per object; every operation reports failure through its result and leaves the
// reason in error() as a short German text fit for a message box.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

bool FileExists(const std::string& name);

// The reason behind an errno value in German where the game is likely to meet it (no space, file
// too large, a folder or device in the file's place, no permission, not found); the C library's
// text for rare ones.
std::string FileErrorReason(int code);

// Replaces the file whole or not at all: the bytes go to a temporary file beside it, are flushed to
// the disk and renamed over the old file, which keeps its permissions. A file this user may not write,
// or a folder or device in its place, is refused. Returns "" or a German sentence naming the file and
// the reason; on failure the old file is as it was and no temporary file is left.
std::string ReplaceFileWhole(const std::string& name, const std::string& bytes);

class GameFile {
  public:
    GameFile() = default;
    ~GameFile();
    GameFile(const GameFile&) = delete;
    GameFile& operator=(const GameFile&) = delete;

    bool openForReading(const std::string& name);
    bool openForReadWrite(const std::string& name); // creates the file when it is missing
    bool openForWriting(const std::string& name);   // creates or empties the file
    bool isOpen() const { return handle_ != nullptr; }
    int64_t length();
    bool seek(int64_t position);
    // Reads exactly count bytes; false (and nothing promised about buffer) when fewer are there.
    bool readBlock(void* buffer, size_t count);
    bool writeBlock(const void* buffer, size_t count);
    bool readLine(std::string& line); // without the line end; false at the end of the file
    bool writeLine(const std::string& line);
    bool close(); // flushes; false when the data could not be written
    const std::string& error() const { return error_; }

  private:
    // Opens with mode; when the file is missing and modeWhenMissing is given, creates it with that.
    bool open(const std::string& name, const char* mode, const char* modeWhenMissing = nullptr);
    bool fail(const char* what);
    std::FILE* handle_ = nullptr;
    std::string name_;
    std::string error_;
};
