// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/CRaceDlg.h"

#include "dialogs/CAboutDlg.h"
#include "matrix/HeatsProposal.h"
#include "matrix/MatrixShape.h"
#include "platform/DataExchange.h"
#include "platform/DesktopModalHost.h"
#include "res/Icons.h"
#include "res/MainTemplates.h"
#include "res/ResourceIds.h"
#include "res/Strings.h"
#include "window/TextFileExport.h"

#include <QDialog>
#include <QDir>
#include <QMenu>
#include <utility>

CRaceDlg::CRaceDlg()
    : CRaceDlg(std::make_unique<DesktopModalHost>())
{
}

CRaceDlg::CRaceDlg(ModalHost& host)
    : CDialog(RaceDialogTemplate(), host)
    , m_icon(LoadIcon(IDR_MAINFRAME))
{
}

CRaceDlg::CRaceDlg(std::unique_ptr<ModalHost>&& ownHost)
    : CRaceDlg(*ownHost)
{
    m_ownHost = std::move(ownHost);
}

bool CRaceDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    const QString aboutText = LoadResourceString(IDS_ABOUTBOX);
    if (!aboutText.isEmpty()) {
        SystemMenu()->addSeparator();
        AddSystemMenuItem(IDM_ABOUTBOX, aboutText);
    }
    CheckLanguageItem();
    Window()->setWindowIcon(m_icon);
    SetUpTreeImages();
    SetUpHeatGrid();
    ShowPilotColumns();
    EnableCommandsThatChangeTheResult(true);
    ShowRecentContests();
    ShowHistoryItems();
    RefreshTitle();
    if (!m_pathToOpenAtStart.isEmpty())
        ShowOutcome(OpenContestFrom(std::exchange(m_pathToOpenAtStart, QString())));
    return true;
}

void CRaceDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_Control(pDX, IDC_PILOT_LIST, m_pilotList);
    DDX_Control(pDX, IDC_RESULT_TREE, m_resultTree);
    DDX_Text(pDX, IDC_ROUNDS, m_contest.fields.rounds);
    DDV_MinMaxInt(pDX, m_contest.fields.rounds, kMinRounds, kMaxRounds);
    DDX_Text(pDX, IDC_HEATS, m_contest.fields.heats);
    DDV_MinMaxInt(pDX, m_contest.fields.heats, kMinHeats, kMaxHeats);
    DDX_Text(pDX, IDC_PILOTS_PER_HEAT, m_contest.fields.pilotsPerHeat);
    DDV_MinMaxInt(pDX, m_contest.fields.pilotsPerHeat, kMinPilotsPerHeat, kSlotsPerHeat);
    DDX_Check(pDX, IDC_NO_BACK_TO_BACK, m_contest.rules.noBackToBack);
    DDX_Check(pDX, IDC_TIMEKEEPERS, m_contest.rules.timekeepers);
}

bool CRaceDlg::OnCommand(int id, int notifyCode)
{
    if (IsBalancing() && (IsHeldByBalancing(id) || (id == IDC_PILOT_LIST && notifyCode == LBN_DBLCLK))) {
        ShowOutcome(
            CommandOutcome::Refused(tr("A balanced calculation is running. Press Escape or Stop to end it first.")));
        return true;
    }
    const Contest before = m_contest;
    if (id == IDC_HEATS && notifyCode == EN_KILLFOCUS)
        AdjustHeatsToPilots();
    else if (id == IDC_PILOT_LIST && notifyCode == LBN_DBLCLK)
        OnEditPilot();
    else if (notifyCode == BN_CLICKED) {
        switch (id) {
        case ID_NEW_CONTEST: OnNewContest(); break;
        case ID_OPEN_CONTEST: OnOpenContest(); break;
        case ID_SAVE_CONTEST: OnSaveContest(); break;
        case ID_SAVE_CONTEST_AS: OnSaveContestAs(); break;
        case ID_CONTEST_DETAILS: ShowOutcome(EditContestDetails()); break;
        case ID_WITHDRAW_PILOT: ShowOutcome(WithdrawPilotFromSchedule()); break;
        case ID_REDRAW_FROM: ShowOutcome(RedrawFromRoundCommand()); break;
        case ID_LATE_ENTRY: ShowOutcome(EnterLatePilotCommand()); break;
        case ID_SWAP_PILOTS: ShowOutcome(SwapPilotsCommand()); break;
        case ID_MOVE_PILOT: ShowOutcome(MovePilotCommand()); break;
        case ID_UNDO: ShowOutcome(Undo()); break;
        case ID_VIEW_TREE:
        case ID_VIEW_GRID: ShowScheduleView(id); break;
        case ID_REDO: ShowOutcome(Redo()); break;
        case ID_EXPORT_SCHEDULE_CSV: ShowOutcome(ExportScheduleCsv()); break;
        case ID_EXPORT_TIMEKEEPERS: ShowOutcome(ExportHeatList()); break;
        case ID_IMPORT_PILOTS: OnImportPilots(); break;
        case ID_EXPORT_PILOTS: OnExportPilots(); break;
        case ID_RECALCULATE: OnRecalculate(); break;
        case ID_RECALCULATE_BALANCED: OnRecalculateBalanced(); break;
        case ID_SHOW_STATISTICS: OnShowStatistics(); break;
        case IDC_STOP_BALANCE: m_balance.RequestStop(); break;
        case ID_EXPORT_MATRIX: OnExportMatrix(); break;
        case ID_EXIT: OnClose(); break;
        case ID_ADD_PILOT: OnAddPilot(); break;
        case ID_DELETE_PILOT: OnDeletePilot(); break;
        case ID_EDIT_PILOT: OnEditPilot(); break;
        case ID_ABOUT: ShowAboutBox(); break;
        case ID_EXPORT_HEATS: OnExportHeatCards(); break;
        case ID_PRINT_HEAT_CARDS: OnPrintHeatCards(); break;
        case ID_PRINT_MATRIX: OnPrintMatrix(); break;
        case ID_PRINT_HEAT_SHEETS: ShowPrintOutcome(PrintHeatSheets()); break;
        case ID_PRINT_PILOT_LIST: ShowPrintOutcome(PrintPilotList()); break;
        case ID_EXPORT_SCHEDULE_PAGE: ShowOutcome(ExportSchedulePage()); break;
        case ID_LANGUAGE_DEFAULT: ShowOutcome(ChooseLanguage(WindowLanguage::Default)); break;
        case ID_LANGUAGE_CZECH: ShowOutcome(ChooseLanguage(WindowLanguage::Czech)); break;
        case ID_LANGUAGE_ENGLISH: ShowOutcome(ChooseLanguage(WindowLanguage::English)); break;
        default:
            if (id >= ID_RECENT_CONTEST_FIRST && id < ID_RECENT_CONTEST_FIRST + kRecentContestCount)
                ShowOutcome(OpenRecentContest(id - ID_RECENT_CONTEST_FIRST));
            break;
        }
    }
    const bool handled = CDialog::OnCommand(id, notifyCode);
    // A balanced calculation records its step when it ends.
    if (id != ID_RECALCULATE_BALANCED)
        RecordChange(before, id == IDC_PILOT_LIST ? ID_EDIT_PILOT : id);
    RefreshTitle();
    return handled;
}

void CRaceDlg::OnSysCommand(int id)
{
    if ((id & 0xFFF0) == IDM_ABOUTBOX)
        ShowAboutBox();
    else
        CDialog::OnSysCommand(id);
}

// Enter on the pilot list edits the selected pilot; elsewhere it checks the
// fields and nothing more: ending the window on a stray key would be a
// surprise, and one that asks about unsaved changes.
void CRaceDlg::OnEnterKey()
{
    if (FocusedControlId() == IDC_PILOT_LIST)
        OnCommand(ID_EDIT_PILOT, BN_CLICKED);
    else
        UpdateData(true);
}

// Delete on the pilot list deletes the selected pilot.
void CRaceDlg::OnDeleteKey()
{
    if (FocusedControlId() == IDC_PILOT_LIST)
        OnCommand(ID_DELETE_PILOT, BN_CLICKED);
}

// Escape never ends the window; while a balanced calculation runs, it ends
// the search and keeps the best schedule found.
void CRaceDlg::OnEscapeKey()
{
    m_balance.RequestStop();
}

void CRaceDlg::SetUpTreeImages()
{
    m_resultTree.SetImages({LoadIcon(IDI_PILOT), LoadIcon(IDI_HEAT), LoadIcon(IDI_SELECTED)}, QSize(16, 16));
}

// Leaving the heats field spreads the listed pilots over the heats, or, when
// there are fewer pilots than heats, puts them all into one heat. A field the
// exchange has just refused changes nothing else.
void CRaceDlg::AdjustHeatsToPilots()
{
    if (!UpdateData(true))
        return;
    const std::optional<HeatsProposal> proposal = ProposeHeats(m_pilotList.GetCount(), m_contest.fields.heats);
    if (!proposal)
        return;
    m_contest.fields.heats = proposal->heats;
    m_contest.fields.pilotsPerHeat = proposal->pilotsPerHeat;
    UpdateData(false);
}

void CRaceDlg::ShowPilotCount()
{
    SetDlgItemText(IDC_PILOT_COUNT, QString::number(m_pilotList.GetCount()));
}

void CRaceDlg::ShowAboutBox()
{
    CAboutDlg about(Host());
    about.DoModal();
}

void CRaceDlg::SetStatusText(const QString& text)
{
    m_statusShowsResultState = false;
    SetDlgItemText(IDC_STATUS, text);
}

CommandOutcome CRaceDlg::SayWhereItWent(const CommandOutcome& outcome, const QString& where)
{
    if (outcome.kind == CommandOutcome::Kind::Done)
        SetStatusText(where);
    return outcome;
}

CommandOutcome CRaceDlg::ExportFile(const QString& path, const QString& text)
{
    return SayWhereItWent(ExportTextFile(path, text), tr("Written to %1.").arg(QDir::toNativeSeparators(path)));
}

void CRaceDlg::ShowOutcome(const CommandOutcome& outcome)
{
    if (!outcome.message.isEmpty())
        Host().ShowMessage(outcome.message, outcome.messageType);
}

int CRaceDlg::ShowPrintOutcome(const CommandOutcome& outcome)
{
    ShowOutcome(outcome);
    return outcome.kind == CommandOutcome::Kind::Done || outcome.kind == CommandOutcome::Kind::Failed ? 1 : 0;
}
