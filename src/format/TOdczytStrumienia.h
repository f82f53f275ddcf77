#pragma once
#include "format/TagiStrumienia.h"

#include <QByteArrayView>
#include <QString>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <limits>

// Reads the typed values of an offer file from bytes in memory. It accepts
// more than the writer produces (see each reading) and never trusts a length
// it reads: a value that runs past the end fails with "Stream read error"
// before anything of that size is made. A tag that does not fit fails with
// "Invalid property value". Failures are EPlikOfert.
//
// Keeps no state beyond its position and texts it has read: separate
// readers may run on separate threads at the same time.
class TOdczytStrumienia {
public:
    explicit TOdczytStrumienia(QByteArrayView bajty);

    // The four bytes "TPF0", else "Invalid stream format".
    void ReadSignature();
    void ReadListBegin();
    void ReadListEnd();
    // Whether the next tag ends a list (it is not consumed).
    bool EndOfList() const;
    // 8-, 16- or 32-bit, sign-extended; the 64-bit tag is refused.
    int32_t ReadInteger();
    // A term: as ReadInteger (the 32 bits kept as unsigned), and also the
    // 64-bit tag the writer uses above 2147483647, when the value fits.
    uint32_t ReadUInt32();
    // Extended or double float, or any integer tag (64-bit included).
    double ReadFloat();
    // True only for the true tag; any other byte is false.
    bool ReadBoolean();
    // Short and long texts (bytes of the Windows-1250 code page, of which
    // ASCII is a part), UTF-16 and UTF-8 texts.
    QString ReadString();
    // Moves past a text, checked as ReadString checks it, without making it.
    void SkipString();
    // How many bytes have been read.
    qsizetype Pozycja() const { return fPozycja; }

private:
    // Moves past n bytes and returns where they start; fails when fewer are
    // left. Inline, as the readings of single values below the class are:
    // the calls of a shared library's exported functions would not be, and a
    // record is mostly such values.
    const char* Bajty(qsizetype n) {
        if (n < 0 || n > fBajty.size() - fPozycja)
            BladOdczytu();
        const char* poczatek = fBajty.data() + fPozycja;
        fPozycja += n;
        return poczatek;
    }
    template <typename T> T Liczba() {
        const auto* bajty = reinterpret_cast<const uint8_t*>(Bajty(sizeof(T)));
        uint64_t wartosc = 0;
        for (std::size_t i = 0; i < sizeof(T); ++i)
            wartosc |= uint64_t{bajty[i]} << (8 * i);
        return static_cast<T>(wartosc);
    }
    uint8_t ReadTag() { return Liczba<uint8_t>(); }
    // The bytes of a text with the tag, checked as a reading checks them.
    QByteArrayView BajtyTekstu(uint8_t tag);
    static QString Dekoduj(uint8_t tag, QByteArrayView bajty);
    // The text of the bytes: a text read before when it was stored in the
    // same bytes (sharing its characters), else decoded.
    QString Zapamietany(uint8_t tag, QByteArrayView bajty);
    uint8_t NastepnyTag() const;
    [[noreturn]] static void BladOdczytu();
    [[noreturn]] static void BladWartosci();
    int64_t LiczbaCalkowita(uint8_t tag, bool z64Bitowa);

    // A text read, with the tag and bytes it was stored in; its first and
    // last eight bytes (all of them in a text of up to eight, padded with
    // zeros) are kept too, which tell a text of up to sixteen bytes without
    // comparing any more of them.
    struct alignas(64) TTekst {
        uint64_t poczatek = 0;
        uint64_t koniec = 0;
        QByteArrayView bajty;
        QString tekst;
        uint8_t tag = 0;
    };

    QByteArrayView fBajty;
    qsizetype fPozycja = 0;
    // Texts read, in pairs: a text goes to the pair its bytes hash to, the
    // last one used of the pair first; a new text takes the place of the one
    // used longer ago. The records of a file mostly repeat texts (the banks,
    // the same terms), which are then neither decoded nor allocated again,
    // and two of them that meet in one pair do not push each other out.
    std::array<TTekst, 128> fOstatnie;
};

// The readings of single values, inline (see Bajty).

inline uint8_t TOdczytStrumienia::NastepnyTag() const {
    if (fPozycja >= fBajty.size())
        BladOdczytu();
    return static_cast<uint8_t>(fBajty[fPozycja]);
}

inline void TOdczytStrumienia::ReadListBegin() {
    if (ReadTag() != TagiStrumienia::kLista)
        BladWartosci();
}

inline void TOdczytStrumienia::ReadListEnd() {
    if (ReadTag() != TagiStrumienia::kKoniecListy)
        BladWartosci();
}

inline bool TOdczytStrumienia::EndOfList() const {
    return NastepnyTag() == TagiStrumienia::kKoniecListy;
}

inline int64_t TOdczytStrumienia::LiczbaCalkowita(uint8_t tag, bool z64Bitowa) {
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
    BladWartosci();
}

inline int32_t TOdczytStrumienia::ReadInteger() {
    return static_cast<int32_t>(LiczbaCalkowita(ReadTag(), false));
}

inline uint32_t TOdczytStrumienia::ReadUInt32() {
    const uint8_t tag = ReadTag();
    const int64_t wartosc = LiczbaCalkowita(tag, true);
    if (tag != TagiStrumienia::kInt64)
        return static_cast<uint32_t>(wartosc);
    if (wartosc < 0 || wartosc > std::numeric_limits<uint32_t>::max())
        BladWartosci();
    return static_cast<uint32_t>(wartosc);
}

inline double TOdczytStrumienia::ReadFloat() {
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

inline bool TOdczytStrumienia::ReadBoolean() {
    return ReadTag() == TagiStrumienia::kTrue;
}

inline QString TOdczytStrumienia::ReadString() {
    const uint8_t tag = ReadTag();
    return Zapamietany(tag, BajtyTekstu(tag));
}

inline QByteArrayView TOdczytStrumienia::BajtyTekstu(uint8_t tag) {
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
        BladWartosci();
    }
    return {Bajty(n), n};
}
