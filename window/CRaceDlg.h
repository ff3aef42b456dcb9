// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "contest/Contest.h"
#include "language/WindowLanguage.h"
#include "matrix/CalculationClock.h"
#include "printer/CPrintLayout.h"
#include "window/BackgroundBalance.h"
#include "window/CommandOutcome.h"
#include "window/HeatGridModel.h"
#include "platform/CDialog.h"
#include "platform/ListAndTree.h"
#include "platform/ModalHost.h"
#include "print/PrintOutcome.h"
#include "print/StatusLine.h"
#include "roster/PilotRecord.h"

#include <QCoreApplication>
#include <QIcon>
#include <QStringList>
#include <QUndoStack>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <vector>

using Roster = std::vector<PilotRecord>;

// The pilots as roster lines in alphabetical order, so that two lists of the
// same pilots compare equal whatever order they were read in.
QStringList RosterLines(std::span<const PilotRecord> pilots);

// The main window: a view of one contest (contest/Contest.h), which holds
// everything the program knows: the pilots, which the pilot list shows; the
// schedule fields; the result of the last calculation, which the tree shows;
// the contest's name and date. Every menu command enters here, reads and
// changes the contest, and shows it; the commands' bodies live in files of
// their own beside it.
struct PrintChoice;
struct ContestDayChange;
struct RedrawPlan;

class CRaceDlg : public CDialog {
    Q_DECLARE_TR_FUNCTIONS(CRaceDlg)

public:
    // A window on the desktop, with a desktop host of its own.
    CRaceDlg();
    // A window whose dialogs and messages go through the host given, which
    // outlives it: a batch run's or a test's.
    explicit CRaceDlg(ModalHost& host);

    bool OnCommand(int id, int notifyCode) override;
    void OnSysCommand(int id) override;
    void OnEnterKey() override;
    void OnEscapeKey() override;
    void OnDeleteKey() override;
    // Asks first when the contest holds changes that no file has
    // (window/ContestKeeping.cpp).
    void OnClose() override;

    // The roster and the pilot list, kept in step (window/RosterSync.cpp).
    void ParsePilotLine(const QString& line, Roster& roster, int position);
    void SplitPilotLine(const QString& text, QString& lastName, QString& firstName, int& frequency);
    void RebuildRoster();
    void RefillPilotList();
    // The schedule's two views (window/ScheduleViews.cpp): the tree and the
    // heat grid show the contest's result; one of them is shown.
    void SetUpHeatGrid();
    void ShowSchedule();
    void ShowScheduleView(int viewId);
    void TakeHeatGridChange(const Contest& changed);
    // The pilot list's column headers in the window's language, and one
    // line's cells.
    void ShowPilotColumns();
    void ShowPilotCells(int line, const PilotRecord& pilot);
    void ShowNoteColumn();
    // The menu commands. Each returns what it did; the On... handlers of the
    // menu run them and show their messages.
    // Pilot editing (window/PilotCommands.cpp).
    CommandOutcome AddPilot();
    CommandOutcome DeletePilot();
    CommandOutcome EditPilot();
    // The roster file (window/RosterFileCommands.cpp).
    CommandOutcome ImportPilots();
    CommandOutcome ExportPilots();
    // The contest file (window/ContestFileCommands.cpp). Open and Save as
    // ask for the file; OpenContestFrom and SaveContestTo take it given.
    CommandOutcome NewContest();
    CommandOutcome OpenContest();
    CommandOutcome OpenContestFrom(const QString& path);
    CommandOutcome OpenRecentContest(int which);
    CommandOutcome SaveContest();
    CommandOutcome SaveContestAs();
    CommandOutcome SaveContestTo(const QString& path);
    // The contest's name and date (window/ContestDetailsCommand.cpp).
    CommandOutcome EditContestDetails();
    CommandOutcome WithdrawPilotFromSchedule();
    CommandOutcome RedrawFromRoundCommand();
    CommandOutcome SwapPilotsCommand();
    CommandOutcome MovePilotCommand();
    // A late entry (window/LateEntryCommand.cpp); the add command offers it
    // while a schedule is drawn.
    CommandOutcome EnterLatePilotCommand();
    std::optional<CommandOutcome> OfferLateEntry();
    void SetContestDetails(const QString& name, const QDate& date);
    // The schedule as CSV for spreadsheets (window/TextExportCommands.cpp).
    CommandOutcome ExportScheduleCsv();
    // The history of the contest's changes (window/ContestHistory.cpp).
    CommandOutcome Undo();
    CommandOutcome Redo();
    CommandOutcome ExportHeatList();
    // The calculation (window/RecalculateCommand.cpp), seeded with the given
    // seed; the menu's command seeds it from the window's clock.
    CommandOutcome Recalculate(unsigned seed);
    // The balanced calculation (window/BalancedRecalculateCommand.cpp): here
    // and now, for batch runs and tests. The menu's command starts it on a
    // thread of its own instead and shows its outcome when it ends.
    CommandOutcome RecalculateBalanced(unsigned seed, int effort = kMinBalanceEffort);
    void OnRecalculateBalanced();
    bool IsBalancing() const { return m_balance.IsRunning(); }
    // Whether the schedule was drawn from another pilot list than the one listed now.
    bool IsResultStale() const;
    // The meeting statistics of the result (window/StatisticsCommands.cpp).
    CommandOutcome ShowStatistics();
    CommandOutcome ExportStatistics();
    // The text exports (window/TextExportCommands.cpp).
    CommandOutcome ExportMatrix();
    CommandOutcome ExportHeatCards();
    // The printouts (window/PrintCommands.cpp).
    CommandOutcome PrintMatrix();
    CommandOutcome PrintHeatCards();
    CommandOutcome PrintHeatSheets();
    // The registration desk's list needs pilots, not a schedule.
    CommandOutcome PrintPilotList();
    // The schedule as one web page (window/SchedulePageCommand.cpp).
    CommandOutcome ExportSchedulePage();
    // The window's language, kept in the settings (window/LanguageCommand.cpp).
    CommandOutcome ChooseLanguage(WindowLanguage language);
    // The language the settings keep, before the window opens.
    void ApplySavedLanguage();

    void OnAddPilot() { ShowOutcome(AddPilot()); }
    void OnDeletePilot() { ShowOutcome(DeletePilot()); }
    void OnEditPilot() { ShowOutcome(EditPilot()); }
    void OnImportPilots() { ShowOutcome(ImportPilots()); }
    void OnExportPilots() { ShowOutcome(ExportPilots()); }
    void OnNewContest() { ShowOutcome(NewContest()); }
    void OnOpenContest() { ShowOutcome(OpenContest()); }
    void OnSaveContest() { ShowOutcome(SaveContest()); }
    void OnSaveContestAs() { ShowOutcome(SaveContestAs()); }
    void OnRecalculate() { ShowOutcome(Recalculate(static_cast<unsigned>(m_clock()))); }
    void OnExportMatrix() { ShowOutcome(ExportMatrix()); }
    void OnExportHeatCards() { ShowOutcome(ExportHeatCards()); }
    void OnShowStatistics() { ShowOutcome(ShowStatistics()); }
    void OnExportStatistics() { ShowOutcome(ExportStatistics()); }
    // 1 when a printout went to the printer, whether or not it came out whole.
    int OnPrintMatrix() { return ShowPrintOutcome(PrintMatrix()); }
    int OnPrintHeatCards() { return ShowPrintOutcome(PrintHeatCards()); }

    // Shows the message a command left, if any.
    void ShowOutcome(const CommandOutcome& outcome);
    // A batch run replaces the files it was told to write without asking.
    void ReplaceFilesWithoutAsking() { m_asksBeforeReplacing = false; }
    // Whether the contest differs from the one last opened or saved: its
    // pilots, fields (also as typed and not yet calculated), name, date or
    // schedule.
    bool IsContestChanged() const;
    // The file the contest was last opened from or saved to; empty for a new one.
    const QString& ContestPath() const { return m_contestPath; }
    // Opens the contest of a file as the window starts, before it is shown.
    void OpenAtStart(const QString& path) { m_pathToOpenAtStart = path; }
    // The desktop window keeps the contests opened and saved last in the
    // settings and offers them in its menu.
    void KeepRecentContests();
    // The clock that seeds the menu's Recalculate command.
    void SetClock(CalculationClock clock) { m_clock = std::move(clock); }
    // Tests keep the language choice in a file of their own and take the
    // translations from the build.
    void SetSettingsFile(const QString& file) { m_settingsFile = file; }
    WindowTranslator& Translator() { return m_translator; }

    const Contest& GetContest() const { return m_contest; }
    // A contest-day change (contest/ContestDay.h) made or refused: the window
    // shows the changed contest, or the outcome carries the reason.
    CommandOutcome TakeContestDayChange(const ContestDayChange& change);
    const Roster& GetRoster() const { return m_contest.pilots; }
    int GetRosterCount() const { return static_cast<int>(m_contest.pilots.size()); }
    const CalculationResult& GetResult() const { return m_contest.result; }
    CListBox& PilotList() { return m_pilotList; }
    CTreeCtrl& ResultTree() { return m_resultTree; }
    // The device context both printouts draw on, for a test to record.
    CDC& PrinterDC() { return m_printLayout.m_printerDC; }
    int Rounds() const { return m_contest.fields.rounds; }
    int Heats() const { return m_contest.fields.heats; }
    int PilotsPerHeat() const { return m_contest.fields.pilotsPerHeat; }

protected:
    bool OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnLanguageChange() override;
    void OnCancel() override;

private:
    explicit CRaceDlg(std::unique_ptr<ModalHost>&& ownHost);
    void SetUpTreeImages();
    void AdjustHeatsToPilots();
    void ShowPilotCount();
    void ShowAboutBox();
    void ShowAboutItem();
    void CheckLanguageItem();
    void SetStatusText(const QString& text);
    // After a file or printout came out whole, the status line says where
    // it went; the outcome passes through unchanged.
    CommandOutcome SayWhereItWent(const CommandOutcome& outcome, const QString& where);
    // Writes an export's text file (window/TextFileExport.h) and says where.
    CommandOutcome ExportFile(const QString& path, const QString& text);
    int ShowPrintOutcome(const CommandOutcome& outcome);
    BalanceJob BalanceJobFromFields(unsigned seed, int effort);
    CommandOutcome TakeBalancedResult(const BalanceJob& job, const BalancedOutcome& outcome);
    using TakeBalance = std::function<CommandOutcome(const BalancedOutcome& outcome)>;
    void StartBalancing(const Contest& before, const BalanceJob& job, int commandId, TakeBalance take);
    void StartBalancedRedraw(const Contest& planned, const RedrawPlan& plan, int commandId);
    void EnableCommandsThatChangeTheResult(bool enable);
    bool IsHeldByBalancing(int id) const;
    // The history (window/ContestHistory.cpp).
    void RecordChange(const Contest& before, int commandId);
    void StartHistory();
    void ShowHistoryItems();
    QString ChangeName(int commandId) const;

    std::unique_ptr<ModalHost> m_ownHost;
    // Keeping the contest (window/ContestKeeping.cpp).
    QStringList ListedPilotLines() const;
    bool FieldsDifferFromContest() const;
    void MarkContestKept(const QString& path);
    bool MayDropContest();
    void ShowContest();
    void RefreshTitle();
    void RememberRecentContest(const QString& path);
    void ShowRecentContests();
    // How the last result stands against the pilot list (window/ResultChecks.cpp).
    void ShowResultState();
    using DrawPrintout = std::function<PrintOutcome(PrintChoice& choice, const StatusLine& showStatus)>;
    CommandOutcome RunPrintout(const QString& noResultRefusal, const DrawPrintout& draw);
    CommandOutcome AskAndPrint(const DrawPrintout& draw);
    void ShowPreview(const DrawPrintout& draw, int baseFontSize, bool newColumnPerRound);
    CommandOutcome FinishPrintout(PrintOutcome printed, const QString& outputFile, const QString& printerName,
                                  const QString& lastStatus);
    std::optional<CommandOutcome> CheckResultFor(const QString& noResultRefusal, const QString& action);
    // Both draws refuse an empty pilot list (window/RecalculateCommand.cpp).
    std::optional<CommandOutcome> RefuseEmptyPilotList() const;

    Contest m_contest;
    Contest m_keptContest;  // as the file has it, or a new contest
    Contest m_contestBeforeBalance;  // while a balanced calculation runs
    QUndoStack m_history;
    QString m_contestPath;
    QString m_pathToOpenAtStart;
    CListBox m_pilotList;
    CTreeCtrl m_resultTree;
    HeatGridModel m_heatGrid;
    CPrintLayout m_printLayout;
    QIcon m_icon;
    CalculationClock m_clock = SystemClockSeconds;
    WindowTranslator m_translator;
    QString m_settingsFile;
    bool m_asksBeforeReplacing = true;
    bool m_keepsRecentContests = false;
    bool m_statusShowsResultState = false;  // so that a change of language can say it again
    BackgroundBalance m_balance;  // last, so a search still running ends first
};
