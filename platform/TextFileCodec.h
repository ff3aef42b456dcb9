// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

// How a text file's bytes become text and back. Files are written as UTF-8
// without a byte-order mark, every "\n" as CR LF. Reading skips a leading
// byte-order mark and reads a file that is not valid UTF-8 as Windows-1250.
QString DecodeTextFile(QByteArray bytes);
// A text written at the start of a file that itself begins with the
// byte-order mark character is given a mark in front, since reading drops one.
QByteArray EncodeTextForFile(const QString& text, bool startOfFile = true);
