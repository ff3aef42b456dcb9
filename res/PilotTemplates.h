#pragma once

#include "platform/DialogTemplate.h"

DialogTemplate AddPilotDialogTemplate();
DialogTemplate EditPilotDialogTemplate();
