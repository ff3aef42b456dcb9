// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "matrix/Matrix.h"

#include <QString>

struct Contest;
struct PilotRecord;

// The seats of one heat as the contest day changes them: a heat's pilots
// sit in its first seats in seat order, so a pilot leaving closes the gap
// and a pilot joining takes the first free seat.

int SeatedInHeat(const Matrix& matrix, int round, int heat);
void SeatInHeat(Matrix& matrix, int round, int heat, int pilot);
void UnseatFromHeat(Matrix& matrix, int round, int heat, int pilot);
// The two pilots of the round trade seats.
void ExchangeSeats(Matrix& matrix, int round, int one, int other);

// The most pilots a heat takes on the contest day: the pilots per heat field.
int HeatCapacity(const Contest& contest);

// "Dvořák Jiří", as the pilot list shows a pilot.
QString PersonNamed(const PilotRecord& pilot);
