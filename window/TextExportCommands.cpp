// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/CRaceDlg.h"

#include "contest/ScheduleCsv.h"
#include "dialogs/PathDialogs.h"
#include "matrix/HeatCardFormat.h"
#include "matrix/HeatListFormat.h"
#include "matrix/MatrixFileFormat.h"
#include "window/TextFileExport.h"

// The exports write the last calculation's result; one drawn from another
// pilot list only when the organiser says so. Before any calculation, and
// after one that failed, they refuse.

CommandOutcome CRaceDlg::ExportMatrix()
{
    if (auto stop = CheckResultFor(
            tr("Please perform a Matrix Calculation before attempting to export a Matrix."),
            tr("export")))
        return *stop;
    CExportMatrixDlg dialog(Host());
    dialog.SetAsksBeforeReplacing(m_asksBeforeReplacing);
    if (dialog.DoModal() != IDOK)
        return CommandOutcome::Cancelled();
    return ExportFile(dialog.Path(), MatrixFileText(m_contest.result));
}

CommandOutcome CRaceDlg::ExportScheduleCsv()
{
    if (auto stop = CheckResultFor(
            tr("Please perform a Matrix Calculation before attempting to export the schedule."), tr("export")))
        return *stop;
    CExportScheduleCsvDlg dialog(Host());
    dialog.SetAsksBeforeReplacing(m_asksBeforeReplacing);
    if (dialog.DoModal() != IDOK)
        return CommandOutcome::Cancelled();
    return ExportFile(dialog.Path(), ScheduleCsvText(m_contest.result));
}

CommandOutcome CRaceDlg::ExportHeatCards()
{
    if (auto stop = CheckResultFor(
            tr("Please perform a Matrix Calculation before attempting to export Heat Cards."),
            tr("export")))
        return *stop;
    CExportHeatsDlg dialog(Host());
    dialog.SetAsksBeforeReplacing(m_asksBeforeReplacing);
    if (dialog.DoModal() != IDOK)
        return CommandOutcome::Cancelled();
    return ExportFile(dialog.Path(), HeatCardsText(HeatCardsOf(m_contest.result)));
}

CommandOutcome CRaceDlg::ExportHeatList()
{
    if (auto stop = CheckResultFor(
            tr("Please perform a Matrix Calculation before attempting to export the heat list."), tr("export")))
        return *stop;
    CExportHeatListDlg dialog(Host());
    dialog.SetAsksBeforeReplacing(m_asksBeforeReplacing);
    if (dialog.DoModal() != IDOK)
        return CommandOutcome::Cancelled();
    return ExportTextFile(dialog.Path(), HeatListText(m_contest.result));
}
