// The window-free platform services: files by bare name, random numbers, time of day and date.
#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/files.h"
#include "platform/script.h"
#include "platform/system.h"

namespace fs = std::filesystem;

namespace {

class PlatformFilesTest : public ::testing::Test {
  protected:
    void SetUp() override
    {
        previous_ = fs::current_path();
        std::string pattern = (fs::temp_directory_path() / "kastenzahl-files-XXXXXX").string();
        folder_ = mkdtemp(pattern.data());
        fs::current_path(folder_);
    }
    void TearDown() override
    {
        fs::current_path(previous_);
        fs::remove_all(folder_);
    }
    fs::path previous_;
    fs::path folder_;
};

TEST_F(PlatformFilesTest, BlocksLinesAndLength)
{
    EXPECT_FALSE(FileExists("a.txt"));
    GameFile file;
    ASSERT_TRUE(file.openForReadWrite("a.txt")); // created
    EXPECT_TRUE(FileExists("a.txt"));
    EXPECT_TRUE(file.writeLine("Erste Zeile"));
    EXPECT_TRUE(file.writeBlock("zweite\r\n\n", 9));
    EXPECT_EQ(file.length(), 12 + 9);
    ASSERT_TRUE(file.close());

    ASSERT_TRUE(file.openForReading("a.txt"));
    std::string line;
    ASSERT_TRUE(file.readLine(line));
    EXPECT_EQ(line, "Erste Zeile");
    ASSERT_TRUE(file.readLine(line));
    EXPECT_EQ(line, "zweite");
    ASSERT_TRUE(file.readLine(line));
    EXPECT_EQ(line, "");
    EXPECT_FALSE(file.readLine(line));

    ASSERT_TRUE(file.seek(6));
    char block[5] = {};
    ASSERT_TRUE(file.readBlock(block, 4));
    EXPECT_EQ(std::string(block), "Zeil");
    ASSERT_TRUE(file.seek(18));
    EXPECT_FALSE(file.readBlock(block, 4));
    EXPECT_EQ(file.error(), "Die Datei a.txt ist zu kurz.");
    file.close();

    ASSERT_TRUE(file.openForWriting("a.txt")); // emptied
    EXPECT_EQ(file.length(), 0);
}

TEST_F(PlatformFilesTest, FailuresCarryAGermanReason)
{
    GameFile file;
    EXPECT_FALSE(file.openForReading("fehlt.l12"));
    EXPECT_FALSE(file.isOpen());
    EXPECT_EQ(file.error(),
              "Die Datei fehlt.l12 kann nicht geöffnet werden (Datei oder Ordner nicht vorhanden).");
    fs::create_directory("ordner");
    EXPECT_FALSE(file.openForReadWrite("ordner"));
    EXPECT_NE(file.error().find("Ist ein Ordner"), std::string::npos) << file.error();
    EXPECT_FALSE(FileExists("ordner"));
}

// The reasons a player may meet saving a board are German, never the C library's English text.
TEST_F(PlatformFilesTest, CommonReasonsAreGerman)
{
    const struct {
        int code;
        const char* reason;
    } cases[] = {
        {ENOSPC, "Kein Platz mehr auf dem Datenträger"},
        {EFBIG, "Datei zu groß"},
        {EISDIR, "Ist ein Ordner"},
        {EACCES, "Keine Berechtigung"},
        {ENOENT, "Datei oder Ordner nicht vorhanden"},
        {ESPIPE, "Keine gewöhnliche Datei"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FileErrorReason(c.code), c.reason) << std::strerror(c.code);

    // A pipe in the file's place is refused at once instead of blocking the game.
    ASSERT_EQ(::mkfifo("rohr.l12", 0600), 0);
    GameFile file;
    EXPECT_FALSE(file.openForReading("rohr.l12"));
    EXPECT_EQ(file.error(), "Die Datei rohr.l12 kann nicht geöffnet werden (Keine gewöhnliche Datei).");
}

TEST(PlatformRandomTest, SeededDrawsRepeatAndStayInRange)
{
    SeedRandom(42);
    std::vector<int> first;
    for (int i = 0; i < 100; ++i) {
        first.push_back(Random(12));
    }
    SeedRandom(42);
    for (int i = 0; i < 100; ++i) {
        EXPECT_EQ(Random(12), first[i]);
    }
    int counts[4] = {};
    for (int i = 0; i < 40000; ++i) {
        int v = Random(4);
        ASSERT_GE(v, 0);
        ASSERT_LT(v, 4);
        ++counts[v];
    }
    for (int c : counts) {
        EXPECT_NEAR(c, 10000, 600); // more than 6 standard deviations
    }
    EXPECT_EQ(Random(1), 0);
}

int AlwaysTwo(int)
{
    return 2;
}

double Noon()
{
    return 43200.5;
}

TEST(PlatformRandomTest, SourcesCanBeReplacedAndRestored)
{
    SetRandomSource(AlwaysTwo);
    EXPECT_EQ(Random(50), 2);
    SetRandomSource(nullptr);
    SetTimeOfDaySource(Noon);
    EXPECT_EQ(TimeOfDay(), 43200.5);
    SetTimeOfDaySource(nullptr);
    double now = TimeOfDay();
    EXPECT_GE(now, 0.0);
    EXPECT_LT(now, 86401.0);
}

TEST(PlatformDateTest, TodayIsDayMonthYear)
{
    const std::string today = TodayText();
    ASSERT_EQ(today.size(), 10u) << today;
    for (size_t i = 0; i < today.size(); ++i) {
        if (i == 2 || i == 5) {
            EXPECT_EQ(today[i], '.') << today;
        } else {
            EXPECT_TRUE(today[i] >= '0' && today[i] <= '9') << today;
        }
    }
    int day = std::stoi(today.substr(0, 2));
    int month = std::stoi(today.substr(3, 2));
    EXPECT_TRUE(day >= 1 && day <= 31 && month >= 1 && month <= 12) << today;
}

} // namespace
