// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/ControlCharacters.h"

QString WithControlsEscaped(const QString& text)
{
    QString shown;
    for (const QChar character : text) {
        if (character.category() == QChar::Other_Control)
            shown += QStringLiteral("\\x%1").arg(character.unicode(), 2, 16, QLatin1Char('0'));
        else
            shown += character;
    }
    return shown;
}
