// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "text/CharacterCount.h"

#include <QValidator>

// Holds an edit field to at most a number of characters, as an edit control's
// text limit does: text set or typed at the end is cut at the limit, and a
// character typed or pasted into the middle of a full field is refused.
class CharacterLimitValidator : public QValidator {
public:
    CharacterLimitValidator(int maxChars, QObject* parent);

    int Limit() const { return m_maxChars; }
    State validate(QString& input, int& position) const override;

private:
    int m_maxChars;
};
