#include "import/ListaBankow.h"

#include "domain/Pomocnicze.h"
#include "domain/PorownanieTekstow.h"
#include "import/PobieranieZInternetu.h"
#include "import/TDokumentHTML.h"

#include <QFile>
#include <algorithm>

namespace {

// Deletes the temporary page when the reading ends, however it ends.
class TPlikTymczasowy {
public:
    explicit TPlikTymczasowy(QString sciezka) : fSciezka(std::move(sciezka)) {}
    ~TPlikTymczasowy() { QFile::remove(fSciezka); }
    TPlikTymczasowy(const TPlikTymczasowy&) = delete;
    TPlikTymczasowy& operator=(const TPlikTymczasowy&) = delete;

    const QString& Sciezka() const { return fSciezka; }

private:
    QString fSciezka;
};

bool JestTabelaBankow(const TElementHTML& element) {
    return element.MaNazwe("table") &&
           element.Atrybut("id").compare(u"banki", Qt::CaseInsensitive) == 0;
}

} // namespace

TMapaBankow PobierzListeBankow(const QString& url, const QString& adresStrony) {
    const TPlikTymczasowy plik(KatalogTymczasowy() + QStringLiteral("banki.html"));
    PobierzPlikZInternetu(url, plik.Sciezka());
    QFile strona(plik.Sciezka());
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

QStringList PosortowaneNazwyBankow(const TMapaBankow& banki) {
    QStringList nazwy = banki.keys();
    const QCollator& bezWielkosci = KolatorTekstow(TWielkoscLiter::Ignoruj);
    const QCollator& zWielkoscia = KolatorTekstow(TWielkoscLiter::Rozrozniaj);
    std::sort(nazwy.begin(), nazwy.end(), [&](const QString& a, const QString& b) {
        int wynik = bezWielkosci.compare(a, b);
        if (wynik == 0)
            wynik = zWielkoscia.compare(a, b);
        return wynik != 0 ? wynik < 0 : a < b;
    });
    return nazwy;
}
