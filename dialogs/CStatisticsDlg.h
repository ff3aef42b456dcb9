// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "matrix/DrawStatistics.h"
#include "platform/CDialog.h"
#include "roster/PilotRecord.h"

#include <QColor>
#include <functional>
#include <vector>

class QTableWidget;

// The meeting statistics of one result, for the organiser to judge a draw
// at a glance: the figures against the counting bound for the result's own
// heat sizes, the pairs by how often they meet, and a pilot-by-pilot grid
// coloured by meetings, each row ending with how many different opponents
// the pilot met. Its Export CSV button hands over to the window's command.
class CStatisticsDlg : public CDialog {
public:
    CStatisticsDlg(std::vector<PilotRecord> pilots, DrawStatistics statistics, std::function<void()> exportCsv,
                   ModalHost& host);

    bool OnCommand(int id, int notifyCode) override;

protected:
    bool OnInitDialog() override;

private:
    QTableWidget* TableInPlaceOf(int labelId, const char* name);
    void FillHistogram(QTableWidget& table) const;
    void FillGrid(QTableWidget& table) const;

    std::vector<PilotRecord> m_pilots;
    DrawStatistics m_statistics;
    std::function<void()> m_exportCsv;
};

// The figures as the window shows them, each against its bound.
QString StatisticsFiguresText(const DrawStatistics& statistics);

// A pair's colour in the grid and the histogram: pairs that never met stand
// out in red, the rest darken from pale to deep blue as they meet more often,
// up to the most any pair meets.
QColor MeetingColour(int meetings, int largest);
