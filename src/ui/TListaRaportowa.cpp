#include "ui/TListaRaportowa.h"

#include "ui/TDelegatWierszy.h"
#include "ui/TFormSize.h"
#include "ui/TSzerokosciKolumn.h"

#include <QEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QSettings>

TListaRaportowa::TListaRaportowa(const char* nazwa, QWidget* parent)
    : QTreeView(parent), fModel(new TModelRaportu(this)) {
    setObjectName(QLatin1String(nazwa));
    setModel(fModel);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setExpandsOnDoubleClick(false);
    setIndentation(0);
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setAllColumnsShowFocus(true);
    setIconSize(QSize(32, 32));
    setSortingEnabled(false);
    setTextElideMode(Qt::ElideRight);
    header()->setSectionsClickable(true);
    header()->setSortIndicatorShown(false);
    header()->setStretchLastSection(false);
    header()->setSectionsMovable(false);
    header()->setSectionResizeMode(QHeaderView::Interactive);
    connect(header(), &QHeaderView::sectionResized, this, [this](int kolumna, int, int szerokosc) {
        if (!fUstawiaSzerokosc)
            fReczne[kolumna] = szerokosc;
    });
    setItemDelegate(new TDelegatWierszy(this));
    connect(this, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex& indeks) {
        if (const TWierszRaportu* wiersz = WierszDla(indeks))
            emit WierszZatwierdzony(*wiersz);
    });
}

TListaRaportowa::~TListaRaportowa() = default;

void TListaRaportowa::UstawKolumny(const QStringList& tytuly,
                                   const QList<Qt::Alignment>& wyrownania) {
    fModel->UstawKolumny(tytuly, wyrownania);
}

void TListaRaportowa::WyczyscKolumny() {
    fModel->UstawKolumny({}, {});
}

Qt::Alignment TListaRaportowa::WyrownanieKolumny(int kolumna) const {
    return fModel->WyrownanieKolumny(kolumna);
}

QString TListaRaportowa::TytulKolumny(int kolumna) const {
    return fModel->Tytuly().value(kolumna);
}

int TListaRaportowa::IloscKolumn() const {
    return static_cast<int>(fModel->Tytuly().size());
}

void TListaRaportowa::Wypelnij(const QStringList& grupy, std::vector<TWierszRaportu> wiersze) {
    fModel->Wypelnij(grupy, std::move(wiersze));
    for (int g = 0; g < fModel->rowCount(); ++g)
        if (TModelRaportu::JestGrupa(fModel->index(g, 0)))
            setFirstColumnSpanned(g, {}, true);
    expandAll();
}

void TListaRaportowa::Dopisz(std::vector<TWierszRaportu> wiersze) {
    fModel->Dopisz(std::move(wiersze));
}

void TListaRaportowa::Wyczysc() {
    fModel->Wyczysc();
}

QStringList TListaRaportowa::WcietaNazwa(QStringList komorki) {
    if (!komorki.isEmpty())
        komorki.first().prepend(QStringLiteral("  "));
    return komorki;
}

const TWierszRaportu* TListaRaportowa::WybranyWiersz() const {
    // Of several selected rows, the current one.
    const QModelIndex biezacy = currentIndex();
    if (biezacy.isValid() && selectionModel()->isRowSelected(biezacy.row(), biezacy.parent()))
        if (const TWierszRaportu* wiersz = WierszDla(biezacy))
            return wiersz;
    const QModelIndexList wybrane = selectionModel()->selectedRows();
    for (const QModelIndex& indeks : wybrane)
        if (const TWierszRaportu* wiersz = WierszDla(indeks))
            return wiersz;
    return nullptr;
}

void TListaRaportowa::Zaznacz(const TWierszRaportu& wiersz) {
    const QModelIndex indeks = IndeksWiersza(wiersz);
    setCurrentIndex(indeks);
    scrollTo(indeks);
}

void TListaRaportowa::ZaznaczRekord(const void* rekord) {
    if (rekord)
        for (const TWierszRaportu& wiersz : fModel->Wiersze())
            if (wiersz.rekord == rekord) {
                Zaznacz(wiersz);
                return;
            }
    clearSelection();
}

void TListaRaportowa::ZaznaczRekordy(const QList<const void*>& rekordy) {
    clearSelection();
    QItemSelection zaznaczenie;
    QModelIndex pierwszy;
    for (const TWierszRaportu* wiersz : Wiersze()) {
        if (!rekordy.contains(wiersz->rekord))
            continue;
        const QModelIndex indeks = IndeksWiersza(*wiersz);
        if (!pierwszy.isValid())
            pierwszy = indeks;
        zaznaczenie.select(indeks, indeks);
    }
    if (!pierwszy.isValid())
        return;
    selectionModel()->setCurrentIndex(pierwszy, QItemSelectionModel::NoUpdate);
    selectionModel()->select(zaznaczenie,
                             QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    scrollTo(pierwszy);
}

void TListaRaportowa::DopasujSzerokoscKolumn() {
    if (!fMiara)
        fMiara = std::make_unique<TSzerokosciKolumn>(font());
    const QList<int> szerokosci = fMiara->Szerokosci(fModel->Tytuly(), fModel->Wiersze());
    fNaturalne.clear();
    for (int kolumna = 0; kolumna < szerokosci.size(); ++kolumna) {
        int szerokosc = szerokosci[kolumna];
        if (kolumna == 0) {
            szerokosc += fModel->MaIkone() ? iconSize().width() : 0;
            szerokosc += fModel->MaPolaWyboru() ? 20 : 0;
        }
        fNaturalne.append(szerokosc + 20);
    }
    ZmiescKolumny();
}

int TListaRaportowa::NaturalnaSzerokosc() const {
    int suma = 0;
    for (int kolumna = 0; kolumna < fNaturalne.size(); ++kolumna)
        suma += fReczne.value(kolumna, fNaturalne[kolumna]);
    return suma;
}

QString TListaRaportowa::KluczSzerokosci() const {
    return QStringLiteral("Kolumny/") + objectName();
}

void TListaRaportowa::WczytajReczneSzerokosci(const QSettings& sekcja) {
    fReczne.clear();
    const QStringList pary =
        sekcja.value(KluczSzerokosci()).toString().split(QLatin1Char(','), Qt::SkipEmptyParts);
    for (const QString& para : pary) {
        const QStringList czesci = para.split(QLatin1Char(':'));
        bool kolumnaOk = false;
        bool szerokoscOk = false;
        const int kolumna = czesci.value(0).toInt(&kolumnaOk);
        const int szerokosc = czesci.value(1).toInt(&szerokoscOk);
        // What another program or a damaged file left there is passed over.
        if (czesci.size() == 2 && kolumnaOk && szerokoscOk && kolumna >= 0 && kolumna < 100 &&
            szerokosc >= header()->minimumSectionSize() && szerokosc <= 10000)
            fReczne[kolumna] = szerokosc;
    }
    if (!fNaturalne.isEmpty())
        ZmiescKolumny();
}

void TListaRaportowa::ZapiszReczneSzerokosci(QSettings& sekcja) const {
    if (fReczne.isEmpty()) {
        sekcja.remove(KluczSzerokosci());
        return;
    }
    QStringList pary;
    for (auto it = fReczne.cbegin(); it != fReczne.cend(); ++it)
        pary << QStringLiteral("%1:%2").arg(it.key()).arg(it.value());
    sekcja.setValue(KluczSzerokosci(), pary.join(QLatin1Char(',')));
}

void TListaRaportowa::PamietajSzerokosciKolumn(const TFormSize& polozenie) {
    QWidget* okno = polozenie.Form();
    connect(&polozenie, &TFormSize::SizeRestored, okno, [okno](const QSettings& sekcja) {
        for (TListaRaportowa* lista : okno->findChildren<TListaRaportowa*>())
            lista->WczytajReczneSzerokosci(sekcja);
    });
    connect(&polozenie, &TFormSize::SizeWriting, okno, [okno](QSettings& sekcja) {
        for (const TListaRaportowa* lista : okno->findChildren<TListaRaportowa*>())
            lista->ZapiszReczneSzerokosci(sekcja);
    });
}

void TListaRaportowa::UstawSzerokosc(int kolumna, int szerokosc) {
    fUstawiaSzerokosc = true;
    setColumnWidth(kolumna, fReczne.value(kolumna, szerokosc));
    fUstawiaSzerokosc = false;
}

// The flexible columns give what the others leave too little room for.
void TListaRaportowa::ZmiescKolumny() {
    int nadmiar = NaturalnaSzerokosc() - viewport()->width();
    QMap<int, int> ustapi;
    int mogaUstapic = 0;
    for (const int kolumna : fElastyczne) {
        if (kolumna >= fNaturalne.size() || fReczne.contains(kolumna))
            continue;
        const int tytul =
            header()->fontMetrics().horizontalAdvance(fModel->Tytuly().value(kolumna));
        ustapi[kolumna] = std::max(0, fNaturalne[kolumna] - (tytul + 24));
        mogaUstapic += ustapi[kolumna];
    }
    for (int kolumna = 0; kolumna < fNaturalne.size(); ++kolumna) {
        int szerokosc = fNaturalne[kolumna];
        if (nadmiar > 0 && mogaUstapic > 0 && ustapi.contains(kolumna))
            szerokosc -= static_cast<int>(std::min<qint64>(
                ustapi[kolumna], qint64{nadmiar} * ustapi[kolumna] / mogaUstapic + 1));
        UstawSzerokosc(kolumna, szerokosc);
    }
}

void TListaRaportowa::resizeEvent(QResizeEvent* event) {
    QTreeView::resizeEvent(event);
    if (!fElastyczne.isEmpty())
        ZmiescKolumny();
}

void TListaRaportowa::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const TWierszRaportu* wiersz = WybranyWiersz();
    if (enter && wiersz && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        event->accept();
        emit WierszZatwierdzony(*wiersz);
        return;
    }
    // Shift+F10 opens the context menu as the Menu key does, at the current row.
    if (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier &&
        contextMenuPolicy() == Qt::CustomContextMenu) {
        event->accept();
        const QRect obszar = visualRect(currentIndex());
        emit customContextMenuRequested(obszar.isValid() ? obszar.center()
                                                         : viewport()->rect().center());
        return;
    }
    QTreeView::keyPressEvent(event);
}

void TListaRaportowa::changeEvent(QEvent* event) {
    // Measured widths belong to the font they were measured in.
    if (event->type() == QEvent::FontChange)
        fMiara.reset();
    QTreeView::changeEvent(event);
}
