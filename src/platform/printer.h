// The printer as a drawing target: one document on a printer page, in printer dots, with the same
// kind of primitives as the screen (outlined boxes with a pen width, text at a point, a font by face
// and size). Text is placed with the top-left corner of its character cell at the point, as DrawText
// does on the screen. The screen keeps drawing into the client image meanwhile; once the printer is
// released, the main window is the only drawing target again.
#pragma once

#include <memory>
#include <string>

class PrintTarget {
  public:
    virtual ~PrintTarget() = default;
    // Starts the document and its page; false when the printer cannot start it.
    virtual bool BeginDocument(const std::string& documentName) = 0;
    virtual int PageWidth() const = 0; // the printable area, in dots
    virtual int PageHeight() const = 0;
    virtual void SetFont(const std::string& face, int pointSize) = 0; // "Arial" as on the screen
    virtual void SetPenWidth(int dots) = 0;
    virtual void Box(int x1, int y1, int x2, int y2) = 0; // outline only
    virtual void Text(int x, int y, const std::string& utf8) = 0;
    // Ends the page and the document; false when the printer reports a failure.
    virtual bool EndDocument() = 0;
};

// The system's default printer at high resolution; without a usable one, the printer-selection
// dialog is offered once. Null when the player cancels it: nothing is to be printed.
std::unique_ptr<PrintTarget> SelectPrinter();
