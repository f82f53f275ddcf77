#include "domain/TOdczytStrumienia.h"

#include "domain/EPlikOfert.h"
#include "domain/StronyKodowe.h"
#include "domain/TagiStrumienia.h"

#include <QtEndian>
#include <algorithm>
#include <cstring>
#include <limits>

namespace {

[[noreturn]] void ZlaWartosc() {
    throw EPlikOfert(QStringLiteral("Invalid property value"));
}

// The place of a text's bytes among the texts read: from the tag, the length
// and the first and last eight bytes, which tell apart the texts of a file
// (names and terms differ at their ends) without walking a long text. Texts
// that share a place only make each other decoded again.
std::size_t Miejsce(uint8_t tag, QByteArrayView bajty) {
    uint64_t poczatek = 0;
    uint64_t koniec = 0;
    const auto n = static_cast<std::size_t>(bajty.size());
    const std::size_t ile = std::min<std::size_t>(n, sizeof(uint64_t));
    if (ile > 0) {
        std::memcpy(&poczatek, bajty.data(), ile);
        std::memcpy(&koniec, bajty.data() + n - ile, ile);
    }
    uint64_t hash = (poczatek * 0x9E3779B97F4A7C15ULL) ^ (koniec + n * 0xC2B2AE3D27D4EB4FULL) ^ tag;
    hash ^= hash >> 29;
    hash *= 0xBF58476D1CE4E5B9ULL;
    return static_cast<std::size_t>(hash ^ (hash >> 32));
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
    const uint8_t tag = ReadTag();
    return Zapamietany(tag, BajtyTekstu(tag));
}

void TOdczytStrumienia::SkipString() {
    BajtyTekstu(ReadTag());
}

QByteArrayView TOdczytStrumienia::BajtyTekstu(uint8_t tag) {
    qsizetype n = 0;
    switch (tag) {
    case TagiStrumienia::kKrotkiTekst:
        n = Liczba<uint8_t>();
        break;
    case TagiStrumienia::kDlugiTekst:
    case TagiStrumienia::kTekstUtf8:
        n = Liczba<uint32_t>();
        break;
    case TagiStrumienia::kTekstUtf16:
        // Checked against what is left before the text is made.
        n = 2 * qsizetype{Liczba<uint32_t>()};
        break;
    default:
        ZlaWartosc();
    }
    return {Bajty(n), n};
}

QString TOdczytStrumienia::Dekoduj(uint8_t tag, QByteArrayView bajty) {
    switch (tag) {
    case TagiStrumienia::kTekstUtf16: {
        const qsizetype n = bajty.size() / 2;
        if (n == 0)
            return {};
        QString tekst(n, Qt::Uninitialized);
        qFromLittleEndian<char16_t>(bajty.data(), n, tekst.data());
        return tekst;
    }
    case TagiStrumienia::kTekstUtf8:
        return QString::fromUtf8(bajty);
    default: // short and long texts
        return ZeStronyKodowej(bajty.data(), bajty.size(), TStronaKodowa::Windows1250);
    }
}

QString TOdczytStrumienia::Zapamietany(uint8_t tag, QByteArrayView bajty) {
    // An empty text allocates nothing and shares nothing.
    if (bajty.isEmpty())
        return Dekoduj(tag, bajty);
    TTekst& t = fOstatnie[Miejsce(tag, bajty) % fOstatnie.size()];
    const bool teSame =
        t.tag == tag && t.bajty.size() == bajty.size() &&
        std::memcmp(t.bajty.data(), bajty.data(), static_cast<std::size_t>(bajty.size())) == 0;
    if (!teSame)
        t = TTekst{tag, bajty, Dekoduj(tag, bajty)};
    return t.tekst;
}
