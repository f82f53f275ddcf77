#include "ui/TEksportListy.h"

#include "app/Komunikaty.h"
#include "app/WyborCeluEksportu.h"
#include "format/TPlikCSV.h"
#include "platform/Clock.h"
#include "platform/Platform.h"
#include "ui/TListaRaportowa.h"
#include "ui/TWydrukListy.h"

#include <QPagedPaintDevice>

namespace {

// A row's first text without the indent TListaRaportowa::WcietaNazwa gives
// it under a group heading.
QStringList BezWciecia(QStringList komorki) {
    const QString wciecie = TListaRaportowa::WcietaNazwa({QString()}).first();
    if (!komorki.isEmpty() && komorki.first().startsWith(wciecie))
        komorki.first().remove(0, wciecie.size());
    return komorki;
}

} // namespace

QString TEksportListy::TytulEksportu() {
    return QStringLiteral("Ek&sportuj do CSV…");
}

QString TEksportListy::TytulDruku() {
    return QStringLiteral("Druku&j…");
}

TTabelaListy TEksportListy::Tabela(const TListaRaportowa& lista, const QString& tytul,
                                   const QString& podsumowanie) {
    TTabelaListy tabela;
    tabela.tytul = tytul;
    tabela.podsumowanie = podsumowanie;
    for (int c = 0; c < lista.IloscKolumn(); ++c) {
        tabela.kolumny.append(lista.TytulKolumny(c));
        tabela.doPrawej.append(lista.WyrownanieKolumny(c).testFlag(Qt::AlignRight));
    }
    const QStringList grupy = lista.Grupy();
    tabela.grupy = !grupy.isEmpty();
    for (const TWierszRaportu* wiersz : lista.Wiersze()) {
        if (tabela.grupy)
            tabela.wiersze.push_back({grupy.value(wiersz->grupa), BezWciecia(wiersz->komorki)});
        else
            tabela.wiersze.push_back({QString(), wiersz->komorki});
    }
    return tabela;
}

void TEksportListy::EksportujDoCSV(const TTabelaListy& tabela, const QString& plikDanych) {
    const QString sciezka =
        WybierzCelEksportu(QStringLiteral("Eksportuj do CSV"), QStringLiteral("Plik CSV (*.csv)"),
                           tabela.tytul + QStringLiteral(".csv"), plikDanych);
    if (sciezka.isEmpty())
        return;
    const QString blad = TPlikCSV::Zapisz(sciezka, tabela);
    if (!blad.isEmpty())
        PokazBlad(blad);
}

void TEksportListy::Drukuj(const TTabelaListy& tabela) {
    bool wydrukowano = true;
    const TWydrukListy wydruk(tabela, Now());
    Platform::printer().print(tabela.tytul, [&](QPagedPaintDevice& urzadzenie) {
        wydrukowano = wydruk.Drukuj(urzadzenie);
    });
    if (!wydrukowano)
        PokazBlad(QStringLiteral("Nie udało się wydrukować listy \"%1\": drukarka lub plik nie "
                                 "przyjmuje wydruku.")
                      .arg(tabela.tytul));
}
