#include "domain/TZapisStrumienia.h"

#include "domain/TagiStrumienia.h"

#include <cfloat>
#include <cstring>
#include <limits>

static_assert(LDBL_MANT_DIG == 64, "the offer file stores floats in the x87 extended format");

TZapisStrumienia::TZapisStrumienia(qsizetype zarezerwuj) {
    fBajty.reserve(zarezerwuj);
}

void TZapisStrumienia::Tag(uint8_t tag) {
    fBajty.append(static_cast<char>(tag));
}

template <typename T> void TZapisStrumienia::Liczba(T wartosc) {
    char bajty[sizeof(T)];
    for (std::size_t i = 0; i < sizeof(T); ++i)
        bajty[i] = static_cast<char>(static_cast<uint64_t>(wartosc) >> (8 * i));
    fBajty.append(bajty, sizeof(T));
}

void TZapisStrumienia::WriteSignature() {
    fBajty.append(TagiStrumienia::kSygnatura, TagiStrumienia::kDlugoscSygnatury);
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
    char bajty[sizeof(long double)];
    std::memcpy(bajty, &rozszerzona, sizeof(long double));
    Tag(TagiStrumienia::kExtended);
    fBajty.append(bajty, TagiStrumienia::kDlugoscExtended);
}

void TZapisStrumienia::WriteBoolean(bool wartosc) {
    Tag(wartosc ? TagiStrumienia::kTrue : TagiStrumienia::kFalse);
}

namespace {

bool TylkoAscii(const QString& tekst) {
    for (const QChar znak : tekst)
        if (znak.unicode() >= 0x80)
            return false;
    return true;
}

} // namespace

void TZapisStrumienia::WriteString(const QString& tekst) {
    const qsizetype jednostki = tekst.size();
    if (jednostki > 0 && TylkoAscii(tekst)) {
        // Plain ASCII: one byte a character, always shorter than UTF-16.
        if (jednostki <= 255) {
            Tag(TagiStrumienia::kKrotkiTekst);
            Liczba(static_cast<uint8_t>(jednostki));
        } else {
            Tag(TagiStrumienia::kDlugiTekst);
            Liczba(static_cast<uint32_t>(jednostki));
        }
        fBajty.append(tekst.toLatin1());
        return;
    }
    const QByteArray utf8 = tekst.toUtf8();
    if (utf8.size() < 2 * jednostki) {
        Tag(TagiStrumienia::kTekstUtf8);
        Liczba(static_cast<uint32_t>(utf8.size()));
        fBajty.append(utf8);
        return;
    }
    Tag(TagiStrumienia::kTekstUtf16);
    Liczba(static_cast<uint32_t>(jednostki));
    for (const QChar znak : tekst)
        Liczba(znak.unicode());
}
