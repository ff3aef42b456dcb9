#include "app/CRaceDlg.h"

#include "platform/ScriptedModalHost.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace {

class TextExportCommands : public testing::Test {
protected:
    void SetUp() override { m_race.Create(); }
    void TearDown() override
    {
        EXPECT_TRUE(m_host.Problems().isEmpty()) << m_host.Problems().join("; ").toStdString();
        m_race.DestroyWindow();
    }

    ScriptedModalHost m_host;
    CRaceDlg m_race;
};

TEST_F(TextExportCommands, BeforeAnyCalculationBothRefuseWithoutAsking)
{
    m_race.PilotList().AddString(QStringLiteral("Novak,Jan,35"));
    m_race.RebuildRoster();
    m_race.OnExportMatrix();
    m_race.OnExportHeatCards();
    EXPECT_EQ(m_host.Messages(),
              (QStringList{"Please perform a Matrix Calculation before attempting to export a Matrix.",
                           "Please perform a Matrix Calculation before attempting to export Heat Cards."}));
    EXPECT_TRUE(m_host.FileRequests().empty());
}

} // namespace
