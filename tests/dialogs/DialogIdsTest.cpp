// SPDX-License-Identifier: GPL-3.0-or-later
#include "res/DayTemplates.h"
#include "res/FontSizeTemplate.h"
#include "res/MainTemplates.h"
#include "res/PathTemplates.h"
#include "res/PilotTemplates.h"
#include "res/StatisticsTemplate.h"

#include <gtest/gtest.h>
#include <map>

namespace {

std::vector<DialogTemplate> EveryDialog()
{
    return {AboutDialogTemplate(),       RaceDialogTemplate(),        ContestDialogTemplate(),
            ImportPilotsTemplate(),      ExportPilotsTemplate(),      ExportMatrixTemplate(),
            ExportHeatsTemplate(),       ExportStatisticsTemplate(),  ExportScheduleCsvTemplate(),
            ExportSchedulePageTemplate(), ExportHeatListTemplate(),   AddPilotDialogTemplate(),
            EditPilotDialogTemplate(),   FontSizeDialogTemplate(),    StatisticsTemplate(),
            WithdrawDialogTemplate(),    RedrawFromDialogTemplate(),  LateEntryDialogTemplate(),
            SwapPilotsDialogTemplate(),  MovePilotDialogTemplate()};
}

// "id: first, second" for every id that more than one holder carries.
QStringList Shared(const std::multimap<int, QString>& holders)
{
    QStringList shared;
    for (auto it = holders.begin(); it != holders.end(); it = holders.upper_bound(it->first)) {
        const auto [first, last] = holders.equal_range(it->first);
        if (std::distance(first, last) < 2)
            continue;
        QStringList names;
        for (auto holder = first; holder != last; ++holder)
            names << holder->second;
        shared << QStringLiteral("%1: %2").arg(it->first).arg(names.join(QStringLiteral(", ")));
    }
    return shared;
}

}  // namespace

// The modal hosts tell a dialog by its template's id (a test's script, the
// batch run's answers), and the window tells a menu item by its command id:
// two of one id would answer or run the wrong one. Within one dialog, two
// controls of one id would exchange the same member.
TEST(DialogIds, NoTwoDialogsNoTwoMenuCommandsAndNoTwoControlsOfADialogShareAnId)
{
    std::multimap<int, QString> dialogs;
    for (const DialogTemplate& dialog : EveryDialog()) {
        dialogs.emplace(dialog.id, dialog.caption);
        std::multimap<int, QString> controls;
        for (const ControlTemplate& control : dialog.controls)
            if (control.id != IDC_STATIC)
                controls.emplace(control.id, control.text);
        EXPECT_EQ(Shared(controls), QStringList()) << dialog.caption.toStdString();
    }
    EXPECT_EQ(Shared(dialogs), QStringList());

    std::multimap<int, QString> commands;
    for (const MenuPopupTemplate& popup : RaceDialogTemplate().menu)
        for (const MenuItemTemplate& item : popup.items)
            if (item.commandId != 0)
                commands.emplace(item.commandId, item.text);
    EXPECT_EQ(Shared(commands), QStringList());
}
