#pragma once
#include <QString>

// A text as it appears on screen: its "\r" and "\r\n" line breaks become real
// line breaks. Stored and compared texts keep their "\r".
QString TekstNaEkranie(const QString& text);
