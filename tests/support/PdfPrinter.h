// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/DrawingTypes.h"

#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QProcess>
#include <QString>
#include <QStringList>

// A printer that writes a PDF file, on a fixed sheet without margins, as the
// print dialog hands it out after the user chose to print to a file.
inline SharedPrinter MakePdfPrinter(const QString& path, QSizeF sheetMm = {210, 297})
{
    auto printer = std::make_shared<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(path);
    printer->setPageSize(QPageSize(sheetMm, QPageSize::Millimeter, QString(), QPageSize::ExactMatch));
    printer->setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
    return printer;
}

// Runs one of poppler's tools and returns what it printed.
inline QString RunPoppler(const QString& tool, const QStringList& arguments)
{
    QProcess process;
    process.start(tool, arguments);
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

inline QString PdfText(const QString& pdfPath)
{
    return RunPoppler("pdftotext", {"-layout", pdfPath, "-"});
}

// The text of one page in the order it was drawn, blanks run together.
inline QString PdfPageText(const QString& pdfPath, int page)
{
    const QString number = QString::number(page);
    return RunPoppler("pdftotext", {"-raw", "-f", number, "-l", number, pdfPath, "-"}).simplified();
}

inline int PdfPageCount(const QString& pdfPath)
{
    const QString info = RunPoppler("pdfinfo", {pdfPath});
    for (const QString& line : info.split('\n'))
        if (line.startsWith("Pages:"))
            return line.mid(6).trimmed().toInt();
    return -1;
}

inline QString PdfTitle(const QString& pdfPath)
{
    const QString info = RunPoppler("pdfinfo", {pdfPath});
    for (const QString& line : info.split('\n'))
        if (line.startsWith("Title:"))
            return line.mid(6).trimmed();
    return {};
}

// The first page rendered in grey at the given resolution.
inline QImage RenderFirstPage(const QString& pdfPath, int dpi)
{
    const QString prefix = pdfPath + ".render";
    RunPoppler("pdftoppm", {"-gray", "-png", "-singlefile", "-r", QString::number(dpi), pdfPath, prefix});
    return QImage(prefix + ".png");
}

// Whether any pixel in the area of a rendered page is dark.
inline bool HasInk(const QImage& image, QRect area)
{
    area = area.intersected(image.rect());
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (qGray(image.pixel(x, y)) < 128)
                return true;
    return false;
}
