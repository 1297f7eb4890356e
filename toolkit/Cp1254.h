#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace teklifo {

// Windows-1254 (Turkish), the code page of the company file; Qt 6 has no codec for it.
// The seven bytes the code page leaves unassigned (0x81, 0x8D-0x90, 0x9D, 0x9E) decode to the
// C1 control characters of the same number, as Windows does, so every byte survives a round trip.

// One byte per character; a character the code page can't hold becomes '?' (one '?' also for
// a character outside the Basic Multilingual Plane).
QByteArray toCp1254(const QString& text);

QString fromCp1254(const QByteArray& bytes);
QString fromCp1254(QByteArrayView bytes);

} // namespace teklifo
