// SPDX-License-Identifier: GPL-3.0-or-later
// The meeting statistics: a window that shows who met whom in the last
// calculation's result, random or balanced, and its export as CSV. Like the
// other exports they read the result, whatever the organiser has edited
// since, and refuse before any calculation.

#include "window/CRaceDlg.h"

#include "dialogs/CStatisticsDlg.h"
#include "dialogs/PathDialogs.h"
#include "window/TextFileExport.h"
#include "matrix/DrawStatistics.h"
#include "matrix/StatisticsCsv.h"

namespace {

DrawStatistics StatisticsOf(const CalculationResult& result)
{
    return ComputeDrawStatistics(result.pilots, result.matrix, result.rounds, result.heats);
}

}  // namespace

CommandOutcome CRaceDlg::ShowStatistics()
{
    if (!m_contest.result.HasResult())
        return CommandOutcome::Refused(
            tr("Please perform a Matrix Calculation before attempting to view the meeting statistics."));
    CStatisticsDlg dialog(m_contest.result.pilots, StatisticsOf(m_contest.result), [this] { OnExportStatistics(); }, Host());
    dialog.DoModal();
    return CommandOutcome::Done();
}

CommandOutcome CRaceDlg::ExportStatistics()
{
    if (!m_contest.result.HasResult())
        return CommandOutcome::Refused(
            tr("Please perform a Matrix Calculation before attempting to export the meeting statistics."));
    CExportStatisticsDlg dialog(Host());
    dialog.SetAsksBeforeReplacing(m_asksBeforeReplacing);
    if (dialog.DoModal() != IDOK)
        return CommandOutcome::Cancelled();
    return ExportFile(dialog.Path(), StatisticsCsv(m_contest.result.pilots, StatisticsOf(m_contest.result)));
}
