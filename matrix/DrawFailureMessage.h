// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "matrix/DrawRules.h"
#include "matrix/MatrixShape.h"
#include "roster/PilotRecord.h"

#include <QString>
#include <span>

// What the Recalculate command tells the organiser when every attempt failed.
// When the pilots and fields rule a schedule out for this draw, it says why,
// with the numbers (a channel or a team with more pilots than the heats in
// use, no back-to-back with one heat a round); otherwise it is bad luck, and
// another run may succeed.
QString DrawFailureMessage(std::span<const PilotRecord> roster, const MatrixShape& shape, const DrawRules& rules = {});
