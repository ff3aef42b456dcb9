// SPDX-License-Identifier: GPL-3.0-or-later
#include "matrix/CsvField.h"

namespace {

constexpr QChar kTextMark = u'\'';

bool NeedsTextMark(const QString& text)
{
    static const QString kFormulaStarts = QStringLiteral("=+-@\t'");
    return !text.isEmpty() && kFormulaStarts.contains(text.front());
}

}  // namespace

QString CsvField(const QString& text)
{
    const QString marked = NeedsTextMark(text) ? kTextMark + text : text;
    if (!marked.contains(QLatin1Char(',')) && !marked.contains(QLatin1Char('"')) && !marked.contains(QLatin1Char('\n'))
        && !marked.contains(QLatin1Char('\r')))
        return marked;
    QString quoted = marked;
    quoted.replace(QStringLiteral("\""), QStringLiteral("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QString CsvFieldText(const QString& field)
{
    return field.startsWith(kTextMark) && NeedsTextMark(field.mid(1)) ? field.mid(1) : field;
}
