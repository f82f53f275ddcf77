#pragma once
#include <QByteArray>
#include <QString>

// Writes the bytes to `sciezka` through a temporary file in the same folder
// that replaces the target only once it is complete. Returns an empty text on
// success, otherwise a message naming the path and the reason; the target is
// then as it was.
QString ZapiszCalyPlik(const QString& sciezka, const QByteArray& bajty);
