#include "format/TOdczytStrumienia.h"

#include "format/EPlikOfert.h"
#include "format/StronyKodowe.h"
#include "format/TagiStrumienia.h"

#include <QtEndian>
#include <cstring>
#include <utility>

namespace {

// The first and last eight bytes of a nonempty text; a shorter text is its
// bytes padded with zeros, twice.
struct TKrance {
    uint64_t poczatek = 0;
    uint64_t koniec = 0;
};

TKrance Krance(QByteArrayView bajty) {
    TKrance krance;
    const char* dane = bajty.data();
    const auto n = static_cast<std::size_t>(bajty.size());
    if (n >= sizeof(uint64_t)) {
        std::memcpy(&krance.poczatek, dane, sizeof(uint64_t));
        std::memcpy(&krance.koniec, dane + n - sizeof(uint64_t), sizeof(uint64_t));
        return krance;
    }
    for (std::size_t i = 0; i < n; ++i)
        krance.poczatek |= uint64_t{static_cast<uint8_t>(dane[i])} << (8 * i);
    krance.koniec = krance.poczatek;
    return krance;
}

// Whether two texts of n bytes (more than sixteen) agree between their first
// and last eight bytes. A short one is compared eight bytes at a time (the
// last eight bytes read may be some of the last eight of the text) rather
// than through a call.
bool TeSameMiedzyKrancami(const char* a, const char* b, std::size_t n) {
    constexpr std::size_t k = sizeof(uint64_t);
    if (n > 6 * k)
        return std::memcmp(a + k, b + k, n - 2 * k) == 0;
    for (std::size_t i = k; i < n - k; i += k) {
        uint64_t x = 0;
        uint64_t y = 0;
        std::memcpy(&x, a + i, k);
        std::memcpy(&y, b + i, k);
        if (x != y)
            return false;
    }
    return true;
}

// The pair of places of a text among the texts read (0 to 63): from the
// tag, the length and both ends, which tell apart the texts of a file (names
// and terms differ at their ends) without walking a long text.
std::size_t Para(uint8_t tag, std::size_t n, TKrance krance) {
    const uint64_t klucz = krance.poczatek ^ ((krance.koniec << 29) | (krance.koniec >> 35)) ^
                           ((uint64_t{n} << 8) | tag);
    return static_cast<std::size_t>((klucz * 0x9E3779B97F4A7C15ULL) >> 58);
}

} // namespace

TOdczytStrumienia::TOdczytStrumienia(QByteArrayView bajty) : fBajty(bajty) {}

void TOdczytStrumienia::BladOdczytu() {
    throw EPlikOfert(QStringLiteral("Stream read error"));
}

void TOdczytStrumienia::BladWartosci() {
    throw EPlikOfert(QStringLiteral("Invalid property value"));
}

void TOdczytStrumienia::ReadSignature() {
    if (std::memcmp(Bajty(TagiStrumienia::kDlugoscSygnatury), TagiStrumienia::kSygnatura,
                    TagiStrumienia::kDlugoscSygnatury) != 0)
        throw EPlikOfert(QStringLiteral("Invalid stream format"));
}

void TOdczytStrumienia::SkipString() {
    BajtyTekstu(ReadTag());
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
    const auto n = static_cast<std::size_t>(bajty.size());
    const TKrance krance = Krance(bajty);
    // Equal ends and lengths make texts of up to sixteen bytes equal; a
    // longer one compares what lies between its ends.
    const auto teSame = [&](const TTekst& t) {
        return t.tag == tag && static_cast<std::size_t>(t.bajty.size()) == n &&
               t.poczatek == krance.poczatek && t.koniec == krance.koniec &&
               (n <= 2 * sizeof(uint64_t) || TeSameMiedzyKrancami(t.bajty.data(), bajty.data(), n));
    };
    static_assert(std::tuple_size_v<decltype(fOstatnie)> == 2 * 64, "a pair for each of 64 hashes");
    TTekst* para = &fOstatnie[2 * Para(tag, n, krance)];
    if (teSame(para[0]))
        return para[0].tekst;
    if (teSame(para[1])) {
        std::swap(para[0], para[1]);
        return para[0].tekst;
    }
    para[1] = std::move(para[0]);
    para[0] = TTekst{krance.poczatek, krance.koniec, bajty, Dekoduj(tag, bajty), tag};
    return para[0].tekst;
}
