#include "ui/TKoloryWierszyLokat.h"

#include "domain/TLokata.h"

TKoloryWiersza TKoloryWierszyLokat::Lokaty(const TLokata* lokata, const QPalette& paleta) {
    TKoloryWiersza systemowe{paleta.color(QPalette::Base), paleta.color(QPalette::Text)};
    if (!lokata)
        return systemowe;
    if (!lokata->Aktywna())
        return {TloNieaktywnej(), TekstNieaktywnej()};
    if (lokata->IloscDniDoZakonczenia() <= kDniDoWyroznienia)
        systemowe.tlo = TloKonczacejSie();
    return systemowe;
}

TKoloryWiersza TKoloryWierszyLokat::Harmonogramu(int indeks) {
    const QColor tlo = indeks % 2 == 0 ? TloParzystejOferty() : QColor(Qt::white);
    return {tlo, QColor(Qt::black)};
}
