#pragma once
#include <QString>

// The two 8-bit code pages of Polish texts from older systems.
enum class TStronaKodowa { Windows1250, Iso88592 };

// Bytes in one of them as text. Windows-1250 leaves five bytes undefined; they
// keep their own number, as the C1 controls 0x80-0x9F of ISO-8859-2 do.
QString ZeStronyKodowej(const char* bajty, qsizetype n, TStronaKodowa strona);
