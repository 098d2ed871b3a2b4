// Fuzzes the help file: the input as Kasten12.chm, opened as the help viewer opens it, the two topics
// the game shows looked up without regard to letter case and read, then every entry read (the first 64).
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "fuzz_folder.h"
#include "platform/help_file.h"

namespace {

void Fail(const char* what, const std::string& entry)
{
    std::fprintf(stderr, "%s: %s\n", what, entry.c_str());
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    EnterScratchFolder("help_file_fuzz.");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    WriteWholeFile("Kasten12.chm", data, size);

    const HelpFile help("Kasten12.chm");
    if (!help.IsOpen())
        return 0;
    std::string page;
    for (const char* topic : {"Übersicht.htm", "erklärung.htm"}) {
        const std::string stored = help.Find(topic);
        if (!stored.empty() && help.Find(stored) != stored)
            Fail("a found entry is not found again under its stored path", stored);
        if (help.Read(topic, page) && page.size() > HelpFile::LargestEntry)
            Fail("an entry larger than the limit was read", stored);
    }
    // Damaged compressed data reads as whatever it unpacks to (chmlib's block cache can make a second
    // read differ); what counts is that reading ends, within the limit.
    int read = 0;
    for (const std::string& entry : help.Entries()) {
        if (++read > 64)
            break;
        if (help.Read(entry, page) && page.size() > HelpFile::LargestEntry)
            Fail("an entry larger than the limit was read", entry);
    }
    return 0;
}
