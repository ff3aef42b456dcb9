// SPDX-License-Identifier: GPL-3.0-or-later
// The contest file: a new contest, opening one, saving it. An opened file is
// read and checked whole before the window changes; a file that is refused
// leaves the contest in the window as it was. A save goes through a new
// file beside the old one, so a failed save leaves the old file whole.

#include "window/CRaceDlg.h"

#include "contest/ContestFileIO.h"
#include "platform/ModalHost.h"
#include "res/ResourceIds.h"
#include "window/RecentContests.h"
#include "window/ResultTree.h"

#include <QFileInfo>

namespace {

QString ContestFilter()
{
    return CRaceDlg::tr("Kvorax contest (*.kvorax)|*.kvorax");
}

FileDialogRequest ContestFileRequest(bool open, const QString& path)
{
    const QString proposed = path.isEmpty() ? QStringLiteral("Contest.kvorax") : path;
    return {open, QStringLiteral("kvorax"), proposed, ContestFilter(), !open};
}

}  // namespace

CommandOutcome CRaceDlg::NewContest()
{
    if (!MayDropContest())
        return CommandOutcome::Cancelled();
    m_contest = Contest{};
    ShowContest();
    StartHistory();
    MarkContestKept(QString());
    return CommandOutcome::Done();
}

CommandOutcome CRaceDlg::OpenContest()
{
    if (!MayDropContest())
        return CommandOutcome::Cancelled();
    const std::optional<QString> path = Host().ChooseFile(ContestFileRequest(true, m_contestPath));
    if (!path)
        return CommandOutcome::Cancelled();
    return OpenContestFrom(*path);
}

CommandOutcome CRaceDlg::OpenRecentContest(int which)
{
    const QStringList recent = LoadRecentContests(m_settingsFile);
    if (which < 0 || which >= recent.size())
        return CommandOutcome::Cancelled();
    if (!MayDropContest())
        return CommandOutcome::Cancelled();
    return OpenContestFrom(recent[which]);
}

// Opens without asking about the contest in the window: the callers have.
CommandOutcome CRaceDlg::OpenContestFrom(const QString& path)
{
    ContestFileReading reading = OpenContestFile(path);
    if (!reading.contest)
        return CommandOutcome::Failed(reading.error + u' ' + tr("The contest in the window was not changed."),
                                      MB_OK | MB_ICONEXCLAMATION);
    m_contest = std::move(*reading.contest);
    ShowContest();
    StartHistory();
    MarkContestKept(path);
    RememberRecentContest(path);
    return CommandOutcome::Done();
}

// A contest that has no file yet is saved as a new one.
CommandOutcome CRaceDlg::SaveContest()
{
    if (m_contestPath.isEmpty())
        return SaveContestAs();
    return SaveContestTo(m_contestPath);
}

CommandOutcome CRaceDlg::SaveContestAs()
{
    const std::optional<QString> path = Host().ChooseFile(ContestFileRequest(false, m_contestPath));
    if (!path)
        return CommandOutcome::Cancelled();
    return SaveContestTo(*path);
}

// The fields as typed belong to the contest that is saved; a field the
// exchange refuses has been reported, and nothing is written.
CommandOutcome CRaceDlg::SaveContestTo(const QString& path)
{
    if (Window() && !UpdateData(true))
        return CommandOutcome::Cancelled();
    if (const std::optional<QString> failure = SaveContestFile(path, m_contest))
        return CommandOutcome::Failed(*failure, MB_OK | MB_ICONEXCLAMATION);
    MarkContestKept(path);
    RememberRecentContest(path);
    SetStatusText(tr("The contest was saved to %1.").arg(QFileInfo(path).fileName()));
    return CommandOutcome::Done();
}

// The window shows the contest it now holds: fields, pilots, schedule, title.
void CRaceDlg::ShowContest()
{
    if (!Window())
        return;
    UpdateData(false);
    m_pilotList.ResetContent();
    RefillPilotList();
    ShowSchedule();
    if (!m_contest.result.HasResult())
        SetStatusText(QString());
    ShowResultState();
}

// The list of recent contests belongs to the desktop window; a batch run
// and a test that does not ask for it keep none.
void CRaceDlg::RememberRecentContest(const QString& path)
{
    if (!m_keepsRecentContests)
        return;
    SaveRecentContests(m_settingsFile, WithRecentContest(LoadRecentContests(m_settingsFile), path));
    ShowRecentContests();
}

void CRaceDlg::KeepRecentContests()
{
    m_keepsRecentContests = true;
    ShowRecentContests();
}

void CRaceDlg::ShowRecentContests()
{
    const QStringList recent = m_keepsRecentContests ? LoadRecentContests(m_settingsFile) : QStringList();
    for (int which = 0; which < kRecentContestCount; ++which) {
        const bool listed = which < recent.size();
        SetMenuItem(ID_RECENT_CONTEST_FIRST + which, listed ? RecentContestItemText(which, recent[which]) : QString(),
                    listed);
    }
}
