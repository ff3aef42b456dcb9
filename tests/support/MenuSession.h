// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "window/CRaceDlg.h"
#include "platform/DialogDriver.h"
#include "platform/ScriptedModalHost.h"
#include "res/ResourceIds.h"

// The organiser at the window: the same pilots, fields and seed, each file
// through its menu command and dialog.
class MenuSession {
public:
    MenuSession() { m_window.Create(); }

    void Import(const QString& path) { TypePathAndRun(IDD_IMPORT_PILOTS, IDC_IMPORT_PATH, path, ID_IMPORT_PILOTS); }

    void Recalculate(const QString& rounds, const QString& heats, const QString& pilotsPerHeat, long long seed)
    {
        m_window.SetDlgItemText(IDC_ROUNDS, rounds);
        m_window.SetDlgItemText(IDC_HEATS, heats);
        m_window.SetDlgItemText(IDC_PILOTS_PER_HEAT, pilotsPerHeat);
        m_window.SetClock([seed] { return seed; });
        m_window.OnCommand(ID_RECALCULATE, BN_CLICKED);
    }

    void Export(int templateId, int command, const QString& path) { TypePathAndRun(templateId, IDC_EXPORT_PATH, path, command); }

    void Run(int command) { m_window.OnCommand(command, BN_CLICKED); }

    void OpenContest(const QString& path)
    {
        m_host.AnswerFile(path);
        Run(ID_OPEN_CONTEST);
    }

    void SaveContestAs(const QString& path)
    {
        m_host.AnswerFile(path);
        Run(ID_SAVE_CONTEST_AS);
    }

    void RenameContest(const QString& name)
    {
        m_host.ExpectDialog(IDD_CONTEST, [name](DialogDriver& dialog) {
            dialog.Type(IDC_CONTEST_NAME, name);
            dialog.PressOk();
        });
        Run(ID_CONTEST_DETAILS);
    }

    // To the list only, also when a schedule is drawn and a late entry is offered.
    void AddPilot(const QString& lastName, const QString& firstName, const QString& channel)
    {
        const bool offersLateEntry = m_window.GetResult().completed && m_window.GetResult().rounds > 1;
        if (offersLateEntry)
            m_host.AnswerQuestion(IDNO);
        m_host.ExpectDialog(IDD_ADD_PILOT, [=](DialogDriver& dialog) {
            dialog.Type(IDC_LAST_NAME, lastName);
            dialog.Type(IDC_FIRST_NAME, firstName);
            dialog.Type(IDC_FREQUENCY, channel);
            dialog.PressOk();
        });
        Run(ID_ADD_PILOT);
        if (offersLateEntry)
            m_host.DropMessage(m_host.Questions().back().text);
    }

    void DeletePilot(const QString& line)
    {
        CListBox& list = m_window.PilotList();
        for (int position = 0; position < list.GetCount(); ++position) {
            if (list.GetText(position) == line)
                list.SetCurSel(position);
        }
        Run(ID_DELETE_PILOT);
    }

    const CRaceDlg& Window() const { return m_window; }

    void Print(int command, const QString& pdf)
    {
        m_host.ExpectDialog(IDD_FONT_SIZE, [](DialogDriver& dialog) { dialog.PressOk(); });
        m_host.AnswerPrinter(pdf);
        m_window.OnCommand(command, BN_CLICKED);
    }

    const ScriptedModalHost& Host() const { return m_host; }

private:
    void TypePathAndRun(int templateId, int pathControl, const QString& path, int command)
    {
        m_host.ExpectDialog(templateId, [pathControl, path](DialogDriver& dialog) {
            dialog.Type(pathControl, path);
            dialog.PressOk();
        });
        m_window.OnCommand(command, BN_CLICKED);
    }

    ScriptedModalHost m_host;
    CRaceDlg m_window{m_host};
};
