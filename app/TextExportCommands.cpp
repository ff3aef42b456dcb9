#include "app/CRaceDlg.h"

#include "app/PathDialogs.h"
#include "app/TextFileExport.h"
#include "matrix/HeatCardFormat.h"
#include "matrix/MatrixFileFormat.h"

// Both exports write the last calculation's result, whatever the organiser
// has edited since; before any calculation they refuse.

CommandOutcome CRaceDlg::ExportMatrix()
{
    if (!m_result.HasResult())
        return CommandOutcome::Refused(
            tr("Please perform a Matrix Calculation before attempting to export a Matrix."));
    CExportMatrixDlg dialog;
    if (dialog.DoModal() != IDOK)
        return CommandOutcome::Cancelled();
    return ExportTextFile(dialog.Path(), MatrixFileText(m_result));
}

CommandOutcome CRaceDlg::ExportHeatCards()
{
    if (!m_result.HasResult())
        return CommandOutcome::Refused(
            tr("Please perform a Matrix Calculation before attempting to export Heat Cards."));
    CExportHeatsDlg dialog;
    if (dialog.DoModal() != IDOK)
        return CommandOutcome::Cancelled();
    return ExportTextFile(dialog.Path(), HeatCardsText(HeatCardsOf(m_result)));
}
