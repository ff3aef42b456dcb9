// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/DialogTemplate.h"

// The meeting statistics window: the figures against their bounds, the
// histogram of meeting counts and the pilot-by-pilot grid. The histogram and
// the grid are tables the window puts in place of their labels.
DialogTemplate StatisticsTemplate();
