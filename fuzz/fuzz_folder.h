// A fresh temporary working folder for a fuzz target: the game addresses its files by bare name.
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

// Made under TMPDIR (tools/fuzz.sh points it into its scratch folder, which it removes), else /tmp.
inline void EnterScratchFolder(const char* prefix)
{
    const char* root = std::getenv("TMPDIR");
    std::string pattern =
        std::string(root != nullptr && *root != '\0' ? root : "/tmp") + "/" + prefix + "XXXXXX";
    if (mkdtemp(pattern.data()) == nullptr || chdir(pattern.c_str()) != 0) {
        std::perror("scratch folder");
        std::abort();
    }
}

inline void WriteWholeFile(const char* name, const uint8_t* data, size_t size)
{
    std::FILE* file = std::fopen(name, "wb");
    if (file == nullptr || (size > 0 && std::fwrite(data, 1, size, file) != size) || std::fclose(file) != 0) {
        std::perror(name);
        std::abort();
    }
}
