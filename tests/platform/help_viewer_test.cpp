// The help viewer and the built help file: every link and image of the manual resolves to an entry of
// the file; the viewer is a window of its own that follows links, goes back and forward and loads the
// pages' images.
#include "platform/help.h"
#include "platform/help_file.h"
#include "platform/inspection.h"
#include "platform/window.h"

#include <QApplication>
#include <QImage>
#include <QTextBrowser>
#include <QUrl>
#include <QWidget>
#include <filesystem>
#include <gtest/gtest.h>
#include <regex>
#include <string>
#include <vector>

#include "temp_folder.h"

namespace {

bool EndsWith(const std::string& text, const std::string& end)
{
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

QTextBrowser* ViewerBrowser()
{
    for (QWidget* window : QApplication::topLevelWidgets())
        if (auto* browser = window->findChild<QTextBrowser*>(); browser != nullptr && window->isVisible())
            return browser;
    return nullptr;
}

} // namespace

TEST(HelpFile, EveryLinkAndImageOfTheManualResolves)
{
    const HelpFile manual(KASTENZAHL_HELP_FILE);
    int pages = 0, references = 0;
    const std::regex reference(R"((?:href|src)\s*=\s*"([^"]*)\")", std::regex::icase);
    for (const std::string& entry : manual.Entries()) {
        if (!EndsWith(entry, ".htm"))
            continue;
        ++pages;
        std::string page;
        ASSERT_TRUE(manual.Read(entry, page)) << entry;
        for (auto it = std::sregex_iterator(page.begin(), page.end(), reference);
             it != std::sregex_iterator(); ++it) {
            std::string target = (*it)[1].str();
            target = target.substr(0, target.find('#'));
            if (target.empty() || target.find(':') != std::string::npos)
                continue; // an anchor on the same page, or outside the file
            ++references;
            std::string contents;
            EXPECT_TRUE(manual.Read("/" + target, contents)) << entry << " -> " << target;
        }
    }
    EXPECT_GE(pages, 4);
    EXPECT_GE(references, 20);
}

TEST(HelpFile, EntriesAreFoundWithoutRegardToLetterCase)
{
    const struct {
        std::string entry;
        bool found;
    } cases[] = {{"/Übersicht.htm", true},
                 {"/übersicht.htm", true},
                 {"ERKLÄRUNG.HTM", true},
                 {"/erklarung.htm", false},
                 {"/#SYSTEM", false}};
    const HelpFile manual(KASTENZAHL_HELP_FILE);
    for (const auto& c : cases) {
        std::string contents;
        EXPECT_EQ(manual.Read(c.entry, contents), c.found) << c.entry;
    }
}

// Files the fuzzer found: chmlib divided by zero on the first two and the sixth, went round in a circle
// on the third, asked for 4 GB on the fourth and fifth and wrote past its buffer on the last. They are
// refused whole, and the viewer is not opened.
TEST(HelpFile, DamagedFilesAreRefusedWithoutEndingOrHangingTheGame)
{
    for (const char* damaged :
         {"zero_block_length.chm", "window_size_one.chm", "directory_loop.chm", "huge_block_length.chm",
          "huge_chunk_size.chm", "control_data_compressed.chm", "packed_block_too_long.chm"}) {
        const std::filesystem::path path = std::filesystem::path(KASTENZAHL_DAMAGED_HELP_FILES) / damaged;
        ASSERT_TRUE(std::filesystem::exists(path)) << path;
        const HelpFile help(path.string());
        std::string page;
        EXPECT_FALSE(help.IsOpen()) << damaged;
        EXPECT_FALSE(help.Read("Übersicht.htm", page)) << damaged;

        ScopedTempFolder folder;
        std::filesystem::copy_file(path, folder.path() / "Kasten12.chm");
        EXPECT_FALSE(ShowHtmlHelpTopic("Kasten12.chm", "Übersicht.htm")) << damaged;
        EXPECT_FALSE(HelpViewerShown()) << damaged;
    }
}

TEST(HelpViewer, OwnWindowFollowsLinksBackAndForwardWithImages)
{
    ScopedTempFolder folder;
    std::filesystem::copy_file(KASTENZAHL_HELP_FILE, folder.path() / "Kasten12.chm");
    if (!MainWindowExists())
        OpenMainWindow("Kastenzahl", 0, 0, 1156, 903);
    ASSERT_TRUE(ShowHtmlHelpTopic("Kasten12.chm", "Übersicht.htm"));
    QTextBrowser* browser = ViewerBrowser();
    ASSERT_NE(browser, nullptr);
    QWidget* viewer = browser->window();
    EXPECT_EQ(viewer->parentWidget(), nullptr);
    EXPECT_EQ(viewer->windowModality(), Qt::NonModal);
    EXPECT_TRUE(MainWindowEnabled());

    const QVariant image = browser->loadResource(QTextDocument::ImageResource, QUrl("spiel.png"));
    EXPECT_FALSE(QImage::fromData(image.toByteArray()).isNull());

    browser->setSource(browser->source().resolved(QUrl("erklärung.htm")));
    EXPECT_EQ(HelpViewerTitle(), "Spielregeln und Bedienung");
    browser->setSource(browser->source().resolved(QUrl("brett.htm")));
    EXPECT_EQ(HelpViewerTitle(), "Bretter sichern und drucken");
    browser->backward();
    browser->backward();
    EXPECT_EQ(HelpViewerTitle(), "Kastenzahl – Übersicht");
    browser->forward();
    EXPECT_EQ(HelpViewerTitle(), "Spielregeln und Bedienung");
    CloseHelpViewer();
    EXPECT_FALSE(HelpViewerShown());
}
