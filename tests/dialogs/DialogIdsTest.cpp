// SPDX-License-Identifier: GPL-3.0-or-later
#include "res/DayTemplates.h"
#include "res/FontSizeTemplate.h"
#include "res/MainTemplates.h"
#include "res/PathTemplates.h"
#include "res/PilotTemplates.h"
#include "res/StatisticsTemplate.h"

#include <QList>
#include <gtest/gtest.h>

namespace {

QList<int> SharedIds(const QList<int>& ids)
{
    QList<int> shared;
    for (int id : ids)
        if (ids.count(id) > 1 && !shared.contains(id))
            shared << id;
    return shared;
}

}  // namespace

// The modal hosts tell a dialog by its template's id (a test's script, the
// batch run's answers) and the window a menu item by its command: two of one
// id would answer or run the wrong one, as two controls of one dialog would
// exchange the same member.
TEST(DialogIds, NoTwoDialogsNoTwoMenuCommandsAndNoTwoControlsOfADialogShareAnId)
{
    QList<int> dialogs;
    for (const DialogTemplate& dialog :
         {AboutDialogTemplate(), RaceDialogTemplate(), ContestDialogTemplate(), ImportPilotsTemplate(),
          ExportPilotsTemplate(), ExportMatrixTemplate(), ExportHeatsTemplate(), ExportStatisticsTemplate(),
          ExportScheduleCsvTemplate(), ExportSchedulePageTemplate(), ExportHeatListTemplate(), AddPilotDialogTemplate(),
          EditPilotDialogTemplate(), FontSizeDialogTemplate(), StatisticsTemplate(), WithdrawDialogTemplate(),
          RedrawFromDialogTemplate(), LateEntryDialogTemplate(), SwapPilotsDialogTemplate(), MovePilotDialogTemplate()}) {
        dialogs << dialog.id;
        QList<int> controls;
        for (const ControlTemplate& control : dialog.controls)
            if (control.id != IDC_STATIC)
                controls << control.id;
        EXPECT_EQ(SharedIds(controls), QList<int>()) << dialog.caption.toStdString();
    }
    EXPECT_EQ(SharedIds(dialogs), QList<int>());

    QList<int> commands;
    for (const MenuPopupTemplate& popup : RaceDialogTemplate().menu)
        for (const MenuItemTemplate& item : popup.items)
            if (item.commandId != 0)
                commands << item.commandId;
    EXPECT_EQ(SharedIds(commands), QList<int>());
}
