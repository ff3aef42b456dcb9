#pragma once

#include "platform/DialogTemplate.h"

DialogTemplate FontSizeDialogTemplate();
