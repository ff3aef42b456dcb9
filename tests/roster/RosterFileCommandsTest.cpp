#include "platform/DialogDriver.h"
#include "res/ResourceIds.h"
#include "support/MainWindowFixture.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

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

    void Import(const QString& path)
    {
        host.ExpectDialog(IDD_IMPORT_PILOTS, [path](DialogDriver& user) {
            user.Type(IDC_IMPORT_PATH, path);
            user.PressOk();
        });
        window.OnImportPilots();
    }

    void Export(const QString& path)
    {
        host.ExpectDialog(IDD_EXPORT_PILOTS, [path](DialogDriver& user) {
            user.Type(IDC_EXPORT_PATH, path);
            user.PressOk();
        });
        window.OnExportPilots();
    }

    QStringList RosterLines() const
    {
        QStringList lines;
        for (int position = 0; position < window.GetRosterCount(); ++position) {
            const PilotRecord& pilot = window.GetRoster()[position];
            lines << QStringLiteral("%1|%2|%3|%4")
                         .arg(pilot.lastName, pilot.firstName, QString::number(pilot.frequency),
                              QString::number(pilot.index));
        }
        return lines;
    }

    QString CountLabel() const { return window.GetDlgItemText(IDC_PILOT_COUNT); }

    QTemporaryDir m_dir;
};

TEST_F(RosterFileCommands, ImportFillsRosterInFileOrderSkippingBlankLines)
{
    Import(WriteFile("club.txt", "Zeman,Jan,40\r\n\r\nAdam,Eva,35\r\n\r\n\r\nKral,Petr,21\r\n"));
    EXPECT_EQ(RosterLines(), (QStringList{"Zeman|Jan|40|0", "Adam|Eva|35|1", "Kral|Petr|21|2"}));
    EXPECT_EQ(ListedLines(), (QStringList{"Adam,Eva,35", "Kral,Petr,21", "Zeman,Jan,40"}));
    EXPECT_EQ(CountLabel(), QStringLiteral("3"));
    EXPECT_TRUE(host.Messages().isEmpty());
}

TEST_F(RosterFileCommands, ImportReadsLfOnlyFilesAndALastLineWithoutEnd)
{
    Import(WriteFile("lf.txt", "Zeman,Jan,40\nAdam,Eva,35\nKral,Petr,21"));
    EXPECT_EQ(RosterLines(), (QStringList{"Zeman|Jan|40|0", "Adam|Eva|35|1", "Kral|Petr|21|2"}));
}

TEST_F(RosterFileCommands, ImportReadsByteOrderMarkAndWindows1250CzechNames)
{
    Import(WriteFile("bom.txt", "\xEF\xBB\xBF\xC5\xA0\xC5\xA5" "astn\xC3\xBD,Ji\xC5\x99\xC3\xAD,40\r\n"));
    EXPECT_EQ(RosterLines(), QStringList{QStringLiteral("Šťastný|Jiří|40|0")});
    Import(WriteFile("1250.txt", "\x8A\x9D" "astn\xFD,Ji\xF8\xED,40\r\n\xC8" "ern\xE1,\x8E" "ofie,35\r\n"));
    EXPECT_EQ(RosterLines(), (QStringList{QStringLiteral("Šťastný|Jiří|40|0"), QStringLiteral("Černá|Žofie|35|1")}));
    EXPECT_TRUE(host.Messages().isEmpty());
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

TEST_F(RosterFileCommands, ImportTakesDuplicatesAndAnyChannelWithoutAWord)
{
    Import(WriteFile("odd.txt", "Novak,Jan,35\nNovak,Jan,35\nKral,Petr,5\nBily,Ota,999\nCerny,,-7\nAlpha\n"));
    EXPECT_EQ(RosterLines(), (QStringList{"Novak|Jan|35|0", "Novak|Jan|35|1", "Kral|Petr|5|2", "Bily|Ota|999|3",
                                          "Cerny||-7|4", "Alpha||0|5"}));
    EXPECT_EQ(CountLabel(), QStringLiteral("6"));
    EXPECT_TRUE(host.Messages().isEmpty());
}

TEST_F(RosterFileCommands, ImportCutsLongNamesToTheirCapacity)
{
    Import(WriteFile("long.txt", (QString(40, u'Ř') + u',' + QString(25, u'ž') + QStringLiteral(",35\n")).toUtf8()));
    EXPECT_EQ(RosterLines(), QStringList{QString(30, u'Ř') + u'|' + QString(20, u'ž') + QStringLiteral("|35|0")});
}

TEST_F(RosterFileCommands, ImportOfAnEmptyFileEmptiesTheRoster)
{
    ListPilots({"Adam,Eva,35"});
    Import(WriteFile("empty.txt", ""));
    EXPECT_EQ(window.GetRosterCount(), 0);
    EXPECT_EQ(window.PilotList().GetCount(), 0);
    EXPECT_EQ(CountLabel(), QStringLiteral("0"));
}

// A mistyped name must not wipe the organiser's list, which is saved nowhere.
TEST_F(RosterFileCommands, ImportThatCannotOpenItsFileSaysWhyAndChangesNothing)
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
    };
    for (const auto& failure : failures) {
        Import(failure.path);
        const QStringList messages = host.TakeMessages();
        ASSERT_EQ(messages.size(), 1) << failure.path.toStdString();
        EXPECT_TRUE(messages[0].contains(QLatin1Char('"') + failure.path + QLatin1Char('"'))) << messages[0].toStdString();
        EXPECT_TRUE(messages[0].contains(failure.cause)) << messages[0].toStdString();
        EXPECT_TRUE(messages[0].endsWith(QStringLiteral("The pilot list was not changed.")));
        EXPECT_EQ(RosterLines(), roster);
        EXPECT_EQ(ListedLines(), (QStringList{"Adam,Eva,35", "Zeman,Jan,40"}));
        EXPECT_EQ(CountLabel(), QStringLiteral("2"));
    }
}

TEST_F(RosterFileCommands, CancelledImportChangesNothing)
{
    ListPilots({"Adam,Eva,35"});
    host.ExpectDialog(IDD_IMPORT_PILOTS, [&](DialogDriver& user) {
        user.Type(IDC_IMPORT_PATH, WriteFile("club.txt", "Zeman,Jan,40\n"));
        user.PressCancel();
    });
    window.OnImportPilots();
    EXPECT_EQ(RosterLines(), QStringList{"Adam|Eva|35|0"});
    EXPECT_EQ(CountLabel(), QStringLiteral("1"));
}

TEST_F(RosterFileCommands, ExportWritesRosterLinesWithCrLf)
{
    ListPilots({"Alpha,Beta,35"});
    Export(PathOf("one.txt"));
    EXPECT_EQ(ReadFile(PathOf("one.txt")), QByteArray("Alpha,Beta,35\r\n"));
    EXPECT_TRUE(host.Messages().isEmpty());
}

TEST_F(RosterFileCommands, ExportOfAnEmptyRosterEmptiesAnExistingFile)
{
    const QString path = WriteFile("old.txt", "Zeman,Jan,40\r\n");
    Export(path);
    EXPECT_EQ(ReadFile(path), QByteArray());
}

TEST_F(RosterFileCommands, ExportAfterImportKeepsFileOrderInRosterLineForm)
{
    Import(WriteFile("in.txt", "Zeman, Jan, 40 \n\nAdam,Eva,35,extra\nŠťastný,,21"));
    Export(PathOf("out.txt"));
    EXPECT_EQ(ReadFile(PathOf("out.txt")),
              QStringLiteral("Zeman, Jan,40\r\nAdam,Eva,35\r\nŠťastný,,21\r\n").toUtf8());
}

TEST_F(RosterFileCommands, ExportThatCannotOpenItsFileSaysWhyAndWritesNothing)
{
    ListPilots({"Alpha,Beta,35"});
    for (const QString& path : {PathOf("no folder/out.txt"), m_dir.path()}) {
        Export(path);
        const QStringList messages = host.TakeMessages();
        ASSERT_EQ(messages.size(), 1);
        EXPECT_TRUE(messages[0].contains(QLatin1Char('"') + path + QLatin1Char('"'))) << messages[0].toStdString();
        EXPECT_TRUE(messages[0].endsWith(QStringLiteral("Nothing was written.")));
    }
    EXPECT_FALSE(QFile::exists(PathOf("no folder")));
}

TEST_F(RosterFileCommands, ExportToAFullDiskSaysSo)
{
    ListPilots({"Alpha,Beta,35"});
    Export(QStringLiteral("/dev/full"));
    const QStringList messages = host.TakeMessages();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].contains(QStringLiteral("disk is full"))) << messages[0].toStdString();
    EXPECT_TRUE(messages[0].contains(QStringLiteral("\"/dev/full\"")));
}

TEST_F(RosterFileCommands, CancelledExportWritesNothing)
{
    ListPilots({"Alpha,Beta,35"});
    host.ExpectDialog(IDD_EXPORT_PILOTS, [&](DialogDriver& user) {
        user.Type(IDC_EXPORT_PATH, PathOf("out.txt"));
        user.PressCancel();
    });
    window.OnExportPilots();
    EXPECT_FALSE(QFile::exists(PathOf("out.txt")));
}

} // namespace
