#include "ui/import/WyborWierszy.h"

#include "ui/TekstNaEkranie.h"

#include <QAction>
#include <QMenu>
#include <QPushButton>
#include <QTreeWidget>

namespace {
const char kTag[] = "Tag";
} // namespace

int IloscZaznaczonychWierszy(const QTreeWidget& lista) {
    int ile = 0;
    for (int i = 0; i < lista.topLevelItemCount(); ++i)
        ile += lista.topLevelItem(i)->checkState(0) == Qt::Checked ? 1 : 0;
    return ile;
}

void ZaznaczWszystkieWiersze(QTreeWidget& lista, bool zaznacz) {
    for (int i = 0; i < lista.topLevelItemCount(); ++i)
        lista.topLevelItem(i)->setCheckState(0, zaznacz ? Qt::Checked : Qt::Unchecked);
}

bool PrzelaczWyborWszystkich(QPushButton& przycisk) {
    const bool zaznacz = przycisk.property(kTag).toInt() == 0;
    przycisk.setProperty(kTag, zaznacz ? 1 : 0);
    return zaznacz;
}

QPushButton* UtworzPrzycisk(const char* nazwa, const QString& tekst, QWidget* rodzic) {
    auto* przycisk = new QPushButton(TekstNaEkranie(tekst), rodzic);
    przycisk->setObjectName(QLatin1String(nazwa));
    przycisk->setAutoDefault(false);
    return przycisk;
}

QMenu* UtworzMenuWyboru(QAbstractItemView& lista, QWidget& okno, QAction*& wybierz,
                        QAction*& pomin) {
    auto* menu = new QMenu(&okno);
    menu->setObjectName(QStringLiteral("PopupMenu1"));
    wybierz = menu->addAction(QStringLiteral("&Wybierz wszystkie"));
    wybierz->setObjectName(QStringLiteral("Wybierzwszystkie1"));
    pomin = menu->addAction(QStringLiteral("&Pomiń wszystkie"));
    pomin->setObjectName(QStringLiteral("Pomiwszystkie1"));
    lista.setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(
        &lista, &QWidget::customContextMenuRequested, menu,
        [&lista, menu](const QPoint& punkt) { menu->popup(lista.viewport()->mapToGlobal(punkt)); });
    return menu;
}
