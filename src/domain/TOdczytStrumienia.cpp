#include "domain/TOdczytStrumienia.h"

#include "domain/EPlikOfert.h"
#include "domain/TagiStrumienia.h"

#include <QtEndian>
#include <array>
#include <cstring>
#include <limits>

namespace {

[[noreturn]] void ZlaWartosc() {
    throw EPlikOfert(QStringLiteral("Invalid property value"));
}

// Bytes 0x80 to 0xFF of the Polish Windows code page (Windows-1250); the five
// bytes it leaves undefined keep their own number.
constexpr std::array<char16_t, 128> kWindows1250 = {
    0x20AC, 0x0081, 0x201A, 0x0083, 0x201E, 0x2026, 0x2020, 0x2021, 0x0088, 0x2030, 0x0160, 0x2039,
    0x015A, 0x0164, 0x017D, 0x0179, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x0098, 0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A, 0x00A0, 0x02C7, 0x02D8, 0x0141,
    0x00A4, 0x0104, 0x00A6, 0x00A7, 0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B,
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7, 0x00B8, 0x0105, 0x015F, 0x00BB,
    0x013D, 0x02DD, 0x013E, 0x017C, 0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7,
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E, 0x0110, 0x0143, 0x0147, 0x00D3,
    0x00D4, 0x0150, 0x00D6, 0x00D7, 0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF,
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7, 0x010D, 0x00E9, 0x0119, 0x00EB,
    0x011B, 0x00ED, 0x00EE, 0x010F, 0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7,
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9};

QString ZWindows1250(const char* bajty, qsizetype n) {
    uint8_t wszystkie = 0;
    for (qsizetype i = 0; i < n; ++i)
        wszystkie |= static_cast<uint8_t>(bajty[i]);
    if (wszystkie < 0x80) // ASCII, the same in both code pages
        return QString::fromLatin1(bajty, n);
    QString tekst(n, Qt::Uninitialized);
    QChar* znak = tekst.data();
    for (qsizetype i = 0; i < n; ++i) {
        const auto bajt = static_cast<uint8_t>(bajty[i]);
        znak[i] = QChar(bajt < 0x80 ? char16_t{bajt} : kWindows1250[bajt - 0x80]);
    }
    return tekst;
}

} // namespace

TOdczytStrumienia::TOdczytStrumienia(QByteArrayView bajty) : fBajty(bajty) {}

void TOdczytStrumienia::BladOdczytu() {
    throw EPlikOfert(QStringLiteral("Stream read error"));
}

uint8_t TOdczytStrumienia::NastepnyTag() const {
    if (fPozycja >= fBajty.size())
        BladOdczytu();
    return static_cast<uint8_t>(fBajty[fPozycja]);
}

void TOdczytStrumienia::ReadSignature() {
    if (std::memcmp(Bajty(TagiStrumienia::kDlugoscSygnatury), TagiStrumienia::kSygnatura,
                    TagiStrumienia::kDlugoscSygnatury) != 0)
        throw EPlikOfert(QStringLiteral("Invalid stream format"));
}

void TOdczytStrumienia::ReadListBegin() {
    if (ReadTag() != TagiStrumienia::kLista)
        ZlaWartosc();
}

void TOdczytStrumienia::ReadListEnd() {
    if (ReadTag() != TagiStrumienia::kKoniecListy)
        ZlaWartosc();
}

bool TOdczytStrumienia::EndOfList() const {
    return NastepnyTag() == TagiStrumienia::kKoniecListy;
}

int64_t TOdczytStrumienia::LiczbaCalkowita(uint8_t tag, bool z64Bitowa) {
    switch (tag) {
    case TagiStrumienia::kInt8:
        return Liczba<int8_t>();
    case TagiStrumienia::kInt16:
        return Liczba<int16_t>();
    case TagiStrumienia::kInt32:
        return Liczba<int32_t>();
    case TagiStrumienia::kInt64:
        if (z64Bitowa)
            return Liczba<int64_t>();
        break;
    default:
        break;
    }
    ZlaWartosc();
}

int32_t TOdczytStrumienia::ReadInteger() {
    return static_cast<int32_t>(LiczbaCalkowita(ReadTag(), false));
}

uint32_t TOdczytStrumienia::ReadUInt32() {
    const uint8_t tag = ReadTag();
    const int64_t wartosc = LiczbaCalkowita(tag, true);
    if (tag != TagiStrumienia::kInt64)
        return static_cast<uint32_t>(wartosc);
    if (wartosc < 0 || wartosc > std::numeric_limits<uint32_t>::max())
        ZlaWartosc();
    return static_cast<uint32_t>(wartosc);
}

double TOdczytStrumienia::ReadFloat() {
    const uint8_t tag = ReadTag();
    if (tag == TagiStrumienia::kExtended) {
        long double rozszerzona = 0;
        std::memcpy(&rozszerzona, Bajty(TagiStrumienia::kDlugoscExtended),
                    TagiStrumienia::kDlugoscExtended);
        return static_cast<double>(rozszerzona);
    }
    if (tag == TagiStrumienia::kDouble) {
        double wartosc = 0;
        std::memcpy(&wartosc, Bajty(sizeof(double)), sizeof(double));
        return wartosc;
    }
    return static_cast<double>(LiczbaCalkowita(tag, true));
}

bool TOdczytStrumienia::ReadBoolean() {
    return ReadTag() == TagiStrumienia::kTrue;
}

QString TOdczytStrumienia::ReadString() {
    switch (ReadTag()) {
    case TagiStrumienia::kKrotkiTekst: {
        const qsizetype n = Liczba<uint8_t>();
        return ZWindows1250(Bajty(n), n);
    }
    case TagiStrumienia::kDlugiTekst: {
        const qsizetype n = Liczba<uint32_t>();
        return ZWindows1250(Bajty(n), n);
    }
    case TagiStrumienia::kTekstUtf16: {
        const qsizetype n = Liczba<uint32_t>();
        // Checked against what is left before the text is made.
        const char* bajty = Bajty(2 * n);
        if (n == 0)
            return {};
        QString tekst(n, Qt::Uninitialized);
        qFromLittleEndian<char16_t>(bajty, n, tekst.data());
        return tekst;
    }
    case TagiStrumienia::kTekstUtf8: {
        const qsizetype n = Liczba<uint32_t>();
        return QString::fromUtf8(Bajty(n), n);
    }
    default:
        ZlaWartosc();
    }
}
