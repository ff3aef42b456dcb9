// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "window/CRaceDlg.h"
#include "platform/DialogDriver.h"
#include "res/ResourceIds.h"
#include "platform/ScriptedModalHost.h"
#include "support/QtPrinters.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <gtest/gtest.h>
#include <initializer_list>

// An open main window, with a scripted user answering its dialogs.
class MainWindowFixture : public testing::Test {
protected:
    MainWindowFixture() { window.Create(); }
    ~MainWindowFixture() override { EXPECT_TRUE(host.Problems().isEmpty()) << host.Problems().join(u'\n').toStdString(); }

    // Puts roster lines into the pilot list as the editing commands do.
    void ListPilots(std::initializer_list<QString> lines)
    {
        for (const QString& line : lines)
            window.PilotList().AddString(line);
        window.RebuildRoster();
    }

    // The window's event loop, as the desktop runs it, until a balanced
    // search has handed its result back.
    bool WaitForTheSearch()
    {
        QElapsedTimer clock;
        clock.start();
        while (window.IsBalancing() && clock.elapsed() < 60000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        return !window.IsBalancing();
    }

    // Přepočítat od kola through its dialog.
    void RedrawFromMenu(int fromRound, bool balanced)
    {
        host.ExpectDialog(IDD_REDRAW_FROM, [=](DialogDriver& user) {
            user.Type(IDC_DAY_FROM_ROUND, QString::number(fromRound));
            user.Tick(IDC_DAY_BALANCED, balanced);
            user.PressOk();
        });
        window.OnCommand(ID_REDRAW_FROM, BN_CLICKED);
    }

    QStringList ListedLines()
    {
        QStringList lines;
        for (int line = 0; line < window.PilotList().GetCount(); ++line)
            lines << window.PilotList().GetText(line);
        return lines;
    }

    ScriptedModalHost host;
    CRaceDlg window{host};
};
