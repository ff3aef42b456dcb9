#include "app/CRaceDlg.h"

#include "app/PathDialogs.h"
#include "app/TextFileExport.h"
#include "matrix/HeatCardsFromTree.h"
#include "matrix/MatrixFileFormat.h"
#include "platform/MessageBox.h"

// Both exports show the last calculation's result as the tree shows it,
// whatever the organiser has edited since; before any calculation they refuse.

void CRaceDlg::OnExportMatrix()
{
    if (m_resultTree.GetCount() == 0) {
        AfxMessageBox(QStringLiteral("Please perform a Matrix Calculation before attempting to export a Matrix."),
                      MB_OK);
        return;
    }
    CExportMatrixDlg dialog;
    if (dialog.DoModal() != IDOK)
        return;
    ExportTextFile(dialog.Path(), MatrixFileText(m_result));
}

void CRaceDlg::OnExportHeatCards()
{
    if (m_resultTree.GetCount() == 0) {
        AfxMessageBox(QStringLiteral("Please perform a Matrix Calculation before attempting to export Heat Cards."),
                      MB_OK);
        return;
    }
    CExportHeatsDlg dialog;
    if (dialog.DoModal() != IDOK)
        return;
    ExportTextFile(dialog.Path(), HeatCardsText(CollectHeatCards(m_result, m_resultTree)));
}
