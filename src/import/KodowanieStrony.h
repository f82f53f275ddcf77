#pragma once
#include <QByteArray>

// The bytes of a saved web page as UTF-8, ready for the HTML parser. A page
// in UTF-8 (with or without a byte-order mark) stays as it is. A page whose
// bytes are not valid UTF-8 and whose <meta> names the Polish legacy
// encodings ISO-8859-2 or Windows-1250 is decoded from that encoding; any
// other page is handed on unchanged (the parser then shows its invalid bytes
// as replacement characters).
QByteArray TrescStronyWUtf8(const QByteArray& bajty);
