#include "import/ListaBankow.h"

#include "format/Pomocnicze.h"
#include "format/PorownanieTekstow.h"
#include "import/EImportError.h"
#include "import/PobieranieZInternetu.h"
#include "import/TDokumentHTML.h"
#include "platform/ShutdownFlag.h"

#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <tuple>
#include <vector>

namespace {

bool JestTabelaBankow(const TElementHTML& element) {
    return element.MaNazwe("table") &&
           element.Atrybut("id").compare(u"banki", Qt::CaseInsensitive) == 0;
}

} // namespace

// The page goes to a private folder of its own (made without following links,
// readable by the user only, unique), which goes with everything in it when
// the reading ends, however it ends: two fetches at once never share a file.
TMapaBankow PobierzListeBankow(const QString& url, const QString& adresStrony,
                               const std::atomic<bool>* zatrzymaj) {
    const QTemporaryDir katalog(KatalogTymczasowy() + QStringLiteral("talvora-XXXXXX"));
    if (!katalog.isValid())
        throw EImportError(QStringLiteral("Nie można utworzyć folderu tymczasowego: %1")
                               .arg(katalog.errorString()));
    const QString sciezka = katalog.filePath(QStringLiteral("banki.html"));
    PobierzPlikZInternetu(url, sciezka, zatrzymaj);
    if ((zatrzymaj && zatrzymaj->load()) || ShutdownFlag::isSet())
        return {};
    QFile strona(sciezka);
    if (!strona.open(QIODevice::ReadOnly))
        return {};
    const QByteArray tresc = strona.readAll();
    if (strona.error() != QFileDevice::NoError)
        return {};
    return CzytajListeBankow(tresc, adresStrony);
}

TMapaBankow CzytajListeBankow(const QByteArray& tresc, const QString& adresStrony) {
    TMapaBankow banki;
    const TDokumentHTML dokument(tresc);
    const std::optional<TElementHTML> body = dokument.Body();
    if (!body)
        return banki;
    for (const TElementHTML& tabela : body->Elementy()) {
        if (!JestTabelaBankow(tabela))
            continue;
        for (const TElementHTML& link : tabela.Elementy()) {
            if (!link.MaNazwe("a"))
                continue;
            const QString href = link.Atrybut("href");
            if (href.isEmpty())
                continue;
            banki.insert(link.Tekst(), adresStrony + QString(href).remove(QStringLiteral("about:"),
                                                                          Qt::CaseInsensitive));
        }
    }
    return banki;
}

// The map's keys come in the order of their code units, so their index
// breaks the ties of the collation as comparing the texts would.
QStringList PosortowaneNazwyBankow(const TMapaBankow& banki) {
    const QStringList klucze = banki.keys();
    const std::vector<QString> nazwy(klucze.begin(), klucze.end());
    const std::vector<int32_t> bezWielkosci = RangiTekstow(nazwy, TWielkoscLiter::Ignoruj);
    const std::vector<int32_t> zWielkoscia = RangiTekstow(nazwy, TWielkoscLiter::Rozrozniaj);
    std::vector<size_t> kolejnosc(nazwy.size());
    for (size_t i = 0; i < kolejnosc.size(); ++i)
        kolejnosc[i] = i;
    std::sort(kolejnosc.begin(), kolejnosc.end(), [&](size_t a, size_t b) {
        return std::tie(bezWielkosci[a], zWielkoscia[a], a) <
               std::tie(bezWielkosci[b], zWielkoscia[b], b);
    });
    QStringList wynik;
    wynik.reserve(klucze.size());
    for (size_t i : kolejnosc)
        wynik.append(nazwy[i]);
    return wynik;
}
