// The printer as a drawing target, into a PDF file: the page is the size asked for, in dots, and
// the document is written.
#include "platform/inspection.h"
#include "platform/printer.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <string>

TEST(PrinterTest, PdfPageHasTheDotsAskedForAndIsWritten)
{
    struct Case {
        int width, height;
    };
    const Case cases[] = {{4800, 6600}, {9600, 13200}}; // 4 x 5.5 and 8 x 11 inches
    const std::filesystem::path path = std::filesystem::temp_directory_path() / "kastenzahl-printer-test.pdf";
    for (const Case& c : cases) {
        std::filesystem::remove(path);
        PrintToPdfFile(path.string(), c.width, c.height);
        std::unique_ptr<PrintTarget> printer = SelectPrinter();
        ASSERT_NE(printer, nullptr);
        ASSERT_TRUE(printer->BeginDocument("Brett drucken"));
        EXPECT_EQ(printer->PageWidth(), c.width);
        EXPECT_EQ(printer->PageHeight(), c.height);
        printer->SetFont("ARIAL", 20);
        printer->SetPenWidth(2);
        printer->Box(100, 100, 340, 430);
        printer->Text(107, 103, "12");
        EXPECT_TRUE(printer->EndDocument());
        std::ifstream file(path, std::ios::binary);
        std::string head(4, '\0');
        file.read(head.data(), 4);
        EXPECT_EQ(head, "%PDF") << c.width << " x " << c.height;
    }
    std::filesystem::remove(path);
    PrintToPdfFile("", 0, 0);
}
