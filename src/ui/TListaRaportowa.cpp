#include "ui/TListaRaportowa.h"

#include "ui/TDelegatWierszy.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QTreeWidgetItemIterator>

namespace {
constexpr int kRolaRekordu = Qt::UserRole;
constexpr int kRolaGrupy = Qt::UserRole + 1;
constexpr int kRolaIndeksu = Qt::UserRole + 2;
} // namespace

TListaRaportowa::TListaRaportowa(const char* nazwa, QWidget* parent) : QTreeWidget(parent) {
    setObjectName(QLatin1String(nazwa));
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
    setItemDelegate(new TDelegatWierszy(this));
}

void TListaRaportowa::UstawKolumny(const QStringList& tytuly,
                                   const QList<Qt::Alignment>& wyrownania) {
    WyczyscKolumny();
    fWyrownania = wyrownania;
    setColumnCount(tytuly.size());
    setHeaderLabels(tytuly);
    for (int i = 0; i < tytuly.size(); ++i)
        headerItem()->setTextAlignment(i, WyrownanieKolumny(i) | Qt::AlignVCenter);
}

void TListaRaportowa::WyczyscKolumny() {
    clear();
    fWyrownania.clear();
    setColumnCount(0);
}

Qt::Alignment TListaRaportowa::WyrownanieKolumny(int kolumna) const {
    return fWyrownania.value(kolumna, Qt::AlignLeft);
}

QTreeWidgetItem* TListaRaportowa::UtworzGrupe(const QString& naglowek) {
    auto* grupa = new QTreeWidgetItem(QStringList{naglowek});
    grupa->setData(0, kRolaGrupy, true);
    grupa->setFlags(Qt::ItemIsEnabled);
    return grupa;
}

QStringList TListaRaportowa::WcietaNazwa(QStringList komorki) {
    if (!komorki.isEmpty())
        komorki.first().prepend(QStringLiteral("  "));
    return komorki;
}

QTreeWidgetItem* TListaRaportowa::UtworzWiersz(const QStringList& komorki, void* rekord, int indeks,
                                               const QIcon& ikona) {
    auto* wiersz = new QTreeWidgetItem(komorki);
    wiersz->setData(0, kRolaRekordu, QVariant::fromValue(rekord));
    wiersz->setData(0, kRolaIndeksu, indeks);
    wiersz->setIcon(0, ikona);
    return wiersz;
}

void TListaRaportowa::WstawGrupy(const QList<QTreeWidgetItem*>& grupy) {
    QList<QTreeWidgetItem*> niepuste;
    for (QTreeWidgetItem* grupa : grupy) {
        if (grupa->childCount() > 0)
            niepuste.append(grupa);
        else
            delete grupa;
    }
    addTopLevelItems(niepuste);
    for (QTreeWidgetItem* grupa : niepuste)
        grupa->setFirstColumnSpanned(true);
    expandAll();
}

bool TListaRaportowa::JestGrupa(const QTreeWidgetItem* wiersz) {
    return wiersz && wiersz->data(0, kRolaGrupy).toBool();
}

void* TListaRaportowa::Rekord(const QTreeWidgetItem* wiersz) {
    return wiersz ? wiersz->data(0, kRolaRekordu).value<void*>() : nullptr;
}

int TListaRaportowa::IndeksWiersza(const QTreeWidgetItem* wiersz) {
    return wiersz ? wiersz->data(0, kRolaIndeksu).toInt() : -1;
}

QTreeWidgetItem* TListaRaportowa::WybranyWiersz() const {
    const QList<QTreeWidgetItem*> wybrane = selectedItems();
    for (QTreeWidgetItem* wiersz : wybrane)
        if (!JestGrupa(wiersz))
            return wiersz;
    return nullptr;
}

void TListaRaportowa::ZaznaczRekord(const void* rekord) {
    for (QTreeWidgetItem* wiersz : Wiersze())
        if (rekord && Rekord(wiersz) == rekord) {
            setCurrentItem(wiersz);
            scrollToItem(wiersz);
            return;
        }
    clearSelection();
}

void TListaRaportowa::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    QTreeWidgetItem* wiersz = WybranyWiersz();
    if (enter && wiersz && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        event->accept();
        emit WierszZatwierdzony(wiersz);
        return;
    }
    QTreeWidget::keyPressEvent(event);
}

QList<QTreeWidgetItem*> TListaRaportowa::Wiersze() const {
    QList<QTreeWidgetItem*> wiersze;
    for (QTreeWidgetItemIterator it(const_cast<TListaRaportowa*>(this)); *it; ++it)
        if (!JestGrupa(*it))
            wiersze.append(*it);
    return wiersze;
}

int TListaRaportowa::IloscWierszy() const {
    int ile = 0;
    for (int i = 0; i < topLevelItemCount(); ++i) {
        const QTreeWidgetItem* element = topLevelItem(i);
        ile += JestGrupa(element) ? element->childCount() : 1;
    }
    return ile;
}

std::optional<TKoloryWiersza> TListaRaportowa::KoloryWiersza(const QTreeWidgetItem* wiersz) const {
    if (!fKolory || !wiersz || JestGrupa(wiersz))
        return std::nullopt;
    return fKolory(wiersz);
}
