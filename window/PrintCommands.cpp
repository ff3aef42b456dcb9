// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/CRaceDlg.h"

#include "dialogs/CFontSizeDlg.h"
#include "printer/HeatCardPrintout.h"
#include "printer/HeatSheetPrintout.h"
#include "printer/MatrixPrintout.h"
#include "platform/CStdioFile.h"
#include "platform/ModalHost.h"
#include "printer/PilotListPrintout.h"

#include <QDir>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <variant>

// What the organiser chose for a printout: the base font size, whether each
// round starts a new column, and the printer.
struct PrintChoice {
    int baseFontSize;
    bool newColumnPerRound;
    SharedPrinter printer;
};

namespace {

// Asks for the font size and then the printer. Cancelled when the organiser
// cancelled either dialog.
std::variant<PrintChoice, CommandOutcome> AskForPrintout(ModalHost& host, CFontSizeDlg::Preview preview)
{
    CFontSizeDlg fontSize(host);
    fontSize.SetPreview(std::move(preview));
    if (fontSize.DoModal() == IDCANCEL)
        return CommandOutcome::Cancelled();
    SharedPrinter printer = host.ChoosePrintoutPrinter();
    if (!printer)
        return CommandOutcome::Cancelled();
    return PrintChoice{fontSize.m_baseFontSize, fontSize.m_newColumnPerRound == 1, std::move(printer)};
}

// What became of the chosen file after a printout that failed: a printout
// is drawn beside it and replaces it only when complete, so a file there now
// is the one that was there before; none there means none was written.
QString WhatBecameOf(const QString& outputFile)
{
    return QFileInfo::exists(outputFile) ? CRaceDlg::tr("The file was left as it was.")
                                         : CRaceDlg::tr("Nothing was written.");
}

// The organiser must not believe that a printout came out when the printer
// refused it, or when its PDF file could not be written to the end.
CommandOutcome OutcomeOf(PrintOutcome outcome, const QString& outputFile, int fileError, const QString& sizeNote)
{
    constexpr unsigned kWarning = MB_OK | MB_ICONEXCLAMATION;
    if (outcome == PrintOutcome::NotStarted && fileError != 0) {
        const CFileException failure(CFileException::OpenFailureCause(outputFile, fileError), outputFile);
        return CommandOutcome::Failed(failure.ErrorMessage() + u' ' + WhatBecameOf(outputFile), kWarning);
    }
    if (outcome == PrintOutcome::NotStarted)
        return CommandOutcome::Failed(CRaceDlg::tr("Printing could not start. Check that the printer is available, "
                                                   "or that the PDF file can be written where you chose to save it."),
                                      kWarning);
    if (outcome == PrintOutcome::NotFinished && !outputFile.isEmpty())
        return CommandOutcome::Failed(CRaceDlg::tr("The printout could not be written completely to the file \"%1\"; "
                                                   "the disk may be full.")
                                              .arg(outputFile)
                                          + u' ' + WhatBecameOf(outputFile),
                                      kWarning);
    if (outcome == PrintOutcome::NotFinishedAtFileSizeLimit)
        return CommandOutcome::Failed(CRaceDlg::tr("The printout could not be written completely to the file \"%1\": "
                                                   "it would pass the size limit set for this program's files "
                                                   "(ulimit -f).")
                                              .arg(outputFile)
                                          + u' ' + WhatBecameOf(outputFile),
                                      kWarning);
    if (outcome == PrintOutcome::NotFinished)
        return CommandOutcome::Failed(CRaceDlg::tr("The printout could not be finished. Check the printer."), kWarning);
    return CommandOutcome::DoneWithNote(sizeNote);
}

// Every printed page names the contest as the window holds it now.
PageHeading HeadingOf(const Contest& contest)
{
    return PageHeading{contest.name, contest.date};
}

} // namespace

// The printout's progress takes the status line. A printout that came out
// ends with where it went there, and its size note when it was drawn
// smaller than asked; one that failed leaves the line saying again how the
// result stands.
CommandOutcome CRaceDlg::FinishPrintout(PrintOutcome printed, const QString& outputFile, const QString& printerName,
                                        const QString& lastStatus)
{
    if (printed != PrintOutcome::Printed) {
        ShowResultState();
        return OutcomeOf(printed, outputFile, m_printLayout.PdfFileError(), QString());
    }
    const QString where = outputFile.isEmpty() ? tr("Sent to the printer %1.").arg(printerName)
                                               : tr("Printed to %1.").arg(QDir::toNativeSeparators(outputFile));
    SetStatusText(lastStatus.isEmpty() ? where : where + QStringLiteral("  ") + lastStatus);
    return OutcomeOf(printed, outputFile, m_printLayout.PdfFileError(), lastStatus);
}

// Both printouts ask the same way and end the same way; only what they draw
// differs.
CommandOutcome CRaceDlg::RunPrintout(const QString& noResultRefusal, const DrawPrintout& draw)
{
    if (auto stop = CheckResultFor(noResultRefusal, tr("print")))
        return *stop;
    return AskAndPrint(draw);
}

CommandOutcome CRaceDlg::AskAndPrint(const DrawPrintout& draw)
{
    std::variant<PrintChoice, CommandOutcome> asked = AskForPrintout(Host(), [this, &draw](int size, bool newColumn) {
        ShowPreview(draw, size, newColumn);
    });
    auto* choice = std::get_if<PrintChoice>(&asked);
    if (!choice)
        return std::get<CommandOutcome>(asked);
    const QString outputFile = choice->printer->outputFileName();
    const QString printerName = choice->printer->printerName();
    QString lastStatus;
    const StatusLine showStatus = [this, &lastStatus](const QString& text) {
        lastStatus = text;
        SetStatusText(text);
    };
    const PrintOutcome printed = draw(*choice, showStatus);
    return FinishPrintout(printed, outputFile, printerName, lastStatus);
}

CommandOutcome CRaceDlg::PrintMatrix()
{
    return RunPrintout(tr("Please perform a Matrix Calculation before attempting to print a Matrix."),
                       [this](PrintChoice& choice, const StatusLine& showStatus) {
                           return ::PrintMatrix(m_printLayout, std::move(choice.printer),
                                                {choice.baseFontSize, choice.newColumnPerRound}, m_contest.result, showStatus,
                                                HeadingOf(m_contest));
                       });
}

// The cards follow the roster of the last calculation, not the tree's
// alphabetical order; the new-column choice does not apply to them.
CommandOutcome CRaceDlg::PrintHeatCards()
{
    return RunPrintout(tr("Please perform a Matrix Calculation before attempting to print Heat Cards."),
                       [this](PrintChoice& choice, const StatusLine& showStatus) {
                           return ::PrintHeatCards(m_printLayout, std::move(choice.printer), choice.baseFontSize,
                                                   HeatCardsOf(m_contest.result), showStatus, HeadingOf(m_contest));
                       });
}

// The preview is the printout itself, drawn on a page of the size a PDF file
// gets, with the printer's margins, onto the preview instead of paper; its
// progress stays off the status line.
void CRaceDlg::ShowPreview(const DrawPrintout& draw, int baseFontSize, bool newColumnPerRound)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageMargins(QMarginsF(5, 5, 5, 5), QPageLayout::Millimeter);
    Host().ShowPrintPreview(printer, [&](QPrinter& target) {
        PrintChoice choice{baseFontSize, newColumnPerRound, SharedPrinter(&target, [](QPrinter*) {})};
        draw(choice, [](const QString&) {});
    });
}

CommandOutcome CRaceDlg::PrintHeatSheets()
{
    return RunPrintout(tr("Please perform a Matrix Calculation before attempting to print Heat Sheets."),
                       [this](PrintChoice& choice, const StatusLine& showStatus) {
                           return ::PrintHeatSheets(m_printLayout, std::move(choice.printer), choice.baseFontSize,
                                                    m_contest.result, showStatus, HeadingOf(m_contest));
                       });
}

CommandOutcome CRaceDlg::PrintPilotList()
{
    if (m_contest.pilots.empty())
        return CommandOutcome::Refused(tr("The pilot list is empty: there is nobody to print."));
    return AskAndPrint([this](PrintChoice& choice, const StatusLine& showStatus) {
        return ::PrintPilotList(m_printLayout, std::move(choice.printer), choice.baseFontSize, m_contest.pilots,
                                showStatus, HeadingOf(m_contest));
    });
}
