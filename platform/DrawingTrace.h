// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/DrawingTypes.h"

#include <QPoint>
#include <QString>
#include <vector>

// What a device context drew, for tests that check a layout exactly: the
// documents and pages, each text with its rectangle and font, each line
// with its pen. Page numbers count from 1 within the recording.
struct TracedText {
    int page = 0;
    QString text;
    TextBox rect;
    QString face;
    int height = 0;
    bool bold = false;
};

struct TracedLine {
    int page = 0;
    QPoint from;
    QPoint to;
    int penWidth = 0;
};

struct DrawingTrace {
    QString documentName;
    int documentsStarted = 0;
    int documentsEnded = 0;
    int pagesStarted = 0;
    int pagesEnded = 0;
    std::vector<TracedText> texts;
    std::vector<TracedLine> lines;
};
