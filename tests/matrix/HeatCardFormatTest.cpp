#include "matrix/HeatCardFormat.h"

#include "platform/TextFileCodec.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace {

TEST(HeatCardFormat, WritesCardsInTheirOrderToTheByte)
{
    const std::vector<HeatCard> cards{
        {"Alpha, Beta (35)", {"Round 01, Heat 02", "Round 02, Heat 05", "Round 03, Heat 01"}},
        {"Adam, Eva (21)", {}},
    };
    EXPECT_EQ(EncodeTextForFile(HeatCardsText(cards)), QByteArray("Alpha, Beta (35)\r\n"
                                                                  "-----------------------------------------\r\n"
                                                                  "    Round 01, Heat 02\r\n"
                                                                  "    Round 02, Heat 05\r\n"
                                                                  "    Round 03, Heat 01\r\n"
                                                                  "\r\n\r\n\r\n"
                                                                  "Adam, Eva (21)\r\n"
                                                                  "-----------------------------------------\r\n"
                                                                  "\r\n\r\n\r\n"));
    EXPECT_EQ(HeatCardsText({}), QString());
}

} // namespace
