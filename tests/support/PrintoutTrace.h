// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/CDC.h"

#include <QRegularExpression>
#include <QStringList>
#include <vector>

// Readings of a printout's drawing trace: headings are the bold texts.
inline std::vector<TracedText> TracedHeadings(const DrawingTrace& trace)
{
    std::vector<TracedText> headings;
    for (const TracedText& text : trace.texts)
        if (text.bold)
            headings.push_back(text);
    return headings;
}

inline QStringList TextsOf(const std::vector<TracedText>& texts)
{
    QStringList result;
    for (const TracedText& text : texts)
        result << text.text;
    return result;
}

// The lowest point that anything was drawn down to.
inline int LowestDrawn(const DrawingTrace& trace)
{
    int lowest = 0;
    for (const TracedText& text : trace.texts)
        lowest = std::max(lowest, text.rect.bottom);
    for (const TracedLine& line : trace.lines)
        lowest = std::max(lowest, line.from.y());
    return lowest;
}

// The header and footer of a headed page: the header is the only regular
// text at the very top (a body starts below its band), the footer reads
// "Page k of n".
inline bool IsPageFurniture(const TracedText& text)
{
    static const QRegularExpression footer(QStringLiteral("^Page \\d+ of \\d+$"));
    return (text.rect.top == 0 && !text.bold) || footer.match(text.text).hasMatch();
}

// What a printout drew on its pages besides the header and the footer.
inline std::vector<TracedText> BodyTexts(const DrawingTrace& trace)
{
    std::vector<TracedText> body;
    for (const TracedText& text : trace.texts)
        if (!IsPageFurniture(text))
            body.push_back(text);
    return body;
}
