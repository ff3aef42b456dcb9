#pragma once

#include "platform/DialogTemplate.h"

// The four dialogs that name a file: the roster import and the exports of
// the roster, the matrix and the heat cards.
DialogTemplate ImportPilotsTemplate();
DialogTemplate ExportPilotsTemplate();
DialogTemplate ExportMatrixTemplate();
DialogTemplate ExportHeatsTemplate();
