#include "app/CRaceDlg.h"

#include "app/PathDialogs.h"
#include "app/TextFileExport.h"
#include "matrix/HeatCardFormat.h"
#include "matrix/MatrixFileFormat.h"
#include "platform/MessageBox.h"

namespace {

// Each pilot of the calculation gets the card the result tree shows for it:
// its node's text and the heat nodes under it, in the calculation's roster
// order rather than the tree's alphabetical one.
std::vector<HeatCard> CollectHeatCards(const CalculationResult& result, const CTreeCtrl& tree)
{
    std::vector<HeatCard> cards;
    for (const PilotRecord& pilot : result.pilots) {
        if (!pilot.treeItem)
            continue;
        HeatCard card{tree.GetItemText(pilot.treeItem), {}};
        for (HTREEITEM heat = tree.GetChildItem(pilot.treeItem); heat; heat = tree.GetNextSiblingItem(heat))
            card.heatTexts << tree.GetItemText(heat);
        cards.push_back(card);
    }
    return cards;
}

} // namespace

void CRaceDlg::OnExportMatrix()
{
    if (m_resultTree.GetCount() == 0) {
        AfxMessageBox(QStringLiteral("Please perform a Matrix Calculation before attempting to export a Matrix."), MB_OK);
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
