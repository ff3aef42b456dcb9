// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ModalHost.h"

#include <QPageLayout>
#include <QPrinter>

SharedPrinter ModalHost::ChoosePrintoutPrinter()
{
    auto printer = std::make_shared<QPrinter>(QPrinter::HighResolution);
    printer->setPrintRange(QPrinter::AllPages);
    if (!ChoosePrinter(*printer))
        return nullptr;
    // A PDF file has no hardware margins; it keeps 5 mm free on every side,
    // as a printer's own margins would, so that printing it cuts nothing off.
    if (printer->outputFormat() == QPrinter::PdfFormat)
        printer->setPageMargins(QMarginsF(5, 5, 5, 5), QPageLayout::Millimeter);
    return printer;
}
