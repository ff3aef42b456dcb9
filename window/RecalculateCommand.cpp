// SPDX-License-Identifier: GPL-3.0-or-later
// The Recalculate command: draws a new heat schedule from the pilots and the
// three fields, and shows it in the result tree. Its result is kept as one
// value, so the tree, the exports and the printouts always show the same draw.

#include "window/CRaceDlg.h"

#include "window/ResultTree.h"
#include "contest/ContestDay.h"
#include "matrix/DrawFailureMessage.h"
#include "matrix/DrawStatusWriter.h"
#include "matrix/MatrixDraw.h"
#include "matrix/SeededRandom.h"
#include "roster/DrawOrder.h"

std::optional<CommandOutcome> CRaceDlg::RefuseEmptyPilotList() const
{
    if (!m_contest.pilots.empty())
        return std::nullopt;
    return CommandOutcome::Refused(
        tr("The pilot list is empty. Add pilots or import a pilot list before calculating the matrix."));
}
#include "matrix/Timekeepers.h"

CommandOutcome CRaceDlg::Recalculate(unsigned seed)
{
    if (auto refusal = RefuseEmptyPilotList())
        return *refusal;
    // A field the exchange refused has been reported; the last result stays.
    if (!UpdateData(true))
        return CommandOutcome::Cancelled();
    const MatrixShape shape = m_contest.fields;
    ClearContestDayMarks(m_contest.pilots);
    CalculationResult result;
    result.pilots = m_contest.pilots;
    result.rounds = shape.rounds;
    result.heats = shape.heats;

    SeededRandom random(seed);
    DrawStatusWriter status([this](const QString& text) { SetStatusText(text); });
    const std::vector<int> order = DrawOrder(result.pilots);
    const DrawOutcome outcome = DrawMatrix({result.pilots, order, shape, m_contest.rules}, random, status);
    result.matrix = outcome.matrix;
    result.completed = outcome.completed;
    const std::optional<QString> noTimekeepers = AddTimekeepers(result, m_contest.rules, seed);

    m_contest.result = std::move(result);
    m_contest.draw = {DrawKind::Random, seed, kMinBalanceEffort};
    ShowSchedule();
    ShowResultState();

    if (!m_contest.result.completed)
        return CommandOutcome::Failed(DrawFailureMessage(m_contest.result.pilots, shape, m_contest.rules));
    if (noTimekeepers)
        return CommandOutcome::Failed(*noTimekeepers);
    return CommandOutcome::Done();
}
