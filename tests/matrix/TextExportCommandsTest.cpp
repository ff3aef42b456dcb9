#include "support/MainWindowFixture.h"

namespace {

class TextExportCommands : public MainWindowFixture {};

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

} // namespace
