// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/CStatisticsDlg.h"

#include "matrix/DrawStatistics.h"
#include "platform/ScriptedModalHost.h"

#include <QDialog>
#include <QTableWidget>
#include <gtest/gtest.h>

// The grid's rows name each pilot as typed: a name holding a placeholder
// does not take the channel in its place.
TEST(StatisticsDialog, NamesEachPilotAsTypedThoughTheNameHoldsPlaceholders)
{
    const std::vector<PilotRecord> pilots = {{0, QStringLiteral("Jan"), QStringLiteral("%1"), 35},
                                             {1, QStringLiteral("%2"), QStringLiteral("Novák"), 36}};
    ScriptedModalHost host;
    CStatisticsDlg dialog(pilots, ComputeDrawStatistics(pilots, Matrix(), 1, 1), [] {}, host);
    dialog.Create();
    QStringList rows;
    for (const QTableWidget* table : dialog.Window()->findChildren<QTableWidget*>())
        for (int row = 0; row < table->rowCount(); ++row)
            if (const QTableWidgetItem* header = table->verticalHeaderItem(row))
                rows << header->text();
    EXPECT_EQ(rows, (QStringList{"1. %1 Jan (35)", "2. Novák %2 (36)"}));
}
