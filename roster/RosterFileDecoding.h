// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

// How a roster file's bytes become its lines. A byte-order mark names the
// encoding: UTF-8, UTF-16 or UTF-32, little or big endian. Without one the
// file is UTF-8 when it is valid UTF-8, else Windows-1250, the code page of
// roster files made on Central European desktops of old. Bytes that are none
// of these give nothing: no pilots are guessed from them.
std::optional<QString> DecodeRosterFile(const QByteArray& bytes);

// The lines of the text, without their ends. A line ends with LF or CR LF; a
// file with no LF at all ends its lines with a lone CR, as old Macintosh
// editors wrote them. A file that has LF keeps a lone CR inside a line as
// part of it, so every file that the export writes reads back unchanged.
QStringList SplitRosterLines(const QString& text);
