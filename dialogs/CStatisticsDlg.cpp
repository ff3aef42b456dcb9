// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/CStatisticsDlg.h"

#include "res/ResourceIds.h"
#include "res/StatisticsTemplate.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace {

constexpr int kGridColumnPixels = 24;
constexpr int kRowPixels = 20;
constexpr int kLongestBar = 12;
const QColor kNeverMet(0xf4, 0xa6, 0xa0);
const QColor kChannelMates(0xe6, 0xe6, 0xe6);
const QColor kSamePilot(0x80, 0x80, 0x80);

QString PilotName(const PilotRecord& pilot)
{
    return QStringLiteral("%1 %2 (%3)").arg(pilot.lastName, pilot.firstName, QString::number(pilot.frequency));
}

QTableWidgetItem* Cell(const QString& text, const QColor& background = QColor())
{
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(Qt::AlignCenter);
    if (background.isValid()) {
        item->setBackground(background);
        item->setForeground(background.lightness() < 128 ? Qt::white : Qt::black);
    }
    return item;
}

}  // namespace

CStatisticsDlg::CStatisticsDlg(std::vector<PilotRecord> pilots, DrawStatistics statistics, std::function<void()> exportCsv,
                               ModalHost& host)
    : CDialog(StatisticsTemplate(), host)
    , m_pilots(std::move(pilots))
    , m_statistics(std::move(statistics))
    , m_exportCsv(std::move(exportCsv))
{
}

bool CStatisticsDlg::OnCommand(int id, int notifyCode)
{
    if (id == IDC_EXPORT_CSV && notifyCode == BN_CLICKED) {
        m_exportCsv();
        return true;
    }
    return CDialog::OnCommand(id, notifyCode);
}

bool CStatisticsDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetDlgItemText(IDC_STATISTICS_FIGURES, StatisticsFiguresText(m_statistics));
    FillHistogram(*TableInPlaceOf(IDC_MEETING_HISTOGRAM, "meetingHistogram"));
    FillGrid(*TableInPlaceOf(IDC_MEETING_GRID, "meetingGrid"));
    return true;
}

// The template holds a label where a table goes: the dialog framework builds
// no tables, so the window fills the label with one, which then follows the
// label as the window is resized.
QTableWidget* CStatisticsDlg::TableInPlaceOf(int labelId, const char* name)
{
    QWidget* label = GetDlgItem(labelId);
    auto* table = new QTableWidget(label);
    table->setObjectName(QLatin1String(name));
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->verticalHeader()->setDefaultSectionSize(kRowPixels);
    auto* fill = new QVBoxLayout(label);
    fill->setContentsMargins(0, 0, 0, 0);
    fill->addWidget(table);
    return table;
}

void CStatisticsDlg::FillHistogram(QTableWidget& table) const
{
    const std::vector<int>& histogram = m_statistics.histogram;
    const int most = histogram.empty() ? 0 : *std::max_element(histogram.begin(), histogram.end());
    table.setColumnCount(3);
    table.setHorizontalHeaderLabels({QCoreApplication::translate("CStatisticsDlg", "Setkání"), QCoreApplication::translate("CStatisticsDlg", "Dvojic"), QString()});
    table.verticalHeader()->hide();
    table.setRowCount(int(histogram.size()));
    for (int meetings = 0; meetings < int(histogram.size()); ++meetings) {
        const QColor colour = MeetingColour(meetings, m_statistics.figures.largest);
        const int bar = most > 0 ? (histogram[meetings] * kLongestBar + most - 1) / most : 0;
        table.setItem(meetings, 0, Cell(QStringLiteral("%1×").arg(meetings), colour));
        table.setItem(meetings, 1, Cell(QString::number(histogram[meetings])));
        auto* barItem = new QTableWidgetItem(QString(bar, QChar(0x2588)));
        barItem->setForeground(QColor(0x50, 0x50, 0x50));
        table.setItem(meetings, 2, barItem);
    }
    table.resizeColumnToContents(0);
    table.resizeColumnToContents(1);
    table.horizontalHeader()->setStretchLastSection(true);
}

// Rows and columns follow the roster; the first column is the pilot's count
// of different opponents out of those it may meet (other channels, other teams).
void CStatisticsDlg::FillGrid(QTableWidget& table) const
{
    const int pilots = m_statistics.pilots;
    table.setRowCount(pilots);
    table.setColumnCount(pilots + 1);
    QStringList columns{QCoreApplication::translate("CStatisticsDlg", "Soupeřů")};
    QStringList rows;
    for (int pilot = 0; pilot < pilots; ++pilot) {
        columns << QString::number(pilot + 1);
        rows << QStringLiteral("%1. %2").arg(pilot + 1).arg(PilotName(m_pilots[pilot]));
    }
    table.setHorizontalHeaderLabels(columns);
    table.setVerticalHeaderLabels(rows);
    table.horizontalHeader()->setDefaultSectionSize(kGridColumnPixels);
    for (int one = 0; one < pilots; ++one) {
        const PilotOpponents& met = m_statistics.opponents[one];
        table.setItem(one, 0, Cell(QStringLiteral("%1/%2").arg(met.opponents).arg(met.possible)));
        for (int other = 0; other < pilots; ++other) {
            QTableWidgetItem* item = nullptr;
            if (one == other)
                item = Cell(QString(), kSamePilot);
            else if (!m_statistics.IsAllowedPair(one, other))
                item = Cell(QStringLiteral("–"), kChannelMates);
            else {
                const int meetings = m_statistics.Meetings(one, other);
                item = Cell(QString::number(meetings), MeetingColour(meetings, m_statistics.figures.largest));
            }
            item->setToolTip(QStringLiteral("%1 – %2").arg(PilotName(m_pilots[one]), PilotName(m_pilots[other])));
            table.setItem(one, other + 1, item);
        }
    }
    table.resizeColumnToContents(0);
}

QString StatisticsFiguresText(const DrawStatistics& statistics)
{
    const MeetingFigures& figures = statistics.figures;
    const MeetingBound& bound = statistics.bound;
    return QCoreApplication::translate("CStatisticsDlg", "Nejvíce setkání jedné dvojice: %1 (mez: nejméně %2)\n"
                                                         "Nejméně setkání jedné dvojice: %3 (mez: nejvýše %4)\n"
                                                         "Dvojice, které se nepotkaly: %5 z %6 (mez: nejméně %7)\n"
                                                         "Meze platí pro velikosti heatů tohoto výsledku; ne každou "
                                                         "lze dosáhnout.")
        .arg(figures.largest)
        .arg(bound.least.largest)
        .arg(statistics.smallest)
        .arg(bound.smallestAtMost)
        .arg(figures.neverMet)
        .arg(bound.allowedPairs)
        .arg(bound.least.neverMet)
           + u'\n'
           + QCoreApplication::translate("CStatisticsDlg", "Dvojice, které se potkat nesmějí nebo nemohou (stejná "
                                                           "frekvence nebo tým, žádné společné kolo), se nepočítají: %1.")
                 .arg(statistics.forbiddenPairs);
}

QColor MeetingColour(int meetings, int largest)
{
    if (meetings <= 0)
        return kNeverMet;
    const double share = largest > 1 ? double(meetings - 1) / (largest - 1) : 0.0;
    const QColor pale(0xde, 0xeb, 0xf7);
    const QColor deep(0x08, 0x45, 0x94);
    auto mix = [share](int from, int to) { return int(from + (to - from) * share + 0.5); };
    return QColor(mix(pale.red(), deep.red()), mix(pale.green(), deep.green()), mix(pale.blue(), deep.blue()));
}
