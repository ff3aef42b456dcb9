// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/DialogDriver.h"
#include "res/ResourceIds.h"
#include "support/MainWindowFixture.h"

#include <QFile>
#include <QTemporaryDir>

namespace {

class RosterFileCommands : public MainWindowFixture {
protected:
    void TearDown() override { EXPECT_TRUE(host.AllAnswered()); }

    QString PathOf(const QString& name) const { return m_dir.filePath(name); }

    QString WriteFile(const QString& name, const QByteArray& bytes) const
    {
        QFile file(PathOf(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return file.fileName();
    }

    static QByteArray ReadFile(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<no file>");
    }

    void Run(int templateId, int pathId, const QString& path, bool ok, void (CRaceDlg::*command)())
    {
        host.ExpectDialog(templateId, [=](DialogDriver& user) {
            user.Type(pathId, path);
            ok ? user.PressOk() : user.PressCancel();
        });
        (window.*command)();
    }

    // The pilots listed before need no saving: the question about them is
    // answered No and left out of the messages.
    void Import(const QString& path, bool ok = true)
    {
        const bool asks = window.IsContestChanged();
        if (asks)
            host.AnswerQuestion(IDNO);
        Run(IDD_IMPORT_PILOTS, IDC_IMPORT_PATH, path, ok, &CRaceDlg::OnImportPilots);
        if (asks)
            host.DropMessage(QStringLiteral("Save the changes to the contest first?"));
    }

    void Export(const QString& path, bool ok = true)
    {
        Run(IDD_EXPORT_PILOTS, IDC_EXPORT_PATH, path, ok, &CRaceDlg::OnExportPilots);
    }

    // The roster as "last|first|frequency|own position", in roster order.
    QStringList RosterLines() const
    {
        QStringList lines;
        for (int position = 0; position < window.GetRosterCount(); ++position) {
            const PilotRecord& pilot = window.GetRoster()[position];
            lines << QStringList{pilot.lastName, pilot.firstName, QString::number(pilot.frequency),
                                 QString::number(pilot.index)}
                         .join(u'|');
        }
        return lines;
    }

    QString CountLabel() const { return window.GetDlgItemText(IDC_PILOT_COUNT); }

    QTemporaryDir m_dir;
};

TEST_F(RosterFileCommands, ImportFillsRosterInFileOrderSkippingBlankLines)
{
    Import(WriteFile("club.txt", "Zeman,Jan,40\r\n\r\nAdam,Eva,35\n\n\nKral,Petr,21"));
    EXPECT_EQ(RosterLines(), (QStringList{"Zeman|Jan|40|0", "Adam|Eva|35|1", "Kral|Petr|21|2"}));
    EXPECT_EQ(ListedLines(), (QStringList{"Adam,Eva,35", "Kral,Petr,21", "Zeman,Jan,40"}));
    EXPECT_EQ(CountLabel(), QStringLiteral("3"));
    EXPECT_TRUE(host.Messages().isEmpty());
}

TEST_F(RosterFileCommands, ImportReadsByteOrderMarkAndWindows1250CzechNames)
{
    Import(WriteFile("bom.txt", "\xEF\xBB\xBF\xC5\xA0\xC5\xA5" "astn\xC3\xBD,Ji\xC5\x99\xC3\xAD,40\r\n"));
    EXPECT_EQ(RosterLines(), QStringList{QStringLiteral("Šťastný|Jiří|40|0")});
    Import(WriteFile("1250.txt", "\x8A\x9D" "astn\xFD,Ji\xF8\xED,40\r\n\xC8" "ern\xE1,\x8E" "ofie,35\r\n"));
    EXPECT_EQ(RosterLines(), (QStringList{QStringLiteral("Šťastný|Jiří|40|0"), QStringLiteral("Černá|Žofie|35|1")}));
}

TEST_F(RosterFileCommands, ImportOfMoreThanHundredPilotsTakesTheFirstHundredAndSaysSo)
{
    QByteArray bytes;
    for (int line = 1; line <= 120; ++line)
        bytes += QStringLiteral("Pilot%1,Jan,%2\r\n").arg(line).arg(10 + line % 50).toUtf8();
    const QString path = WriteFile("big.txt", bytes);
    Import(path);
    ASSERT_EQ(window.GetRosterCount(), 100);
    EXPECT_EQ(window.GetRoster()[99].lastName, QStringLiteral("Pilot100"));
    EXPECT_EQ(window.PilotList().GetCount(), 100);
    EXPECT_EQ(CountLabel(), QStringLiteral("100"));
    EXPECT_EQ(host.Messages(),
              QStringList{QStringLiteral("100 pilots were imported from \"%1\". The pilot list holds at most 100 "
                                         "pilots, so 20 lines were left out.")
                              .arg(path)});
}

TEST_F(RosterFileCommands, ImportTakesRepeatedPilotsAndCutsLongNames)
{
    const QString longLine = QString(40, u'Ř') + u',' + QString(25, u'ž') + QStringLiteral(",35");
    const QString lines = QStringLiteral("Novak,Jan,35\nNovak,Jan,35\nKral,Petr,10\nBily,Ota,80\n") + longLine;
    Import(WriteFile("odd.txt", lines.toUtf8()));
    EXPECT_EQ(RosterLines(), (QStringList{"Novak|Jan|35|0", "Novak|Jan|35|1", "Kral|Petr|10|2", "Bily|Ota|80|3",
                                          QString(30, u'Ř') + u'|' + QString(20, u'ž') + "|35|4"}));
    EXPECT_TRUE(host.Messages().isEmpty());
}

// A file with a line that is no pilot, or that is no text, changes nothing
// and says which line is wrong and why.
TEST_F(RosterFileCommands, ImportOfAFileWithABadLineSaysWhichAndChangesNothing)
{
    Import(WriteFile("good.txt", "Zeman,Jan,40\nAdam,Eva,35\n"));
    const QStringList roster = RosterLines();
    const QString path = WriteFile("bad.txt", "Kral,Petr,21\nNovak,Jan,abc\n");
    Import(path);
    EXPECT_EQ(host.TakeMessages(),
              QStringList{QStringLiteral("The pilots cannot be imported from \"%1\": line 2 (\"Novak,Jan,abc\") has a "
                                         "channel that is not a whole number. The pilot list was not changed.")
                              .arg(path)});
    Import(WriteFile("utf16.txt", QByteArray("\xFF\xFE\x00\xD8", 4)));
    ASSERT_EQ(host.Messages().size(), 1);
    EXPECT_TRUE(host.TakeMessages()[0].contains(QStringLiteral("it is not text")));
    EXPECT_EQ(RosterLines(), roster);
    EXPECT_EQ(ListedLines(), (QStringList{"Adam,Eva,35", "Zeman,Jan,40"}));
    EXPECT_EQ(CountLabel(), QStringLiteral("2"));
}

// A mistyped name or a failing device must not wipe the organiser's list,
// which is saved nowhere.
TEST_F(RosterFileCommands, ImportThatCannotReadItsFileSaysWhyAndChangesNothing)
{
    ListPilots({"Zeman,Jan,40", "Adam,Eva,35"});
    const QStringList roster = RosterLines();
    const struct {
        QString path;
        QString cause;
    } failures[] = {
        {PathOf("missing.txt"), QStringLiteral("does not exist")},
        {PathOf("no folder/club.txt"), QStringLiteral("folder")},
        {m_dir.path(), QStringLiteral("is a folder")},
        {QStringLiteral("/proc/self/mem"), QStringLiteral("device error")},  // unreadable at address zero
    };
    for (const auto& failure : failures) {
        Import(failure.path);
        const QStringList messages = host.TakeMessages();
        ASSERT_EQ(messages.size(), 1) << failure.path.toStdString();
        EXPECT_TRUE(messages[0].contains(u'"' + failure.path + u'"')) << messages[0].toStdString();
        EXPECT_TRUE(messages[0].contains(failure.cause)) << messages[0].toStdString();
        EXPECT_TRUE(messages[0].endsWith(QStringLiteral("The pilot list was not changed.")));
        EXPECT_EQ(RosterLines(), roster);
        EXPECT_EQ(ListedLines(), (QStringList{"Adam,Eva,35", "Zeman,Jan,40"}));
        EXPECT_EQ(CountLabel(), QStringLiteral("2"));
    }
}

TEST_F(RosterFileCommands, CancelChangesNothing)
{
    ListPilots({"Adam,Eva,35"});
    Import(WriteFile("club.txt", "Zeman,Jan,40\n"), false);
    Export(PathOf("out.txt"), false);
    EXPECT_EQ(RosterLines(), QStringList{"Adam|Eva|35|0"});
    EXPECT_EQ(CountLabel(), QStringLiteral("1"));
    EXPECT_FALSE(QFile::exists(PathOf("out.txt")));
}

TEST_F(RosterFileCommands, ExportWritesTheRosterInRosterLineFormToTheByte)
{
    ListPilots({"Alpha,Beta,35"});
    Export(PathOf("one.txt"));
    EXPECT_EQ(ReadFile(PathOf("one.txt")), QByteArray("Alpha,Beta,35\r\n"));

    // The fourth field is the team; a fifth is ignored.
    Import(WriteFile("in.txt", "Zeman, Jan, 40 \n\nAdam,Eva,35,Orl\xC3\xADk,extra\n\xC5\xA0tvrt\xC3\xA1,,21"));
    Export(PathOf("two.txt"));
    EXPECT_EQ(ReadFile(PathOf("two.txt")),
              QByteArray("Zeman, Jan,40\r\nAdam,Eva,35,Orl\xC3\xADk\r\n\xC5\xA0tvrt\xC3\xA1,,21\r\n"));

    Import(WriteFile("empty.txt", ""));
    EXPECT_EQ(CountLabel(), QStringLiteral("0"));
    host.AnswerQuestion(IDYES);  // replace two.txt
    Export(PathOf("two.txt"));
    EXPECT_EQ(ReadFile(PathOf("two.txt")), QByteArray());
    EXPECT_EQ(host.Messages().size(), 1);
}

// A file that begins with two byte-order marks gives its first pilot a name
// that starts with the mark's character; the roster file keeps that name.
TEST_F(RosterFileCommands, NameStartingWithAByteOrderMarkSurvivesExportAndImport)
{
    Import(WriteFile("marks.txt", "\xEF\xBB\xBF\xEF\xBB\xBFNovak,Jan,35\r\nAdam,Eva,21\r\n"));
    const QStringList roster = RosterLines();
    ASSERT_EQ(roster, (QStringList{QStringLiteral("\uFEFFNovak|Jan|35|0"), "Adam|Eva|21|1"}));
    Export(PathOf("first.txt"));
    Import(PathOf("first.txt"));
    EXPECT_EQ(RosterLines(), roster);
    Export(PathOf("second.txt"));
    EXPECT_EQ(ReadFile(PathOf("second.txt")), ReadFile(PathOf("first.txt")));
    EXPECT_TRUE(host.Messages().isEmpty());
}

TEST_F(RosterFileCommands, ExportThatFailsSaysWhy)
{
    ListPilots({"Alpha,Beta,35"});
    const struct {
        QString path;
        QString says;
    } failures[] = {
        {PathOf("no folder/out.txt"), QStringLiteral("Nothing was written.")},
        {m_dir.path(), QStringLiteral("Nothing was written.")},
        {QStringLiteral("/dev/full"), QStringLiteral("The disk is full")},
    };
    for (const auto& failure : failures) {
        Export(failure.path);
        const QStringList messages = host.TakeMessages();
        ASSERT_EQ(messages.size(), 1) << failure.path.toStdString();
        EXPECT_TRUE(messages[0].contains(u'"' + failure.path + u'"')) << messages[0].toStdString();
        EXPECT_TRUE(messages[0].contains(failure.says)) << messages[0].toStdString();
    }
    EXPECT_FALSE(QFile::exists(PathOf("no folder")));
}

} // namespace
