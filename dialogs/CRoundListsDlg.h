// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/CDialog.h"
#include "platform/ListAndTree.h"

#include <QString>

struct Contest;

// The latest round a withdrawal, a late entry or a redraw started from (1
// when none did): the rounds before it have been flown, as far as the
// contest can tell, so the day's dialogs offer it first.
int RoundTheDayReached(const Contest& contest);

// A change by hand to one round of the schedule: the round is typed, and two
// lists show that round, the left one its pilots heat by heat. Leaving the
// round field shows the round typed; OK shows it too when the lists still
// show another, keeping the pilots chosen where they fly in it. The chosen
// pilots are positions in the schedule's pilot list, the round counts from 1.
class CRoundListsDlg : public CDialog {
public:
    int m_round = 1;
    int m_pilot = -1;

    bool OnCommand(int id, int notifyCode) override;

protected:
    CRoundListsDlg(DialogTemplate dialogTemplate, ModalHost& host, const Contest& contest);

    bool OnInitDialog() override;
    // A dialog attaches its right list before this exchange; saving reads
    // the right list after the round and the left list.
    void DoDataExchange(CDataExchange* pDX) override;
    // Fills the right list for a round (from 0).
    virtual void ShowRightList(int round) = 0;
    virtual void SaveRightList(CDataExchange* pDX) = 0;

    // Lists the pilots flying in the round, heat by heat; the line chosen
    // stays on its pilot when the pilot flies in the round.
    void ListPilotsOfRound(CListBox& list, int round);
    // The data of the line chosen in the list of that id, or the exchange
    // fails with the message.
    static int ChosenItem(CDataExchange* pDX, int id, CListBox& list, const QString& unchosenMessage);

    const Contest& m_contest;
    CListBox m_pilotList;

private:
    void ShowRound(int round);

    int m_shownRound = -1;
};
