// The Recalculate command: draws a new heat schedule from the pilots and the
// three fields, and shows it in the result tree. Its result is kept as one
// unit, so the tree, the exports and the printouts always show the same draw.

#include "app/CRaceDlg.h"

#include "matrix/CalculationClock.h"
#include "matrix/DrawFailureMessage.h"
#include "matrix/DrawStatusWriter.h"
#include "matrix/MatrixDraw.h"
#include "app/ResultTree.h"
#include "matrix/SeededRandom.h"
#include "platform/MessageBox.h"

namespace {

// The roster position of each pilot list line, in the list's order: the
// order in which the draw takes its pool.
std::vector<int> PilotListOrder(CListBox& list)
{
    std::vector<int> order;
    for (int line = 0; line < list.GetCount(); ++line)
        order.push_back(list.GetItemData(line));
    return order;
}

}  // namespace

void CRaceDlg::OnRecalculate()
{
    // A field the exchange refused has been reported; the last result stays.
    if (!UpdateData(true))
        return;
    const MatrixShape shape{m_rounds, m_heats, m_pilotsPerHeat};
    CalculationResult result;
    result.pilots.assign(m_roster.begin(), m_roster.begin() + m_rosterCount);
    result.rounds = m_rounds;
    result.heats = m_heats;

    SeededRandom random(static_cast<unsigned>(CalculationClock::Seconds()));
    DrawStatusWriter status([this](const QString& text) { SetStatusText(text); });
    const std::vector<int> listOrder = PilotListOrder(m_pilotList);
    const DrawOutcome outcome = DrawMatrix({result.pilots, listOrder, shape}, random, status);
    result.matrix = outcome.matrix;

    m_resultTree.DeleteAllItems();
    AddPilotNodes(m_resultTree, m_treeInsert, result.pilots);
    for (int position = 0; position < m_rosterCount; ++position)
        m_roster[position].treeItem = result.pilots[position].treeItem;
    if (outcome.completed)
        AddHeatNodes(m_resultTree, m_treeInsert, result);
    m_result = std::move(result);

    if (!outcome.completed)
        AfxMessageBox(DrawFailureMessage(m_result.pilots, shape));
}
