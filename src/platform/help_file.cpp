#include "platform/help_file.h"

#include <chm_lib.h>

std::string FoldLetterCase(const std::string& path)
{
    std::string folded = path;
    for (std::size_t i = 0; i < folded.size(); ++i) {
        const auto byte = static_cast<unsigned char>(folded[i]);
        if (byte >= 'A' && byte <= 'Z') {
            folded[i] = static_cast<char>(byte + ('a' - 'A'));
        } else if (byte == 0xC3 && i + 1 < folded.size()) {
            // U+00C0..U+00DE are encoded C3 80..C3 9E; their small letters are 0x20 above, but for
            // U+00D7 (the multiplication sign).
            const auto next = static_cast<unsigned char>(folded[i + 1]);
            if (next >= 0x80 && next <= 0x9E && next != 0x97)
                folded[i + 1] = static_cast<char>(next + 0x20);
            ++i;
        }
    }
    return folded;
}

HelpFile::HelpFile(const std::string& path) : file_(chm_open(path.c_str()))
{
    if (file_ != nullptr)
        chm_enumerate(file_, CHM_ENUMERATE_NORMAL | CHM_ENUMERATE_FILES, Collect, this);
}

HelpFile::~HelpFile()
{
    if (file_ != nullptr)
        chm_close(file_);
}

std::string HelpFile::Find(const std::string& entry) const
{
    const auto found = byFoldedPath_.find(FoldLetterCase(entry.starts_with('/') ? entry : '/' + entry));
    return found == byFoldedPath_.end() ? std::string() : found->second;
}

bool HelpFile::Read(const std::string& entry, std::string& contents) const
{
    const std::string stored = Find(entry);
    chmUnitInfo unit{};
    if (stored.empty() || chm_resolve_object(file_, stored.c_str(), &unit) != CHM_RESOLVE_SUCCESS ||
        unit.length > LargestEntry)
        return false;
    std::string bytes(static_cast<std::size_t>(unit.length), '\0');
    if (unit.length > 0 &&
        chm_retrieve_object(file_, &unit, reinterpret_cast<unsigned char*>(bytes.data()), 0,
                            static_cast<LONGINT64>(unit.length)) != static_cast<LONGINT64>(unit.length))
        return false;
    contents = std::move(bytes);
    return true;
}

int HelpFile::Collect(chmFile*, chmUnitInfo* unit, void* context)
{
    auto* self = static_cast<HelpFile*>(context);
    const std::string path = unit->path;
    // The compiler's own entries start with "/#" or "/$".
    if (path.size() > 1 && path[0] == '/' && path[1] != '#' && path[1] != '$' && !path.ends_with('/')) {
        self->entries_.push_back(path);
        self->byFoldedPath_.emplace(FoldLetterCase(path), path);
    }
    return CHM_ENUMERATOR_CONTINUE;
}
