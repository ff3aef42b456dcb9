#include "platform/DialogDriver.h"
#include "res/ResourceIds.h"
#include "support/MainWindowFixture.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <random>

namespace {

qsizetype CharacterCount(const QString& text)
{
    return text.toUcs4().size();
}

class RosterFileProperties : public MainWindowFixture {
protected:
    void RunWithPath(int templateId, int pathId, const QString& path, void (CRaceDlg::*command)())
    {
        host.ExpectDialog(templateId, [=](DialogDriver& user) {
            user.Type(pathId, path);
            user.PressOk();
        });
        (window.*command)();
    }

    void Import(const QString& path) { RunWithPath(IDD_IMPORT_PILOTS, IDC_IMPORT_PATH, path, &CRaceDlg::OnImportPilots); }
    void Export(const QString& path) { RunWithPath(IDD_EXPORT_PILOTS, IDC_EXPORT_PATH, path, &CRaceDlg::OnExportPilots); }

    QByteArray ReadFile(const QString& path) const
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<no file>");
    }

    void WriteFile(const QString& path, const QByteArray& bytes) const
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
    }

    std::vector<PilotRecord> Roster() const
    {
        return {window.GetRoster().begin(), window.GetRoster().begin() + window.GetRosterCount()};
    }

    // Every record within the roster's capacities, at its own position, and
    // the list and its count showing exactly the roster.
    void ExpectRosterWithinCapacities(const QByteArray& bytes)
    {
        const int count = window.GetRosterCount();
        ASSERT_GE(count, 0);
        ASSERT_LE(count, kRosterCapacity);
        for (int position = 0; position < count; ++position) {
            const PilotRecord& pilot = window.GetRoster()[position];
            ASSERT_LE(CharacterCount(pilot.lastName), kLastNameChars) << bytes.toHex().toStdString();
            ASSERT_LE(CharacterCount(pilot.firstName), kFirstNameChars) << bytes.toHex().toStdString();
            ASSERT_EQ(pilot.index, position);
        }
        ASSERT_EQ(window.PilotList().GetCount(), count);
        ASSERT_EQ(window.GetDlgItemText(IDC_PILOT_COUNT), QString::number(count));
    }

    QTemporaryDir m_dir;
    std::mt19937 m_random{20261207};
};

QString RandomName(std::mt19937& random, int maxChars)
{
    static const QString kLetters = QStringLiteral("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ"
                                                   "áčďéěíňóřšťúůýžÁČĎÉĚÍŇÓŘŠŤÚŮÝŽäöüßłŁ -.'0123456789");
    QString name;
    for (int length = int(random() % (maxChars + 1)); length > 0; --length)
        name += kLetters[qsizetype(random() % kLetters.size())];
    return name;
}

// Whatever roster the organiser types in, the file holds it exactly: read
// back and written again, it gives the same bytes and the same pilots.
TEST_F(RosterFileProperties, ExportImportExportKeepsBytesAndRoster)
{
    const QString first = m_dir.filePath("first.txt");
    const QString second = m_dir.filePath("second.txt");
    for (int round = 0; round < 150; ++round) {
        window.PilotList().ResetContent();
        for (int pilot = int(m_random() % 30); pilot > 0; --pilot) {
            const QString firstName = m_random() % 4 == 0 ? QString() : RandomName(m_random, kFirstNameChars);
            window.PilotList().AddString(RandomName(m_random, kLastNameChars) + u',' + firstName + u','
                                         + QString::number(10 + m_random() % 71));
        }
        window.RebuildRoster();
        const std::vector<PilotRecord> typed = Roster();

        Export(first);
        Import(first);
        Export(second);

        const QByteArray bytes = ReadFile(first);
        ASSERT_EQ(ReadFile(second), bytes);
        ASSERT_EQ(Roster().size(), typed.size()) << bytes.toStdString();
        for (size_t position = 0; position < typed.size(); ++position) {
            ASSERT_EQ(Roster()[position].lastName, typed[position].lastName) << bytes.toStdString();
            ASSERT_EQ(Roster()[position].firstName, typed[position].firstName) << bytes.toStdString();
            ASSERT_EQ(Roster()[position].frequency, typed[position].frequency) << bytes.toStdString();
        }
        ASSERT_TRUE(host.TakeMessages().isEmpty());
    }
}

QByteArray RandomBytes(std::mt19937& random)
{
    static const char kFavourites[] = {'\n', '\r', '\0', ',', ',', '\xEF', '\xBB', '\xBF', '\x8A', '\xC5', '-', '9'};
    QByteArray bytes;
    for (int length = int(random() % 2000); length > 0; --length)
        bytes += random() % 2 ? kFavourites[random() % sizeof kFavourites] : char(random() % 256);
    return bytes;
}

// Lines that look like roster lines but stretch every field: long names, many
// commas, huge or signed numbers, control characters, many lines.
QByteArray RandomLines(std::mt19937& random)
{
    static const QStringList kPieces = {"Novak", "Jan", "Šťastný", "", " ", "35", "-2147483649", "99999999999",
                                        "+7", "\t", QString(QChar(0)), "\x01\x1F", "Ř", QString(60, u'x'), ","};
    QString text;
    for (int line = int(random() % 150); line > 0; --line) {
        for (int piece = int(random() % 12); piece > 0; --piece)
            text += kPieces[qsizetype(random() % kPieces.size())] + (random() % 2 ? QStringLiteral(",") : QString());
        text += random() % 3 ? QStringLiteral("\r\n") : QStringLiteral("\n");
    }
    return random() % 2 ? text.toUtf8() : text.toLatin1();
}

TEST_F(RosterFileProperties, ImportOfAnyBytesStaysWithinTheRoster)
{
    const QString path = m_dir.filePath("random.txt");
    for (int round = 0; round < 2000; ++round) {
        const QByteArray bytes = round % 2 ? RandomBytes(m_random) : RandomLines(m_random);
        WriteFile(path, bytes);
        Import(path);
        ExpectRosterWithinCapacities(bytes);
        const QStringList messages = host.TakeMessages();
        ASSERT_LE(messages.size(), 1);
        if (!messages.isEmpty()) {
            ASSERT_TRUE(messages[0].startsWith(QStringLiteral("100 pilots were imported"))) << messages[0].toStdString();
        }
    }
}

} // namespace
