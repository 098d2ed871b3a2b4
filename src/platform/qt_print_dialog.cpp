// The system's printer for the game with its real input: the default printer, or the
// printer-selection dialog (which also offers printing into a PDF file) when there is none.
#include "platform/qt_internal.h"

#include <QMainWindow>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

namespace qtplatform {

std::unique_ptr<QPrinter> SystemPrinter()
{
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    if (!QPrinterInfo::defaultPrinter().isNull() && printer->isValid())
        return printer;
    EndPainting();
    QPrintDialog dialog(printer.get(), MainWindow());
    if (dialog.exec() != QDialog::Accepted)
        return nullptr;
    return printer;
}

} // namespace qtplatform
