// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/DialogTemplate.h"

DialogTemplate AboutDialogTemplate();
DialogTemplate RaceDialogTemplate();
DialogTemplate ContestDialogTemplate();
