// SPDX-License-Identifier: GPL-3.0-or-later
#include "matrix/StatisticsCsv.h"

#include "matrix/CsvField.h"

#include <QStringList>

namespace {

constexpr int kFieldsPerLine = 5;

// Splits the text into lines of fields; a quoted field may hold commas,
// doubled quotes and line breaks. Nothing on an unclosed quote.
std::optional<std::vector<QStringList>> SplitCsv(const QString& text)
{
    std::vector<QStringList> lines;
    QStringList fields;
    QString field;
    bool quoted = false;
    bool lineHasText = false;
    for (qsizetype at = 0; at < text.size(); ++at) {
        const QChar c = text[at];
        if (quoted) {
            if (c == QLatin1Char('"') && at + 1 < text.size() && text[at + 1] == QLatin1Char('"')) {
                field += c;
                ++at;
            } else if (c == QLatin1Char('"')) {
                quoted = false;
            } else {
                field += c;
            }
            continue;
        }
        if (c == QLatin1Char('"')) {
            quoted = true;
            lineHasText = true;
        } else if (c == QLatin1Char(',')) {
            fields << field;
            field.clear();
            lineHasText = true;
        } else if (c == QLatin1Char('\n')) {
            if (lineHasText || !field.isEmpty())
                lines.push_back(fields << field);
            fields.clear();
            field.clear();
            lineHasText = false;
        } else if (c != QLatin1Char('\r')) {
            field += c;
            lineHasText = true;
        }
    }
    if (quoted)
        return std::nullopt;
    if (lineHasText || !field.isEmpty())
        lines.push_back(fields << field);
    return lines;
}

}  // namespace

QString StatisticsCsv(std::span<const PilotRecord> pilots, const DrawStatistics& statistics)
{
    QString text;
    const int count = std::min(static_cast<int>(pilots.size()), statistics.pilots);
    for (int one = 0; one < count; ++one)
        for (int other = one + 1; other < count; ++other) {
            if (!statistics.IsAllowedPair(one, other))
                continue;
            const PilotRecord& first = pilots[one];
            const PilotRecord& second = pilots[other];
            text += CsvField(first.lastName) + QLatin1Char(',') + CsvField(first.firstName) + QLatin1Char(',')
                    + CsvField(second.lastName) + QLatin1Char(',') + CsvField(second.firstName) + QLatin1Char(',')
                    + QString::number(statistics.Meetings(one, other)) + QLatin1Char('\n');
        }
    return text;
}

std::optional<std::vector<PairMeetings>> ReadStatisticsCsv(const QString& text)
{
    const std::optional<std::vector<QStringList>> lines = SplitCsv(text);
    if (!lines)
        return std::nullopt;
    std::vector<PairMeetings> pairs;
    for (const QStringList& fields : *lines) {
        bool isCount = false;
        const int meetings = fields.size() == kFieldsPerLine ? fields[4].toInt(&isCount) : 0;
        if (!isCount || meetings < 0)
            return std::nullopt;
        pairs.push_back({CsvFieldText(fields[0]), CsvFieldText(fields[1]), CsvFieldText(fields[2]),
                         CsvFieldText(fields[3]), meetings});
    }
    return pairs;
}
