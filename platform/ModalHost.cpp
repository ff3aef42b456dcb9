// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ModalHost.h"

#include <QPageLayout>
#include <QPrinter>
#include <algorithm>

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

std::vector<int> ButtonsOf(unsigned type)
{
    switch (type & 0xF) {
    case MB_YESNOCANCEL: return {IDYES, IDNO, IDCANCEL};
    case MB_YESNO: return {IDYES, IDNO};
    default: return {IDOK};
    }
}

int DefaultButtonOf(unsigned type)
{
    const std::vector<int> buttons = ButtonsOf(type);
    const size_t position = (type & MB_DEFBUTTON2) ? 1 : 0;
    return buttons[std::min(position, buttons.size() - 1)];
}
