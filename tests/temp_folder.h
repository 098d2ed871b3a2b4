// A fresh temporary working folder for a test: the game addresses its files by bare name, so the test
// changes into the folder and back again when done.
#pragma once

#include <filesystem>
#include <string>

class ScopedTempFolder {
  public:
    ScopedTempFolder() : previous_(std::filesystem::current_path())
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "kastenzahl-XXXXXX").string();
        path_ = mkdtemp(pattern.data());
        std::filesystem::current_path(path_);
    }
    ~ScopedTempFolder()
    {
        std::filesystem::current_path(previous_);
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    ScopedTempFolder(const ScopedTempFolder&) = delete;
    ScopedTempFolder& operator=(const ScopedTempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    bool empty() const { return std::filesystem::is_empty(path_); }

  private:
    std::filesystem::path previous_;
    std::filesystem::path path_;
};
