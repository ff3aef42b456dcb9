#include "app/ScheduleCheck.h"

#include "matrix/CalculationResult.h"

#include <gtest/gtest.h>

namespace {

// Three pilots, two rounds of two heats: pilots 0 and 1 in heat 1, pilot 2 in heat 2.
CalculationResult WholeSchedule()
{
    CalculationResult result;
    result.pilots.resize(3);
    result.rounds = 2;
    result.heats = 2;
    for (int round = 0; round < 2; ++round) {
        result.matrix.Set(round, 0, 0, 0);
        result.matrix.Set(round, 0, 1, 1);
        result.matrix.Set(round, 1, 0, 2);
    }
    return result;
}

}  // namespace

TEST(ScheduleCheck, AcceptsAScheduleWithEveryPilotOncePerRound)
{
    EXPECT_TRUE(PlacesEveryPilotEachRound(WholeSchedule()));
}

TEST(ScheduleCheck, RefusesARoundWithAPilotLeftOutTwiceOrUnknown)
{
    struct Fault {
        const char* what;
        int round, heat, slot, position;
    };
    for (const Fault fault : {Fault{"left out", 1, 1, 0, kEmptySlot}, Fault{"twice", 0, 1, 0, 0},
                              Fault{"unknown", 0, 1, 1, 3}}) {
        CalculationResult result = WholeSchedule();
        result.matrix.Set(fault.round, fault.heat, fault.slot, fault.position);
        EXPECT_FALSE(PlacesEveryPilotEachRound(result)) << fault.what;
    }
}

TEST(ScheduleCheck, LooksOnlyAtTheRoundsAndHeatsOfTheCalculation)
{
    CalculationResult result = WholeSchedule();
    result.matrix.Set(2, 0, 0, 1);  // a third round, not part of this calculation
    result.matrix.Set(0, 2, 0, 2);  // a third heat, not part of this calculation
    EXPECT_TRUE(PlacesEveryPilotEachRound(result));
    result.rounds = 3;
    EXPECT_FALSE(PlacesEveryPilotEachRound(result));
}

TEST(ScheduleCheck, AnEmptyRosterIsAWholeSchedule)
{
    CalculationResult result;
    result.rounds = 6;
    result.heats = 6;
    EXPECT_TRUE(PlacesEveryPilotEachRound(result));
}
