// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "printer/CPrintLayout.h"
#include "print/StatusLine.h"
#include "support/RecordedDrawing.h"

#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// A printout drawn into a PDF file in a temporary folder, with its drawing
// recorded and every status text it showed kept in order.
class PrintoutFixture : public testing::Test {
protected:
    QString PdfPath() const { return m_dir.filePath("printout.pdf"); }
    int ColumnWidth() const { return m_layout.m_columnWidth; }
    StatusLine KeepStatuses() { return [this](const QString& text) { m_statuses << text; }; }

    QTemporaryDir m_dir;
    CPrintLayout m_layout;
    RecordedDrawing m_trace{m_layout.m_printerDC};
    QStringList m_statuses;
};
