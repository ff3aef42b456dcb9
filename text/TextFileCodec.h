// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

// How a text becomes a text file's bytes: UTF-8 without a byte-order mark,
// every "\n" as CR LF. A text written at the start of a file that itself
// begins with the byte-order mark character is given a mark in front, since
// reading drops one (roster/RosterFileDecoding.h reads the files back).
QByteArray EncodeTextForFile(const QString& text, bool startOfFile = true);
