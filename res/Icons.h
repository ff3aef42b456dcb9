// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QPixmap>

// The program's icons, drawn in code so they are sharp at every size.
QIcon LoadIcon(int id);
QPixmap RenderIcon(int id, int pixels);
