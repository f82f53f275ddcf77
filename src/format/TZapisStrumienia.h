#pragma once
#include <QByteArray>
#include <QString>
#include <QStringEncoder>
#include <cstdint>

// Writes the typed values of an offer file into a byte buffer: each value is
// a one-byte tag followed by its payload, integers little-endian. Values are
// written straight into the buffer, texts without a converted copy.
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

    // The bytes written so far.
    const QByteArray& Bajty();

private:
    // Room for n more bytes; returns where they start. Inline: the calls of
    // a shared library's exported functions would not be.
    char* Miejsce(qsizetype n) {
        if (fDlugosc + n > fPojemnosc)
            Powieksz(n);
        char* miejsce = fDane + fDlugosc;
        fDlugosc += n;
        return miejsce;
    }
    void Powieksz(qsizetype n);
    void Tag(uint8_t tag) { *Miejsce(1) = static_cast<char>(tag); }
    template <typename T> static void Liczba(char* cel, T wartosc) {
        for (std::size_t i = 0; i < sizeof(T); ++i)
            cel[i] = static_cast<char>(static_cast<uint64_t>(wartosc) >> (8 * i));
    }
    template <typename T> void Liczba(T wartosc) { Liczba(Miejsce(sizeof(T)), wartosc); }
    bool ZapiszAscii(const QString& tekst);
    bool ZapiszUtf8(const QString& tekst);
    void ZapiszUtf16(const QString& tekst);

    QByteArray fBajty; // its size is the room reserved, fDlugosc the part written
    char* fDane = nullptr;
    qsizetype fPojemnosc = 0;
    qsizetype fDlugosc = 0;
    QStringEncoder fUtf8{QStringConverter::Utf8, QStringConverter::Flag::Stateless};
};
