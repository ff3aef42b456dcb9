// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/CRaceDlg.h"

#include "dialogs/PathDialogs.h"
#include "publish/SchedulePage.h"
#include "window/TextFileExport.h"

// The web page shows the last calculation's result under the contest's name
// and date as the window holds them now.
CommandOutcome CRaceDlg::ExportSchedulePage()
{
    if (auto stop = CheckResultFor(
            tr("Please perform a Matrix Calculation before attempting to export the web page."), tr("export")))
        return *stop;
    CExportSchedulePageDlg dialog(Host());
    dialog.SetAsksBeforeReplacing(m_asksBeforeReplacing);
    if (dialog.DoModal() != IDOK)
        return CommandOutcome::Cancelled();
    return ExportFile(dialog.Path(), SchedulePageHtml(m_contest));
}
