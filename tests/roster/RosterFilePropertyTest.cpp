// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/DialogDriver.h"
#include "res/ResourceIds.h"
#include "support/MainWindowFixture.h"

#include <QFile>
#include <QTemporaryDir>
#include <random>

namespace {

class RosterFileProperties : public MainWindowFixture {
protected:
    void Run(int templateId, int pathId, const QString& path, void (CRaceDlg::*command)())
    {
        host.ExpectDialog(templateId, [=](DialogDriver& user) {
            user.Type(pathId, path);
            user.PressOk();
        });
        (window.*command)();
    }

    QByteArray ExportedBytes()
    {
        const QString path = m_dir.filePath("export.txt");
        QFile::remove(path);  // a new file each time: replacing one would ask first
        Run(IDD_EXPORT_PILOTS, IDC_EXPORT_PATH, path, &CRaceDlg::OnExportPilots);
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<no file>");
    }

    void Import(const QByteArray& bytes)
    {
        QFile file(m_dir.filePath("import.txt"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
        file.close();
        // The last import's pilots need no saving.
        const bool asks = window.IsContestChanged();
        if (asks)
            host.AnswerQuestion(IDNO);
        Run(IDD_IMPORT_PILOTS, IDC_IMPORT_PATH, file.fileName(), &CRaceDlg::OnImportPilots);
        if (asks)
            host.DropMessage(QStringLiteral("Save the changes to the contest first?"));
    }

    QStringList Roster() const
    {
        QStringList pilots;
        for (int position = 0; position < window.GetRosterCount(); ++position) {
            const PilotRecord& pilot = window.GetRoster()[position];
            pilots << pilot.lastName + u'|' + pilot.firstName + u'|' + QString::number(pilot.frequency) + u'|'
                          + pilot.team;
        }
        return pilots;
    }

    QTemporaryDir m_dir;
    std::mt19937 m_random{20261207};
};

QString RandomName(std::mt19937& random, int maxChars)
{
    // Letters, and the odd characters an imported file can bring: a tab, a
    // carriage return, NUL, a no-break space, the byte-order mark's character.
    static const QString kLetters = QStringLiteral("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ"
                                                   "áčďéěíňóřšťúůýžÁČĎÉĚÍŇÓŘŠŤÚŮÝŽäöüßłŁ -.'0123456789"
                                                   "\t\r\u00A0\uFEFF")
                                    + QChar(0);
    QString name;
    for (int length = int(random() % (maxChars + 1)); length > 0; --length)
        name += kLetters[qsizetype(random() % kLetters.size())];
    return name;
}

// Whatever roster the organiser types in, the file holds it exactly: read
// back and written again, it gives the same bytes and the same pilots, the
// pilots of a team in four fields and the others in three.
TEST_F(RosterFileProperties, ExportImportExportKeepsBytesAndRoster)
{
    for (int round = 0; round < 150; ++round) {
        window.PilotList().ResetContent();
        int teams = 0;
        for (int pilot = int(m_random() % 30); pilot > 0; --pilot) {
            const QString firstName = m_random() % 4 ? RandomName(m_random, kFirstNameChars) : QString();
            const QString team = m_random() % 3 ? QString() : RandomName(m_random, kTeamChars).trimmed();
            teams += !team.isEmpty();
            window.PilotList().AddString(RandomName(m_random, kLastNameChars) + u',' + firstName + u','
                                         + QString::number(10 + m_random() % 71) + (team.isEmpty() ? "" : "," + team));
        }
        window.RebuildRoster();
        const QStringList typed = Roster();
        const QByteArray bytes = ExportedBytes();
        Import(bytes);
        ASSERT_EQ(Roster(), typed) << bytes.toStdString();
        ASSERT_EQ(ExportedBytes(), bytes);
        ASSERT_EQ(bytes.count(",") - 2 * window.GetRosterCount(), teams) << "a fourth field only for a team";
    }
    EXPECT_TRUE(host.Messages().isEmpty());
}

// Random bytes, and lines that stretch every field: long names, runs of
// commas, huge or signed numbers, control characters, many lines.
QByteArray RandomFile(std::mt19937& random)
{
    static const QStringList kPieces = {"Novak", "Šťastný", "", " ", "35", "-2147483649", "99999999999", "\t",
                                        QString(QChar(0)), "\x01\x1F\r", QString(60, u'Ř'), ",", "\xEF\xBB\xBF"};
    if (random() % 2) {
        QByteArray bytes;
        for (int length = int(random() % 2000); length > 0; --length)
            bytes += random() % 3 ? char(random() % 256) : "\n\r\0,\x8A\xC5"[random() % 6];
        return bytes;
    }
    QString text;
    for (int line = int(random() % 150); line > 0; --line) {
        for (int piece = int(random() % 12); piece > 0; --piece)
            text += kPieces[qsizetype(random() % kPieces.size())] + (random() % 2 ? "," : "");
        text += random() % 3 ? "\r\n" : "\n";
    }
    return random() % 2 ? text.toUtf8() : text.toLatin1();
}

// Every record within its capacities and at its own position, the list and
// its count showing exactly the roster; a refused file leaves the roster as
// it was.
TEST_F(RosterFileProperties, ImportOfAnyBytesStaysWithinTheRoster)
{
    for (int round = 0; round < 2000; ++round) {
        const QByteArray bytes = RandomFile(m_random);
        const QStringList before = Roster();
        const QString labelBefore = window.GetDlgItemText(IDC_PILOT_COUNT);
        Import(bytes);
        const QStringList messages = host.TakeMessages();
        if (!messages.isEmpty() && messages[0].startsWith(QStringLiteral("The pilots cannot be imported"))) {
            ASSERT_EQ(messages.size(), 1);
            ASSERT_EQ(Roster(), before) << "a refused file changed the roster";
            ASSERT_EQ(window.GetDlgItemText(IDC_PILOT_COUNT), labelBefore);
            continue;
        }
        const int count = window.GetRosterCount();
        ASSERT_LE(count, kRosterCapacity) << bytes.toHex().toStdString();
        for (int position = 0; position < count; ++position) {
            const PilotRecord& pilot = window.GetRoster()[position];
            ASSERT_LE(pilot.lastName.toUcs4().size(), kLastNameChars) << bytes.toHex().toStdString();
            ASSERT_LE(pilot.firstName.toUcs4().size(), kFirstNameChars) << bytes.toHex().toStdString();
            ASSERT_EQ(pilot.index, position);
        }
        ASSERT_EQ(window.PilotList().GetCount(), count);
        ASSERT_EQ(window.GetDlgItemText(IDC_PILOT_COUNT), QString::number(count));
        for (const QString& message : messages)
            ASSERT_TRUE(message.startsWith(QStringLiteral("100 pilots were imported"))) << message.toStdString();
    }
}

} // namespace
