#include "app/TextFileExport.h"

#include "matrix/CalculationResult.h"
#include "matrix/HeatCardFormat.h"
#include "matrix/MatrixFileFormat.h"
#include "platform/ScriptedModalHost.h"
#include "support/QtPrinters.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class TextFileExport : public testing::Test {
protected:
    QByteArray Written(const QString& text)
    {
        const QString path = m_dir.filePath(QStringLiteral("export.txt"));
        EXPECT_TRUE(ExportTextFile(path, text));
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<no file>");
    }

    QTemporaryDir m_dir;
    ScriptedModalHost m_host;
};

PilotRecord Pilot(const QString& lastName, const QString& firstName, int frequency)
{
    PilotRecord pilot;
    pilot.lastName = lastName;
    pilot.firstName = firstName;
    pilot.frequency = frequency;
    return pilot;
}

TEST_F(TextFileExport, MatrixFileIsByteExact)
{
    CalculationResult result;
    result.rounds = 1;
    result.heats = 2;
    result.pilots = {Pilot("Novak", "Jan", 35), Pilot("Brown", "Anne", 40), Pilot("Kral", "Petr", 21)};
    result.matrix.Set(0, 0, 0, 0);
    result.matrix.Set(0, 0, 1, 1);
    result.matrix.Set(0, 1, 0, 2);
    EXPECT_EQ(Written(MatrixFileText(result)), QByteArray("\r\n"
                                                          "Round 01  Heat 01\r\n"
                                                          "----------------------------------------\r\n"
                                                          "  [35] Novak, Jan \r\n"
                                                          "  [40] Brown, Anne \r\n"
                                                          "\r\n"
                                                          "Round 01  Heat 02\r\n"
                                                          "----------------------------------------\r\n"
                                                          "  [21] Kral, Petr \r\n"));
}

TEST_F(TextFileExport, HeatCardFileIsByteExact)
{
    const std::vector<HeatCard> cards{
        {"Alpha, Beta (35)", {"Round 01, Heat 02", "Round 02, Heat 05", "Round 03, Heat 01"}}};
    EXPECT_EQ(Written(HeatCardsText(cards)), QByteArray("Alpha, Beta (35)\r\n"
                                                        "-----------------------------------------\r\n"
                                                        "    Round 01, Heat 02\r\n"
                                                        "    Round 02, Heat 05\r\n"
                                                        "    Round 03, Heat 01\r\n"
                                                        "\r\n\r\n\r\n"));
}

TEST_F(TextFileExport, ReplacesAnExistingFileAndSaysNothing)
{
    Written(QStringLiteral("a much longer text than the next one\n"));
    EXPECT_EQ(Written(QStringLiteral("short\n")), QByteArray("short\r\n"));
    EXPECT_TRUE(m_host.Messages().isEmpty());
}

TEST_F(TextFileExport, ReportsFailuresAndReturnsFalse)
{
    EXPECT_FALSE(ExportTextFile(QStringLiteral("/dev/full"), QStringLiteral("Alpha,Beta,35\n")));
    EXPECT_FALSE(ExportTextFile(m_dir.filePath(QStringLiteral("gone/x.txt")), QStringLiteral("x\n")));
    ASSERT_EQ(m_host.Messages().size(), 2);
    EXPECT_EQ(m_host.Messages()[0], QStringLiteral("The disk is full: \"/dev/full\" could not be written completely. "
                                                   "The file holds only what was written before the error."));
    EXPECT_TRUE(m_host.Messages()[1].endsWith(QStringLiteral("Nothing was written.")));
}

} // namespace
