#pragma once

struct CalculationResult;

// True when the result is a whole schedule: every pilot it was drawn for
// flies exactly once in every round. A calculation whose attempts all failed
// leaves a result that is not.
bool PlacesEveryPilotEachRound(const CalculationResult& result);
