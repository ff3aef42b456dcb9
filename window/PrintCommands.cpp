// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/CRaceDlg.h"

#include "dialogs/CFontSizeDlg.h"
#include "printer/HeatCardPrintout.h"
#include "printer/MatrixPrintout.h"
#include "platform/CStdioFile.h"
#include "platform/ModalHost.h"

#include <QFileInfo>
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
std::variant<PrintChoice, CommandOutcome> AskForPrintout(ModalHost& host)
{
    CFontSizeDlg fontSize(host);
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

} // namespace

// The printout's progress takes the status line. A printout drawn smaller
// than asked ends with its note there; otherwise the line says again how the
// result stands.
CommandOutcome CRaceDlg::FinishPrintout(PrintOutcome printed, const QString& outputFile, const QString& lastStatus)
{
    const QString sizeNote = printed == PrintOutcome::Printed ? lastStatus : QString();
    if (sizeNote.isEmpty())
        ShowResultState();
    return OutcomeOf(printed, outputFile, m_printLayout.PdfFileError(), sizeNote);
}

// Both printouts ask the same way and end the same way; only what they draw
// differs.
CommandOutcome CRaceDlg::RunPrintout(const QString& noResultRefusal, const DrawPrintout& draw)
{
    if (auto stop = CheckResultFor(noResultRefusal, tr("print")))
        return *stop;
    std::variant<PrintChoice, CommandOutcome> asked = AskForPrintout(Host());
    auto* choice = std::get_if<PrintChoice>(&asked);
    if (!choice)
        return std::get<CommandOutcome>(asked);
    const QString outputFile = choice->printer->outputFileName();
    QString lastStatus;
    const StatusLine showStatus = [this, &lastStatus](const QString& text) {
        lastStatus = text;
        SetStatusText(text);
    };
    const PrintOutcome printed = draw(*choice, showStatus);
    return FinishPrintout(printed, outputFile, lastStatus);
}

CommandOutcome CRaceDlg::PrintMatrix()
{
    return RunPrintout(tr("Please perform a Matrix Calculation before attempting to print a Matrix."),
                       [this](PrintChoice& choice, const StatusLine& showStatus) {
                           return ::PrintMatrix(m_printLayout, std::move(choice.printer),
                                                {choice.baseFontSize, choice.newColumnPerRound}, m_contest.result, showStatus);
                       });
}

// The cards follow the roster of the last calculation, not the tree's
// alphabetical order; the new-column choice does not apply to them.
CommandOutcome CRaceDlg::PrintHeatCards()
{
    return RunPrintout(tr("Please perform a Matrix Calculation before attempting to print Heat Cards."),
                       [this](PrintChoice& choice, const StatusLine& showStatus) {
                           return ::PrintHeatCards(m_printLayout, std::move(choice.printer), choice.baseFontSize,
                                                   HeatCardsOf(m_contest.result), showStatus);
                       });
}
