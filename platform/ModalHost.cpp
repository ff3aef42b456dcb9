#include "platform/ModalHost.h"

#include <QPageLayout>
#include <QPrinter>

SharedPrinter ModalHost::ChoosePrintoutPrinter()
{
    auto printer = std::make_shared<QPrinter>(QPrinter::HighResolution);
    printer->setPrintRange(QPrinter::AllPages);
    if (!ChoosePrinter(*printer))
        return nullptr;
    // A PDF file has no hardware margins: its printable area is the whole sheet.
    if (printer->outputFormat() == QPrinter::PdfFormat)
        printer->setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
    return printer;
}
