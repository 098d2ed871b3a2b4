// The printer as a drawing target: a QPainter on a QPrinter, coordinates in printer dots.
#include "platform/inspection.h"
#include "platform/printer.h"
#include "platform/qt_internal.h"

#include <QFontMetrics>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPen>
#include <QPrinter>

namespace {

// Set by PrintToPdfFile: SelectPrinter writes a PDF file of this size instead.
struct PdfTarget {
    QString path;
    int width = 0, height = 0;
};
PdfTarget pdfTarget;

class QtPrintTarget final : public PrintTarget {
  public:
    explicit QtPrintTarget(std::unique_ptr<QPrinter> printer) : printer_(std::move(printer)) {}
    ~QtPrintTarget() override
    {
        if (painter_.isActive())
            painter_.end();
    }

    bool BeginDocument(const std::string& documentName) override
    {
        printer_->setDocName(qtplatform::FromUtf8(documentName));
        if (!painter_.begin(printer_.get()))
            return false;
        painter_.setRenderHint(QPainter::Antialiasing, false);
        painter_.setPen(pen_);
        painter_.setBrush(Qt::NoBrush);
        return true;
    }
    int PageWidth() const override { return printer_->width(); }
    int PageHeight() const override { return printer_->height(); }
    void SetFont(const std::string& face, int pointSize) override
    {
        QFont font(qtplatform::ResolveFace(face));
        font.setPointSize(pointSize);
        painter_.setFont(font);
        ascent_ = QFontMetrics(font, printer_.get()).ascent();
    }
    void SetPenWidth(int dots) override
    {
        pen_.setWidth(dots);
        painter_.setPen(pen_);
    }
    void Box(int x1, int y1, int x2, int y2) override
    {
        painter_.drawRect(QRectF(QPointF(x1, y1), QPointF(x2, y2)).normalized());
    }
    void Text(int x, int y, const std::string& utf8) override
    {
        painter_.drawText(QPointF(x, y + ascent_), qtplatform::FromUtf8(utf8));
    }
    bool EndDocument() override
    {
        bool ended = painter_.end();
        return ended && printer_->printerState() != QPrinter::Error;
    }

  private:
    std::unique_ptr<QPrinter> printer_;
    QPainter painter_;
    QPen pen_{Qt::black, 1};
    int ascent_ = 0;
};

std::unique_ptr<QPrinter> PdfPrinter()
{
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(pdfTarget.path);
    const double dotsPerInch = printer->resolution();
    printer->setPageLayout(QPageLayout(
        QPageSize(QSizeF(pdfTarget.width / dotsPerInch, pdfTarget.height / dotsPerInch), QPageSize::Inch),
        QPageLayout::Portrait, QMarginsF()));
    printer->setFullPage(true);
    return printer;
}

} // namespace

std::unique_ptr<PrintTarget> SelectPrinter()
{
    std::unique_ptr<QPrinter> printer = pdfTarget.path.isEmpty() ? qtplatform::SystemPrinter() : PdfPrinter();
    if (!printer)
        return nullptr;
    return std::make_unique<QtPrintTarget>(std::move(printer));
}

void PrintToPdfFile(const std::string& path, int widthDots, int heightDots)
{
    pdfTarget = {qtplatform::FromUtf8(path), widthDots, heightDots};
}
