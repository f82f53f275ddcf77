#include "format/TZapisStrumienia.h"

#include "format/TagiStrumienia.h"

#include <QtEndian>
#include <algorithm>
#include <cfloat>
#include <cstring>
#include <limits>

static_assert(LDBL_MANT_DIG == 64, "the offer file stores floats in the x87 extended format");

TZapisStrumienia::TZapisStrumienia(qsizetype zarezerwuj) {
    if (zarezerwuj > 0)
        Powieksz(zarezerwuj);
}

const QByteArray& TZapisStrumienia::Bajty() {
    fBajty.resize(fDlugosc);
    fPojemnosc = fDlugosc;
    fDane = fBajty.data();
    return fBajty;
}

void TZapisStrumienia::Powieksz(qsizetype n) {
    fBajty.resize(std::max({fPojemnosc * 2, fDlugosc + n, qsizetype{256}}));
    fPojemnosc = fBajty.size();
    fDane = fBajty.data();
}

void TZapisStrumienia::WriteSignature() {
    std::memcpy(Miejsce(TagiStrumienia::kDlugoscSygnatury), TagiStrumienia::kSygnatura,
                TagiStrumienia::kDlugoscSygnatury);
}

void TZapisStrumienia::WriteListBegin() {
    Tag(TagiStrumienia::kLista);
}

void TZapisStrumienia::WriteListEnd() {
    Tag(TagiStrumienia::kKoniecListy);
}

void TZapisStrumienia::WriteInteger(int32_t wartosc) {
    if (wartosc >= std::numeric_limits<int8_t>::min() &&
        wartosc <= std::numeric_limits<int8_t>::max()) {
        Tag(TagiStrumienia::kInt8);
        Liczba(static_cast<int8_t>(wartosc));
    } else if (wartosc >= std::numeric_limits<int16_t>::min() &&
               wartosc <= std::numeric_limits<int16_t>::max()) {
        Tag(TagiStrumienia::kInt16);
        Liczba(static_cast<int16_t>(wartosc));
    } else {
        Tag(TagiStrumienia::kInt32);
        Liczba(wartosc);
    }
}

void TZapisStrumienia::WriteInt64(int64_t wartosc) {
    if (wartosc >= std::numeric_limits<int32_t>::min() &&
        wartosc <= std::numeric_limits<int32_t>::max()) {
        WriteInteger(static_cast<int32_t>(wartosc));
        return;
    }
    Tag(TagiStrumienia::kInt64);
    Liczba(wartosc);
}

void TZapisStrumienia::WriteFloat(double wartosc) {
    const long double rozszerzona = wartosc;
    char* cel = Miejsce(1 + TagiStrumienia::kDlugoscExtended);
    cel[0] = static_cast<char>(TagiStrumienia::kExtended);
    std::memcpy(cel + 1, &rozszerzona, TagiStrumienia::kDlugoscExtended);
}

void TZapisStrumienia::WriteBoolean(bool wartosc) {
    Tag(wartosc ? TagiStrumienia::kTrue : TagiStrumienia::kFalse);
}

void TZapisStrumienia::WriteString(const QString& tekst) {
    if (!tekst.isEmpty() && (ZapiszAscii(tekst) || ZapiszUtf8(tekst)))
        return;
    ZapiszUtf16(tekst);
}

// Plain ASCII, one byte a character: always shorter than UTF-16. False, with
// nothing written, for any other character.
bool TZapisStrumienia::ZapiszAscii(const QString& tekst) {
    const qsizetype n = tekst.size();
    const qsizetype naglowek = n <= 255 ? 2 : 5;
    const auto* znaki = reinterpret_cast<const char16_t*>(tekst.constData());
    char16_t wszystkie = 0;
    for (qsizetype i = 0; i < n; ++i)
        wszystkie |= znaki[i];
    if (wszystkie >= 0x80)
        return false;
    char* cel = Miejsce(naglowek + n);
    for (qsizetype i = 0; i < n; ++i)
        cel[naglowek + i] = static_cast<char>(znaki[i]);
    if (naglowek == 2) {
        cel[0] = static_cast<char>(TagiStrumienia::kKrotkiTekst);
        cel[1] = static_cast<char>(n);
    } else {
        cel[0] = static_cast<char>(TagiStrumienia::kDlugiTekst);
        Liczba(cel + 1, static_cast<uint32_t>(n));
    }
    return true;
}

// UTF-8 when it is shorter than UTF-16; false, with nothing written, otherwise.
bool TZapisStrumienia::ZapiszUtf8(const QString& tekst) {
    const qsizetype poczatek = fDlugosc;
    char* cel = Miejsce(5 + fUtf8.requiredSpace(tekst.size()));
    const qsizetype dlugosc = fUtf8.appendToBuffer(cel + 5, tekst) - (cel + 5);
    if (dlugosc >= 2 * tekst.size()) {
        fDlugosc = poczatek;
        return false;
    }
    cel[0] = static_cast<char>(TagiStrumienia::kTekstUtf8);
    Liczba(cel + 1, static_cast<uint32_t>(dlugosc));
    fDlugosc = poczatek + 5 + dlugosc;
    return true;
}

void TZapisStrumienia::ZapiszUtf16(const QString& tekst) {
    const qsizetype n = tekst.size();
    char* cel = Miejsce(5 + 2 * n);
    cel[0] = static_cast<char>(TagiStrumienia::kTekstUtf16);
    Liczba(cel + 1, static_cast<uint32_t>(n));
    qToLittleEndian<char16_t>(tekst.constData(), n, cel + 5);
}
