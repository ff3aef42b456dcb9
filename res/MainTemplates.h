#pragma once

#include "platform/DialogTemplate.h"

DialogTemplate AboutDialogTemplate();
DialogTemplate RaceDialogTemplate();
