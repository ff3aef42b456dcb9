// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/DataExchange.h"

#include "support/QtPrinters.h"
#include "text/CharacterCount.h"

#include <QLineEdit>
#include <gtest/gtest.h>

namespace {

// A letter outside the basic plane: two UTF-16 units, one character.
const QString kClef = QString::fromUcs4(U"\U0001D11E");

QString Clefs(int count)
{
    return kClef.repeated(count);
}

}  // namespace

TEST(CharacterLimit, CountsAndCutsCharactersNeverSplittingOne)
{
    EXPECT_EQ(CountCharacters(QStringLiteral("Šťastný")), 7);
    EXPECT_EQ(CountCharacters(QStringLiteral("ab") + Clefs(2)), 4);
    EXPECT_EQ(LimitCharacters(QStringLiteral("ab") + Clefs(2), 3), QStringLiteral("ab") + kClef);
    EXPECT_EQ(LimitCharacters(QStringLiteral("ab"), 5), QStringLiteral("ab"));
    // A lone surrogate is a character of its own, as it is kept in the text.
    EXPECT_EQ(CountCharacters(QString(kClef[0]) + u'a'), 2);
}

// The field behaves as an edit control's text limit, counting characters.
TEST(CharacterLimit, FieldKeepsAtMostItsCharacters)
{
    QLineEdit field;
    field.setValidator(new CharacterLimitValidator(4, &field));

    field.setText(Clefs(6));
    EXPECT_EQ(field.text(), Clefs(4));

    field.end(false);
    field.insert(QStringLiteral("x"));
    EXPECT_EQ(field.text(), Clefs(4)) << "typed at the end of a full field";

    field.setCursorPosition(2);
    field.insert(QStringLiteral("x"));
    EXPECT_EQ(field.text(), Clefs(4)) << "typed into the middle of a full field";

    field.setText(QStringLiteral("ab"));
    field.end(false);
    field.insert(QStringLiteral("cdef"));
    EXPECT_EQ(field.text(), QStringLiteral("abcd")) << "pasted at the end: cut to fit";
}
