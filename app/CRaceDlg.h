#pragma once

#include "matrix/CalculationResult.h"
#include "platform/CDialog.h"
#include "platform/CImageList.h"
#include "platform/CListBox.h"
#include "platform/CTreeCtrl.h"
#include "app/CPrintLayout.h"
#include "roster/PilotRecord.h"

#include <QIcon>
#include <array>

using Roster = std::array<PilotRecord, kRosterCapacity>;

// The main window and the owner of everything the program knows: the roster
// and the pilot list that mirrors it, the schedule fields, the result of the
// last calculation and the tree that shows it. Every menu command enters
// here; the commands' bodies live in files of their own beside it.
class CRaceDlg : public CDialog {
public:
    CRaceDlg();

    bool OnCommand(int id, int notifyCode) override;
    void OnSysCommand(int id) override;
    void OnEnterKey() override;
    void OnEscapeKey() override;
    void OnClose() override;

    // The roster and the pilot list, kept in step (app/RosterSync.cpp).
    void ParsePilotLine(const QString& line, Roster& roster, int position);
    void SplitPilotLine(const QString& text, QString& lastName, QString& firstName, int& frequency);
    void RebuildRoster();
    void RefillPilotList();

    // Pilot editing (app/PilotCommands.cpp).
    void OnAddPilot();
    void OnDeletePilot();
    void OnEditPilot();

    // The roster file (app/RosterFileCommands.cpp).
    void OnImportPilots();
    void OnExportPilots();

    // The calculation (app/RecalculateCommand.cpp).
    void OnRecalculate();

    // The text exports (app/TextExportCommands.cpp).
    void OnExportMatrix();
    void OnExportHeatCards();

    // The printouts (app/PrintCommands.cpp).
    int OnPrintMatrix();
    int OnPrintHeatCards();

    const Roster& GetRoster() const { return m_roster; }
    int GetRosterCount() const { return m_rosterCount; }
    const CalculationResult& GetResult() const { return m_result; }
    CListBox& PilotList() { return m_pilotList; }
    CTreeCtrl& ResultTree() { return m_resultTree; }
    int Rounds() const { return m_rounds; }
    int Heats() const { return m_heats; }
    int PilotsPerHeat() const { return m_pilotsPerHeat; }

protected:
    bool OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;

private:
    void SetUpTreeImages();
    void SetUpTreeInsertTemplate();
    void AdjustHeatsToPilots();
    void ShowPilotCount();
    void ShowAboutBox();
    void SetStatusText(const QString& text);

    CImageList m_treeImages;
    TVINSERTSTRUCT m_treeInsert;
    Roster m_roster{};
    int m_rosterCount = 0;
    CalculationResult m_result;
    CListBox m_pilotList;
    CTreeCtrl m_resultTree;
    CPrintLayout m_printLayout;
    int m_rounds = 6;
    int m_heats = 6;
    int m_pilotsPerHeat = 8;
    QIcon m_icon;
};
