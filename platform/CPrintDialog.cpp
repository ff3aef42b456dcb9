#include "platform/CPrintDialog.h"

#include "platform/ModalHost.h"
#include "platform/Win32Types.h"

#include <QPageLayout>
#include <QPrinter>

CPrintDialog::CPrintDialog(bool printSetupOnly, unsigned flags)
{
    m_pd.Flags = printSetupOnly ? flags : flags | PD_RETURNDC;
}

int CPrintDialog::DoModal()
{
    auto printer = std::make_shared<QPrinter>(QPrinter::HighResolution);
    printer->setPrintRange(QPrinter::AllPages);
    if (!ModalHost::Current().ChoosePrinter(*printer))
        return IDCANCEL;
    // A PDF file has no hardware margins; it keeps 5 mm free on every side,
    // as a printer's own margins would, so that printing it cuts nothing off.
    if (printer->outputFormat() == QPrinter::PdfFormat)
        printer->setPageMargins(QMarginsF(5, 5, 5, 5), QPageLayout::Millimeter);
    if (m_pd.Flags & PD_RETURNDC)
        m_pd.hDC = std::move(printer);
    return IDOK;
}
