#include "app/CRaceDlg.h"

#include "platform/CPrintDialog.h"
#include "platform/MessageBox.h"
#include "app/CFontSizeDlg.h"
#include "app/HeatCardPrintout.h"
#include "app/MatrixPrintout.h"

#include <QPrinter>
#include <optional>

namespace {

const QString kMatrixRefusal =
    QStringLiteral("Please perform a Matrix Calculation before attempting to print a Matrix.");
const QString kHeatCardsRefusal =
    QStringLiteral("Please perform a Matrix Calculation before attempting to print Heat Cards.");

struct PrintChoice {
    int baseFontSize;
    bool newColumnPerRound;
    HDC printer;
};

// Refuses without a calculated result; otherwise asks for the font size and
// then the printer. Nothing when the organiser cancelled either dialog.
std::optional<PrintChoice> AskForPrintout(bool hasResult, const QString& refusal)
{
    CFontSizeDlg fontSize;
    if (!hasResult) {
        AfxMessageBox(refusal, MB_OK);
        return std::nullopt;
    }
    if (fontSize.DoModal() == IDCANCEL)
        return std::nullopt;
    CPrintDialog printDialog(false, PD_USEDEVMODECOPIES | PD_NOPAGENUMS | PD_NOSELECTION);
    if (printDialog.DoModal() != IDOK)
        return std::nullopt;
    return PrintChoice{fontSize.m_baseFontSize, fontSize.m_newColumnPerRound == 1, printDialog.GetPrinterDC()};
}

// The organiser must not believe that a printout came out when the printer
// refused it, or when its PDF file could not be written to the end.
void ReportIfNotPrinted(PrintOutcome outcome, const QString& outputFile)
{
    if (outcome == PrintOutcome::NotStarted)
        AfxMessageBox(QStringLiteral("Printing could not start. Check that the printer is available, or that the "
                                     "PDF file can be written where you chose to save it."),
                      MB_OK | MB_ICONEXCLAMATION);
    else if (outcome == PrintOutcome::NotFinished && !outputFile.isEmpty())
        AfxMessageBox(QStringLiteral("The printout could not be written completely to the file \"%1\"; the disk may "
                                     "be full. The file was left as it was.")
                          .arg(outputFile),
                      MB_OK | MB_ICONEXCLAMATION);
    else if (outcome == PrintOutcome::NotFinishedAtFileSizeLimit)
        AfxMessageBox(QStringLiteral("The printout could not be written completely to the file \"%1\": it would pass "
                                     "the size limit set for this program's files (ulimit -f). The file was left as "
                                     "it was.")
                          .arg(outputFile),
                      MB_OK | MB_ICONEXCLAMATION);
    else if (outcome == PrintOutcome::NotFinished)
        AfxMessageBox(QStringLiteral("The printout could not be finished. Check the printer."),
                      MB_OK | MB_ICONEXCLAMATION);
}

} // namespace

int CRaceDlg::OnPrintMatrix()
{
    std::optional<PrintChoice> choice = AskForPrintout(m_resultTree.GetCount() > 0, kMatrixRefusal);
    if (!choice)
        return 0;
    const QString outputFile = choice->printer->outputFileName();
    ReportIfNotPrinted(PrintMatrix(m_printLayout, std::move(choice->printer),
                                   {choice->baseFontSize, choice->newColumnPerRound}, m_result,
                                   [this](const QString& text) { SetStatusText(text); }),
                       outputFile);
    return 1;
}

// The cards follow the roster of the last calculation, not the tree's
// alphabetical order; the new-column choice does not apply to them.
int CRaceDlg::OnPrintHeatCards()
{
    std::optional<PrintChoice> choice = AskForPrintout(m_resultTree.GetCount() > 0, kHeatCardsRefusal);
    if (!choice)
        return 0;
    const QString outputFile = choice->printer->outputFileName();
    ReportIfNotPrinted(PrintHeatCards(m_printLayout, std::move(choice->printer), choice->baseFontSize,
                                      CollectHeatCards(m_result, m_resultTree),
                                      [this](const QString& text) { SetStatusText(text); }),
                       outputFile);
    return 1;
}
