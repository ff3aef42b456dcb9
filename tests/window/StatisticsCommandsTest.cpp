// SPDX-License-Identifier: GPL-3.0-or-later
#include "matrix/StatisticsCsv.h"
#include "platform/DialogDriver.h"
#include "res/ResourceIds.h"
#include "support/MainWindowFixture.h"

#include <QFile>
#include <QTemporaryDir>

namespace {

class StatisticsCommands : public MainWindowFixture {
protected:
    StatisticsCommands() { window.SetClock([] { return 1733550000LL; }); }

    void Recalculate(int rounds, int heats, int pilotsPerHeat)
    {
        window.SetDlgItemText(IDC_ROUNDS, QString::number(rounds));
        window.SetDlgItemText(IDC_HEATS, QString::number(heats));
        window.SetDlgItemText(IDC_PILOTS_PER_HEAT, QString::number(pilotsPerHeat));
        window.OnCommand(ID_RECALCULATE, BN_CLICKED);
    }

    // Export CSV pressed in the statistics window, the path typed into the
    // export dialog it opens.
    void ExportFromTheWindow(const QString& path)
    {
        host.ExpectDialog(IDD_STATISTICS, [](DialogDriver& user) {
            user.Press(IDC_EXPORT_CSV);
            user.PressOk();
        });
        host.ExpectDialog(IDD_EXPORT_STATISTICS, [path](DialogDriver& user) {
            user.Type(IDC_EXPORT_PATH, path);
            user.PressOk();
        });
        window.OnCommand(ID_SHOW_STATISTICS, BN_CLICKED);
    }

    QTemporaryDir m_dir;
};

QString ReadText(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

}  // namespace

TEST_F(StatisticsCommands, RefuseBeforeAnyCalculationLikeTheExports)
{
    window.OnCommand(ID_SHOW_STATISTICS, BN_CLICKED);
    window.OnExportStatistics();
    EXPECT_EQ(host.TakeMessages(),
              QStringList({"Please perform a Matrix Calculation before attempting to view the meeting statistics.",
                           "Please perform a Matrix Calculation before attempting to export the meeting statistics."}));
}

// Five pilots, two of them on one channel, three rounds of two heats: every
// heat of h pilots holds h(h-1)/2 pairs, none of them channel mates, so the
// file's meetings add up to that over all heats, whatever the draw.
TEST_F(StatisticsCommands, WindowExportsEveryAllowedPairWithMeetingsAddingUpToTheHeats)
{
    ListPilots({QStringLiteral("Adam,Petr,1"), QStringLiteral("Brown,Anne,1"), QStringLiteral("Cerny,Jan,2"),
                QStringLiteral("Dvorak,Eva,3"), QStringLiteral("Erben,Karel,4")});
    Recalculate(3, 2, 3);
    ASSERT_TRUE(window.GetResult().completed) << host.Messages().join(u'\n').toStdString();
    const QString path = m_dir.filePath(QStringLiteral("stats.csv"));
    ExportFromTheWindow(path);
    EXPECT_TRUE(host.Messages().isEmpty()) << host.Messages().join(u'\n').toStdString();

    const auto pairs = ReadStatisticsCsv(ReadText(path));
    ASSERT_TRUE(pairs.has_value());
    EXPECT_EQ(pairs->size(), 9u);  // 10 pairs less the channel mates
    int meetings = 0;
    for (const PairMeetings& pair : *pairs) {
        EXPECT_FALSE(pair.lastName == QStringLiteral("Adam") && pair.otherLastName == QStringLiteral("Brown"));
        meetings += pair.meetings;
    }
    int expected = 0;
    const CalculationResult& result = window.GetResult();
    for (int round = 0; round < 3; ++round)
        for (int heat = 0; heat < 2; ++heat) {
            int seated = 0;
            for (int slot = 0; slot < kSlotsPerHeat; ++slot)
                seated += result.matrix.At(round, heat, slot) >= 0;
            expected += seated * (seated - 1) / 2;
        }
    EXPECT_EQ(meetings, expected);
}

TEST_F(StatisticsCommands, FileThatCannotBeWrittenIsReportedWithItsName)
{
    ListPilots({QStringLiteral("Adam,Petr,1"), QStringLiteral("Brown,Anne,2")});
    Recalculate(1, 1, 2);
    host.ExpectDialog(IDD_EXPORT_STATISTICS, [this](DialogDriver& user) {
        user.Type(IDC_EXPORT_PATH, m_dir.path());
        user.PressOk();
    });
    window.OnExportStatistics();
    ASSERT_EQ(host.Messages().size(), 1);
    EXPECT_TRUE(host.Messages().first().contains(m_dir.path())) << host.Messages().first().toStdString();
}
