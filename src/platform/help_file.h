// A compiled help file (.chm) read without a window: its entries and their contents. The help viewer
// shows its pages; the fuzz target reads it the same way.
#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

struct chmFile;
struct chmUnitInfo;

class HelpFile {
  public:
    // An entry larger than this is not read: a damaged file may claim any length.
    static constexpr std::uint64_t LargestEntry = 32u << 20;

    explicit HelpFile(const std::string& path);
    ~HelpFile();
    HelpFile(const HelpFile&) = delete;
    HelpFile& operator=(const HelpFile&) = delete;

    bool IsOpen() const { return file_ != nullptr; }
    // The stored paths ("/name.htm"), without the compiler's internal entries ("/#…", "/$…").
    const std::vector<std::string>& Entries() const { return entries_; }
    // The stored path of this entry ("/" added in front when missing), matched without regard to
    // letter case; "" when it is not there.
    std::string Find(const std::string& entry) const;
    // False when the entry is not there, too large, or cannot be read whole.
    bool Read(const std::string& entry, std::string& contents) const;

  private:
    static int Collect(chmFile*, chmUnitInfo* unit, void* context);

    chmFile* file_;
    std::vector<std::string> entries_;
    std::unordered_map<std::string, std::string> byFoldedPath_;
};

// Folds the letter case of a UTF-8 path for matching: A..Z and the capitals of Latin-1 (Ä, Ö, Ü, …)
// become small; other bytes stay as they are.
std::string FoldLetterCase(const std::string& path);
