// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/DialogTemplate.h"

// The contest day's dialogs.
DialogTemplate WithdrawDialogTemplate();
DialogTemplate RedrawFromDialogTemplate();
DialogTemplate LateEntryDialogTemplate();
DialogTemplate SwapPilotsDialogTemplate();
DialogTemplate MovePilotDialogTemplate();
