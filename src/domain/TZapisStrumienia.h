#pragma once
#include <QByteArray>
#include <QString>
#include <cstdint>

// Writes the typed values of an offer file into a byte buffer: each value is
// a one-byte tag followed by its payload, integers little-endian.
class TZapisStrumienia {
public:
    explicit TZapisStrumienia(qsizetype zarezerwuj = 0);

    void WriteSignature();
    void WriteListBegin();
    void WriteListEnd();
    // The smallest of the 8-, 16- and 32-bit tags that holds the value.
    void WriteInteger(int32_t wartosc);
    // As WriteInteger while the value fits 32 bits signed, else a 64-bit value.
    void WriteInt64(int64_t wartosc);
    // Always the 80-bit extended format, into which a double widens exactly.
    void WriteFloat(double wartosc);
    void WriteBoolean(bool wartosc);
    // The shorter of UTF-8 and UTF-16: plain ASCII as a short or long text,
    // other UTF-8 as UTF-8 text; UTF-16 when UTF-8 is not shorter (the empty
    // text included).
    void WriteString(const QString& tekst);

    const QByteArray& Bajty() const { return fBajty; }

private:
    void Tag(uint8_t tag);
    template <typename T> void Liczba(T wartosc);

    QByteArray fBajty;
};
