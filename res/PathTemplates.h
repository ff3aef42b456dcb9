// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/DialogTemplate.h"

// The dialogs that name a file: the roster import and the exports of the
// roster, the matrix, the heat cards and the meeting statistics.
DialogTemplate ImportPilotsTemplate();
DialogTemplate ExportPilotsTemplate();
DialogTemplate ExportMatrixTemplate();
DialogTemplate ExportHeatsTemplate();
DialogTemplate ExportStatisticsTemplate();
DialogTemplate ExportScheduleCsvTemplate();
DialogTemplate ExportSchedulePageTemplate();
DialogTemplate ExportHeatListTemplate();
