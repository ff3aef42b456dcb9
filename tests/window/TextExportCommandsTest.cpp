// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/DialogDriver.h"
#include "res/ResourceIds.h"
#include "support/MainWindowFixture.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <map>
#include <utility>

namespace {

class TextExportCommands : public MainWindowFixture {
protected:
    QString Export(int templateId, void (CRaceDlg::*command)())
    {
        return QString::fromUtf8(ExportBytes(templateId, command));
    }

    QByteArray ExportBytes(int templateId, void (CRaceDlg::*command)())
    {
        const QString path = m_dir.filePath(QString::number(templateId));
        ExportTo(path, templateId, command);
        return BytesOf(path);
    }

    void ExportTo(const QString& path, int templateId, void (CRaceDlg::*command)(), bool ok = true)
    {
        host.ExpectDialog(templateId, [&](DialogDriver& user) {
            user.Type(IDC_EXPORT_PATH, path);
            ok ? user.PressOk() : user.PressCancel();
        });
        (window.*command)();
    }

    static QByteArray BytesOf(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<no file>");
    }

    void SetFields(const char* rounds, const char* heats, const char* pilotsPerHeat)
    {
        window.SetDlgItemText(IDC_ROUNDS, QString::fromUtf8(rounds));
        window.SetDlgItemText(IDC_HEATS, QString::fromUtf8(heats));
        window.SetDlgItemText(IDC_PILOTS_PER_HEAT, QString::fromUtf8(pilotsPerHeat));
    }

    QTemporaryDir m_dir;
};

TEST_F(TextExportCommands, BeforeAnyCalculationBothRefuseWithoutAsking)
{
    ListPilots({"Novak,Jan,35"});
    window.OnExportMatrix();
    window.OnExportHeatCards();
    EXPECT_EQ(host.Messages(),
              (QStringList{"Please perform a Matrix Calculation before attempting to export a Matrix.",
                           "Please perform a Matrix Calculation before attempting to export Heat Cards."}));
    EXPECT_TRUE(host.FileRequests().empty());
}

const QByteArray kMatrixRule("----------------------------------------\r\n");
const QByteArray kCardRule("-----------------------------------------\r\n");

// A lone pilot flies the first heat of every round whatever the draw, so
// both files are known to the byte.
TEST_F(TextExportCommands, LonePilotsFilesToTheByte)
{
    ListPilots({"Alpha,Beta,35"});
    SetFields("2", "2", "8");
    window.OnRecalculate();
    ASSERT_TRUE(host.TakeMessages().isEmpty());
    const QByteArray pilotLine("  [35] Alpha, Beta \r\n");
    EXPECT_EQ(ExportBytes(IDD_EXPORT_MATRIX, &CRaceDlg::OnExportMatrix),
              "\r\nRound 01  Heat 01\r\n" + kMatrixRule + pilotLine + "\r\nRound 01  Heat 02\r\n" + kMatrixRule
                  + "\r\nRound 02  Heat 01\r\n" + kMatrixRule + pilotLine + "\r\nRound 02  Heat 02\r\n"
                  + kMatrixRule);
    EXPECT_EQ(ExportBytes(IDD_EXPORT_HEATS, &CRaceDlg::OnExportHeatCards),
              "Alpha, Beta (35)\r\n" + kCardRule + "    Round 01, Heat 01\r\n    Round 02, Heat 01\r\n\r\n\r\n\r\n");
}

// An export that cannot write its file says so, naming the file and the
// cause; Cancel writes nothing; a file that exists is replaced whole.
TEST_F(TextExportCommands, EachExportReplacesItsFileOrSaysWhyNot)
{
    ListPilots({"Alpha,Beta,35"});
    SetFields("1", "1", "8");
    window.OnRecalculate();
    ASSERT_TRUE(host.TakeMessages().isEmpty());
    const QString existing = m_dir.filePath("existing.txt");
    for (const auto& [templateId, command] : {std::pair{IDD_EXPORT_MATRIX, &CRaceDlg::OnExportMatrix},
                                              std::pair{IDD_EXPORT_HEATS, &CRaceDlg::OnExportHeatCards}}) {
        ExportTo(m_dir.filePath("cancelled.txt"), templateId, command, false);
        EXPECT_FALSE(QFile::exists(m_dir.filePath("cancelled.txt")));
        EXPECT_TRUE(host.Messages().isEmpty());

        QFile old(existing);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly | QIODevice::Truncate));
        old.write(QByteArray(5000, 'x'));
        old.close();
        host.AnswerQuestion(IDYES);
        ExportTo(existing, templateId, command);
        EXPECT_EQ(BytesOf(existing), ExportBytes(templateId, command));
        host.TakeMessages();  // whether to replace it

        const struct {
            QString path;
            QString says;
        } failures[] = {
            {m_dir.filePath("no folder/out.txt"), QStringLiteral("folder")},
            {m_dir.path(), QStringLiteral("is a folder")},
            {QStringLiteral("/dev/full"), QStringLiteral("The disk is full")},
        };
        for (const auto& failure : failures) {
            ExportTo(failure.path, templateId, command);
            const QStringList messages = host.TakeMessages();
            ASSERT_EQ(messages.size(), 1) << failure.path.toStdString();
            EXPECT_TRUE(messages[0].contains(u'"' + failure.path + u'"')) << messages[0].toStdString();
            EXPECT_TRUE(messages[0].contains(failure.says)) << messages[0].toStdString();
        }
    }
    EXPECT_FALSE(QFile::exists(m_dir.filePath("no folder")));
    EXPECT_TRUE(host.AllAnswered());
}

// The matrix file's pilot lines per heat, keyed "Round 01, Heat 02" as the
// heat nodes of the tree are written.
std::map<QString, QStringList> HeatsOfMatrixFile(const QString& file)
{
    static const QRegularExpression header(QStringLiteral("^Round (\\d\\d)  Heat (\\d\\d)$"));
    std::map<QString, QStringList> heats;
    QString heat;
    for (const QString& line : file.split(QStringLiteral("\r\n"))) {
        if (const QRegularExpressionMatch match = header.match(line); match.hasMatch())
            heat = QStringLiteral("Round %1, Heat %2").arg(match.captured(1), match.captured(2));
        else if (line.startsWith(QStringLiteral("  [")))
            heats[heat] << line;
    }
    return heats;
}

// After a real draw the roster and the fields change; both files still show
// the drawn schedule, and they agree with each other: every heat on a card
// lists that pilot in the matrix file.
TEST_F(TextExportCommands, BothFilesShowTheLastCalculationAndAgree)
{
    ListPilots({"Zeman,Jan,40", "Adam,Eva,35", "Kral,Petr,21", "Bily,Ota,22", "Cerny,Jiří,23", "Novak,Jan,24"});
    SetFields("3", "2", "3");
    window.OnRecalculate();
    ASSERT_TRUE(host.TakeMessages().isEmpty());
    ListPilots({"Aaron,Bob,50"});
    SetFields("5", "4", "2");
    ASSERT_TRUE(window.UpdateData(true));
    host.AnswerQuestion(IDYES);  // the schedule as calculated, without Aaron
    host.AnswerQuestion(IDYES);

    const auto heats = HeatsOfMatrixFile(Export(IDD_EXPORT_MATRIX, &CRaceDlg::OnExportMatrix));
    ASSERT_EQ(heats.size(), 6u);
    for (const auto& [heat, pilots] : heats)
        EXPECT_EQ(pilots.size(), 3) << heat.toStdString();

    const QString cardFile = Export(IDD_EXPORT_HEATS, &CRaceDlg::OnExportHeatCards);
    const QStringList cards = cardFile.split(QStringLiteral("\r\n\r\n\r\n\r\n"));
    const QStringList drawnOrder{"Adam, Eva (35)", "Bily, Ota (22)", QStringLiteral("Cerny, Jiří (23)"),
                                 "Kral, Petr (21)", "Novak, Jan (24)", "Zeman, Jan (40)"};
    ASSERT_EQ(cards.size(), drawnOrder.size() + 1) << cards.join("|").toStdString();
    EXPECT_TRUE(cards.last().isEmpty());
    for (qsizetype card = 0; card < drawnOrder.size(); ++card) {
        const QStringList lines = cards[card].split(QStringLiteral("\r\n"));
        ASSERT_EQ(lines.size(), 5) << cards[card].toStdString();
        EXPECT_EQ(lines[0], drawnOrder[card]);
        const QString name = lines[0].left(lines[0].indexOf(QStringLiteral(" (")));
        const QString frequency = lines[0].section(u'(', 1).chopped(1);
        for (int round = 1; round <= 3; ++round) {
            const QString heat = lines[1 + round].mid(4);
            EXPECT_TRUE(heat.startsWith(QStringLiteral("Round 0%1, Heat 0").arg(round))) << heat.toStdString();
            const QString pilotLine = QStringLiteral("  [%1] %2 ").arg(frequency, name);
            EXPECT_TRUE(heats.at(heat).contains(pilotLine)) << heat.toStdString();
        }
    }
}

} // namespace
