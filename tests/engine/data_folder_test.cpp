// The player's folder: where it is, where the shipped files are, and what preparing it copies.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sys/stat.h>

#include "platform/data_folder.h"
#include "temp_folder.h"

namespace fs = std::filesystem;

namespace {

std::string Read(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}
void Write(const fs::path& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}
ino_t Inode(const fs::path& path)
{
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 ? info.st_ino : 0;
}

class DataFolderTest : public ::testing::Test {
  protected:
    void SetUp() override
    {
        fs::create_directories(shipped_);
        Write(shipped_ / "leicht.l12", "leicht");
        Write(shipped_ / "Kasten12.chm", "handbuch");
        Write(shipped_ / "brett.l12", "fremdes brett");
        Write(shipped_ / "Champions.Rhm", "fremde halle");
        Write(shipped_ / "liesmich.txt", "kein Spieldatum");
        fs::create_directory(shipped_ / "ordner.l12");
    }
    ScopedTempFolder folder_; // also the working folder the game starts in
    const fs::path root_ = folder_.path();
    const fs::path shipped_ = root_ / "share/kastenzahl";
};

} // namespace

TEST(PlayerDataFolder, FollowsTheXdgRule)
{
    struct Case {
        const char* xdg;
        const char* home;
        const char* folder;
    };
    const Case cases[] = {
        {"/daten", "/home/p", "/daten/kastenzahl"},
        {"/daten/", "/home/p", "/daten/kastenzahl"},
        {nullptr, "/home/p", "/home/p/.local/share/kastenzahl"},
        {"", "/home/p", "/home/p/.local/share/kastenzahl"},
        {"daten", "/home/p", "/home/p/.local/share/kastenzahl"}, // relative: as if unset
        {nullptr, nullptr, ""},
        {"", "home/p", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(fs::path(PlayerDataFolder(c.xdg, c.home)).lexically_normal(), fs::path(c.folder))
            << (c.xdg ? c.xdg : "(unset)") << " " << (c.home ? c.home : "(unset)");
}

TEST_F(DataFolderTest, ShippedFolderIsFoundBesideOrAboveTheProgram)
{
    fs::create_directory(root_ / "bin");
    EXPECT_EQ(ShippedDataFolder((root_ / "bin").string()), shipped_.string()); // installed
    EXPECT_EQ(ShippedDataFolder(root_.string()), shipped_.string());           // the build folder
    EXPECT_EQ(ShippedDataFolder((shipped_ / "ordner.l12").string()), "");
    EXPECT_EQ(ShippedDataFolder(""), "");
}

TEST_F(DataFolderTest, ShipsLibrariesAndManualButNeverThePlayersFiles)
{
    EXPECT_EQ(ShippedFileNames(shipped_.string()), (std::vector<std::string>{"Kasten12.chm", "leicht.l12"}));
}

TEST_F(DataFolderTest, CreatesCopiesAndRefreshesWithoutTouchingThePlayersFiles)
{
    const fs::path folder = root_ / "neu/tief/kastenzahl";
    ASSERT_EQ(PrepareDataFolder(folder.string(), shipped_.string()), "");
    EXPECT_EQ(fs::current_path(), folder);
    EXPECT_EQ(Read(folder / "leicht.l12"), "leicht");
    EXPECT_EQ(Read(folder / "Kasten12.chm"), "handbuch");
    EXPECT_FALSE(fs::exists(folder / "brett.l12"));
    EXPECT_FALSE(fs::exists(folder / "Champions.Rhm"));
    EXPECT_FALSE(fs::exists(folder / "liesmich.txt"));

    // Second start: a stale library, the player's files, an unchanged manual.
    Write(folder / "leicht.l12", "alt");
    Write(folder / "brett.l12", "meine Bretter");
    Write(folder / "Champions.Rhm", "meine Zeiten");
    const ino_t manual = Inode(folder / "Kasten12.chm");
    fs::current_path(root_);
    ASSERT_EQ(PrepareDataFolder(folder.string(), shipped_.string()), "");
    EXPECT_EQ(fs::current_path(), folder);
    EXPECT_EQ(Read(folder / "leicht.l12"), "leicht");
    EXPECT_EQ(Read(folder / "brett.l12"), "meine Bretter");
    EXPECT_EQ(Read(folder / "Champions.Rhm"), "meine Zeiten");
    EXPECT_EQ(Inode(folder / "Kasten12.chm"), manual);               // the same bytes are not written again
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), {}), 4); // no temporary file left
}

TEST_F(DataFolderTest, FailuresNameTheFolderAndTheReason)
{
    Write(root_ / "datei", "");
    fs::create_directories(root_ / "spieler/leicht.l12");
    struct Case {
        fs::path folder;
        std::string message;
    };
    const Case cases[] = {
        {root_ / "datei/kastenzahl", "Der Ordner für die Spieldaten kann nicht angelegt werden:\n" +
                                         (root_ / "datei/kastenzahl").string() +
                                         "\nEin Teil des Pfades ist kein Ordner"},
        {root_ / "datei", "Der Ordner für die Spieldaten kann nicht angelegt werden:\n" +
                              (root_ / "datei").string() + "\nEin Teil des Pfades ist kein Ordner"},
        {root_ / "spieler", "Die Spieldaten können nicht in ihren Ordner kopiert werden:\nDie Datei " +
                                (root_ / "spieler/leicht.l12").string() +
                                " kann nicht geschrieben werden (Ist ein Ordner)."},
        {"", "Der Ordner für die Spieldaten ist unbekannt:\nweder XDG_DATA_HOME noch HOME nennt einen "
             "absoluten Pfad."},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PrepareDataFolder(c.folder.string(), shipped_.string()), c.message);
        EXPECT_EQ(fs::current_path(), root_) << c.folder; // unchanged
    }
}
