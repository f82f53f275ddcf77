#include "domain/PlikOfert.h"

#include "format/TagiStrumienia.h"

#include "format/EPlikOfert.h"
#include "format/TOdczytStrumienia.h"
#include "format/TZapisStrumienia.h"
#include "platform/Clock.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>

namespace {

const QString kNazwaKlasy = QStringLiteral("THarmonogramLokatyBankowej");
// A record with short texts takes about this many bytes.
constexpr qsizetype kTypowaDlugoscWpisu = 160;

[[noreturn]] void BladPliku(const QString& poczatek, const QString& sciezka, const QString& powod) {
    throw EPlikOfert(poczatek + QLatin1String(" \"") + QDir::toNativeSeparators(sciezka) +
                     QLatin1String("\": ") + powod);
}

// The reader's verdict on the bytes of the file at `sciezka`, its message
// after a sentence for the user: a file without the signature is not an
// offer file at all, one with it is damaged or cut short.
TListaOfert CzytajPlik(QByteArrayView bajty, const QString& sciezka, bool zSygnatura) {
    try {
        return OdczytajOfertyZBajtow(bajty);
    } catch (const EPlikOfert& blad) {
        const QString plik =
            QLatin1String("Plik \"") + QDir::toNativeSeparators(sciezka) + QLatin1Char('"');
        const QString opis =
            zSygnatura ? QStringLiteral(" jest uszkodzony lub niepełny; nie można odczytać "
                                        "zapisanych w nim lokat bankowych.")
                       : QStringLiteral(" nie jest plikiem lokat bankowych tego programu.");
        throw EPlikOfert(plik + opis + QLatin1Char('\r') + blad.Message());
    }
}

// Room for as many offers as entries like the first one (of `dlugosc`
// bytes) would fill the file, so that the list is not moved as it grows.
void RezerwujNaWpisy(TListaOfert& oferty, qsizetype rozmiarPliku, qsizetype dlugosc) {
    oferty.reserve(static_cast<std::size_t>(rozmiarPliku / std::max<qsizetype>(dlugosc, 1) + 1));
}

} // namespace

QByteArray ZapiszOfertyDoBajtow(const TListaOfert& oferty) {
    TZapisStrumienia zapis(16 + static_cast<qsizetype>(oferty.size()) * kTypowaDlugoscWpisu);
    zapis.WriteSignature();
    zapis.WriteListBegin();
    for (const auto& oferta : oferty) {
        if (!oferta)
            continue;
        zapis.WriteListBegin();
        zapis.WriteString(kNazwaKlasy);
        oferta->WriteToStream(zapis);
        zapis.WriteListEnd();
    }
    zapis.WriteListEnd();
    return zapis.Bajty();
}

void EksportujOfertyDoPliku(const TListaOfert& oferty, const QString& sciezka) {
    const QString zapisywanie = QStringLiteral("Nie udało się zapisać pliku");
    if (QFileInfo(sciezka).isDir())
        BladPliku(zapisywanie, sciezka, QStringLiteral("to jest folder"));
    const QByteArray bajty = ZapiszOfertyDoBajtow(oferty);
    // QSaveFile writes beside the target, syncs and closes, then renames;
    // unless committed, it removes its temporary file.
    QSaveFile plik(sciezka);
    if (!plik.open(QIODevice::WriteOnly))
        BladPliku(zapisywanie, sciezka, plik.errorString());
    if (plik.write(bajty) != bajty.size())
        BladPliku(zapisywanie, sciezka, plik.errorString());
    if (!plik.commit())
        BladPliku(zapisywanie, sciezka, plik.errorString());
}

TListaOfert OdczytajOfertyZBajtow(QByteArrayView bajty) {
    TOdczytStrumienia odczyt(bajty);
    TListaOfert oferty;
    const TDateTime chwila = Now();
    odczyt.ReadSignature();
    odczyt.ReadListBegin();
    while (!odczyt.EndOfList()) {
        const qsizetype poczatekWpisu = odczyt.Pozycja();
        odczyt.ReadListBegin();
        odczyt.SkipString(); // the class name
        while (!odczyt.EndOfList()) {
            auto oferta = std::make_unique<THarmonogramLokatyBankowej>(chwila);
            oferta->ReadFromStream(odczyt, chwila);
            if (oferty.empty())
                RezerwujNaWpisy(oferty, bajty.size(), odczyt.Pozycja() - poczatekWpisu);
            oferty.push_back(std::move(oferta));
        }
        odczyt.ReadListEnd();
    }
    odczyt.ReadListEnd();
    // A first entry much shorter than the rest leaves too much room.
    if (oferty.capacity() > 2 * oferty.size() + 16)
        oferty.shrink_to_fit();
    return oferty;
}

// Only a regular file is read (a FIFO would wait forever, a device never
// end); its signature is checked before anything else, and the rest is
// mapped rather than copied, so memory follows what the reader touches.
TListaOfert OdczytajOfertyZPliku(const QString& sciezka) {
    const QString odczyt = QStringLiteral("Nie udało się odczytać pliku");
    if (QFileInfo::exists(sciezka) && !QFileInfo(sciezka).isFile())
        BladPliku(odczyt, sciezka, QStringLiteral("to nie jest zwykły plik"));
    QFile plik(sciezka);
    if (!plik.open(QIODevice::ReadOnly))
        BladPliku(odczyt, sciezka, plik.errorString());
    const QByteArray sygnatura = plik.peek(TagiStrumienia::kDlugoscSygnatury);
    if (sygnatura != QByteArray(TagiStrumienia::kSygnatura, TagiStrumienia::kDlugoscSygnatury))
        return CzytajPlik(sygnatura, sciezka, false); // the reader's own verdict on the signature
    const qint64 rozmiar = plik.size();
    if (const uchar* mapa = plik.map(0, rozmiar))
        return CzytajPlik(QByteArray::fromRawData(reinterpret_cast<const char*>(mapa), rozmiar),
                          sciezka, true);
    const QByteArray bajty = plik.readAll();
    if (plik.error() != QFileDevice::NoError)
        BladPliku(odczyt, sciezka, plik.errorString());
    return CzytajPlik(bajty, sciezka, true);
}
