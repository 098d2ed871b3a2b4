#include "platform/help_file.h"

#include <algorithm>
#include <chm_lib.h>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <vector>

namespace {

// The compressed section's description, stored uncompressed: the LZX control data, the reset table
// and where the compressed data lies.
constexpr const char* ControlDataPath = "::DataSpace/Storage/MSCompressed/ControlData";
constexpr const char* ContentPath = "::DataSpace/Storage/MSCompressed/Content";
constexpr const char* ResetTablePath = "::DataSpace/Storage/MSCompressed/Transform/"
                                       "{7FC28940-9D31-11D0-9B27-00A0C91E9C7C}/InstanceData/ResetTable";

template <typename Number> Number LittleEndianAt(const unsigned char* bytes, std::size_t offset)
{
    Number value = 0;
    for (std::size_t i = sizeof(Number); i-- > 0;)
        value = static_cast<Number>(value << 8 | bytes[offset + i]);
    return value;
}

// Reads a variable-length number of the directory (7 bits a byte, high bit: more follow); false when
// it runs past `end` or beyond 63 bits.
bool ReadEncodedNumber(const unsigned char*& at, const unsigned char* end, std::uint64_t& value)
{
    value = 0;
    for (int bytes = 0; at < end && bytes < 9; ++bytes) {
        const unsigned char byte = *at++;
        value = value << 7 | (byte & 0x7F);
        if ((byte & 0x80) == 0)
            return true;
    }
    return false;
}

constexpr std::uint64_t LargestDirectory = 64u << 20;
constexpr std::uint64_t LargestWindow = 2u << 20; // LZX's largest

bool ReadAt(std::ifstream& file, std::uint64_t offset, unsigned char* bytes, std::size_t size)
{
    file.clear();
    file.seekg(static_cast<std::streamoff>(offset));
    return file && file.read(reinterpret_cast<char*>(bytes), static_cast<std::streamsize>(size));
}

// An entry of the directory, where it lies in its section.
struct Found {
    bool there = false;
    std::uint64_t offset = 0, length = 0;
};

// The LZX control data at `offset` of the file: version 1 or 2, a window of a power of two from 32 KB
// to 2 MB and a reset interval of whole half windows, both counted in blocks of 32 KB from version 2 on.
bool ControlDataIsSound(std::ifstream& file, std::uint64_t offset, std::uint64_t length)
{
    unsigned char numbers[24];
    if (length < 24 || !ReadAt(file, offset, numbers, 24))
        return false;
    const auto lzxVersion = LittleEndianAt<std::uint32_t>(numbers, 8);
    const std::uint64_t unit = lzxVersion == 2 ? 0x8000 : 1;
    const std::uint64_t resetInterval = LittleEndianAt<std::uint32_t>(numbers, 12) * unit;
    const std::uint64_t windowSize = LittleEndianAt<std::uint32_t>(numbers, 16) * unit;
    return std::memcmp(numbers + 4, "LZXC", 4) == 0 && (lzxVersion == 1 || lzxVersion == 2) &&
           windowSize >= 0x8000 && windowSize <= LargestWindow && (windowSize & (windowSize - 1)) == 0 &&
           resetInterval != 0 && resetInterval % (windowSize / 2) == 0 &&
           LittleEndianAt<std::uint32_t>(numbers, 20) != 0;
}

// The reset table at `offset` of the file: the unpacked length, cut into blocks of blockLength, and
// where each block's packed bytes start. chmlib reads a packed block into a buffer of blockLength +
// 6144 bytes (LZX's most a block can grow) and takes the block's length from the table, so each one
// must fit, and the compressed section's entries (up to compressedEnd) must lie inside the blocks the
// table lists.
bool ResetTableIsSound(std::ifstream& file, std::uint64_t offset, std::uint64_t length,
                       std::uint64_t compressedEnd)
{
    unsigned char numbers[40];
    if (length < 40 || !ReadAt(file, offset, numbers, 40))
        return false;
    const auto blockCount = LittleEndianAt<std::uint32_t>(numbers, 4);
    const auto tableOffset = LittleEndianAt<std::uint32_t>(numbers, 12);
    const auto unpackedLength = LittleEndianAt<std::uint64_t>(numbers, 16);
    const auto packedLength = LittleEndianAt<std::uint64_t>(numbers, 24);
    const auto blockLength = LittleEndianAt<std::uint64_t>(numbers, 32);
    const std::uint64_t largestPackedBlock = blockLength + 6144;
    if (blockLength == 0 || blockLength > LargestWindow || blockCount == 0 ||
        blockCount > LargestDirectory / 8 || tableOffset + 8 * std::uint64_t{blockCount} > length ||
        unpackedLength > blockCount * blockLength || compressedEnd > unpackedLength)
        return false;
    std::vector<unsigned char> starts(8 * std::size_t{blockCount});
    if (!ReadAt(file, offset + tableOffset, starts.data(), starts.size()))
        return false;
    for (std::uint32_t block = 0; block < blockCount; ++block) {
        const auto start = LittleEndianAt<std::uint64_t>(starts.data(), 8 * std::size_t{block});
        const std::uint64_t end =
            block + 1 < blockCount ? LittleEndianAt<std::uint64_t>(starts.data(), 8 * std::size_t{block + 1})
                                   : packedLength;
        if (end < start || end - start > largestPackedBlock)
            return false;
    }
    return true;
}

// chmlib trusts the file: it walks the directory as the file links it (the chain of listing chunks,
// the index chunks down from the root) and divides by the numbers that describe the compressed
// section. A damaged file can make a walk go round in a circle or a division by zero end the program,
// so the file is checked before chmlib sees it: each listing chunk is in the directory and reached
// once, its entries are whole, each index entry points into the directory and no index chunk is
// reached again below itself, and the compression numbers, where present, are possible ones.
bool HelpFileIsSound(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    unsigned char head[0x60] = {};
    if (!ReadAt(file, 0, head, 0x58) || std::memcmp(head, "ITSF", 4) != 0)
        return false;
    const auto version = LittleEndianAt<std::uint32_t>(head, 0x04);
    const auto directoryOffset = LittleEndianAt<std::uint64_t>(head, 0x48);
    const auto directoryLength = LittleEndianAt<std::uint64_t>(head, 0x50);
    if (directoryLength < 0x54 || directoryLength > LargestDirectory)
        return false;
    std::uint64_t contentOffset = directoryOffset + directoryLength;
    if (version >= 3) {
        if (!ReadAt(file, 0x58, head + 0x58, 8))
            return false;
        contentOffset = LittleEndianAt<std::uint64_t>(head, 0x58);
    }
    std::vector<unsigned char> directory(directoryLength);
    if (!ReadAt(file, directoryOffset, directory.data(), directory.size()) ||
        std::memcmp(directory.data(), "ITSP", 4) != 0)
        return false;
    const auto headerLength = LittleEndianAt<std::uint32_t>(directory.data(), 0x08);
    const auto chunkSize = LittleEndianAt<std::uint32_t>(directory.data(), 0x10);
    const auto indexRoot = LittleEndianAt<std::int32_t>(directory.data(), 0x1C);
    const auto firstListing = LittleEndianAt<std::int32_t>(directory.data(), 0x20);
    // chmlib holds a chunk in memory at a time: it must be in the directory, at least once.
    if (chunkSize < 0x20 || headerLength < 0x54 || headerLength > directoryLength ||
        chunkSize > directoryLength - headerLength)
        return false;
    const std::uint64_t chunks = (directoryLength - headerLength) / chunkSize;
    auto chunk = [&](std::int64_t number) { return directory.data() + headerLength + number * chunkSize; };
    auto isChunk = [&](std::int64_t number, const char* signature) {
        return number >= 0 && static_cast<std::uint64_t>(number) < chunks &&
               std::memcmp(chunk(number), signature, 4) == 0;
    };
    // Where a chunk's entries end; null when its free space is larger than the chunk.
    auto entriesEnd = [&](std::int64_t number, std::uint32_t headSize) -> const unsigned char* {
        const auto freeSpace = LittleEndianAt<std::uint32_t>(chunk(number), 0x04);
        return freeSpace > chunkSize - headSize ? nullptr : chunk(number) + chunkSize - freeSpace;
    };

    // The listing chain, with the offset and length of the two entries that describe the compression.
    Found control, resetTable;
    std::uint64_t compressedEnd = 0; // how far the entries of the compressed section reach
    std::vector<char> seen(chunks, 0);
    for (std::int64_t listing = firstListing; listing != -1;
         listing = LittleEndianAt<std::int32_t>(chunk(listing), 0x10)) {
        if (!isChunk(listing, "PMGL") || seen[listing])
            return false;
        seen[listing] = 1;
        const unsigned char* end = entriesEnd(listing, 0x14);
        if (end == nullptr)
            return false;
        for (const unsigned char* at = chunk(listing) + 0x14; at < end;) {
            std::uint64_t nameLength = 0, section = 0, offset = 0, length = 0;
            if (!ReadEncodedNumber(at, end, nameLength) || nameLength > static_cast<std::uint64_t>(end - at))
                return false;
            const std::string name(reinterpret_cast<const char*>(at), nameLength);
            at += nameLength;
            if (!ReadEncodedNumber(at, end, section) || !ReadEncodedNumber(at, end, offset) ||
                !ReadEncodedNumber(at, end, length))
                return false;
            // They are read before the compressed section can be: there, chmlib would divide by zero.
            const bool describing = name == ControlDataPath || name == ResetTablePath || name == ContentPath;
            if (describing && section != 0)
                return false;
            if (section == 1) {
                if (length > UINT64_MAX - offset)
                    return false;
                compressedEnd = std::max(compressedEnd, offset + length);
            }
            if (name == ControlDataPath)
                control = {true, offset, length};
            else if (name == ResetTablePath)
                resetTable = {true, offset, length};
        }
    }

    // The index: a depth-first walk that marks the chunks on its way down (1) and those done (2).
    std::fill(seen.begin(), seen.end(), 0);
    std::vector<std::pair<std::int64_t, const unsigned char*>> descent; // chunk, its next entry
    auto enter = [&](std::int64_t number) {
        if (entriesEnd(number, 8) == nullptr)
            return false;
        seen[number] = 1;
        descent.emplace_back(number, chunk(number) + 8);
        return true;
    };
    if (indexRoot != -1 && !isChunk(indexRoot, "PMGL") && !(isChunk(indexRoot, "PMGI") && enter(indexRoot)))
        return false;
    while (!descent.empty()) {
        auto& [number, at] = descent.back();
        const unsigned char* end = entriesEnd(number, 8);
        if (at >= end) {
            seen[number] = 2;
            descent.pop_back();
            continue;
        }
        std::uint64_t nameLength = 0, child = 0;
        if (!ReadEncodedNumber(at, end, nameLength) || nameLength > static_cast<std::uint64_t>(end - at))
            return false;
        at += nameLength;
        if (!ReadEncodedNumber(at, end, child) || child >= chunks)
            return false;
        const auto next = static_cast<std::int64_t>(child);
        if (isChunk(next, "PMGI")) {
            if (seen[next] == 1 || (seen[next] == 0 && !enter(next)))
                return false;
        } else if (!isChunk(next, "PMGL")) {
            return false;
        }
    }

    if (control.there && !ControlDataIsSound(file, contentOffset + control.offset, control.length))
        return false;
    if (!resetTable.there)
        return compressedEnd == 0;
    return ResetTableIsSound(file, contentOffset + resetTable.offset, resetTable.length, compressedEnd);
}

} // namespace

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

HelpFile::HelpFile(const std::string& path) : file_(HelpFileIsSound(path) ? chm_open(path.c_str()) : nullptr)
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
