#include "common/widgets/ListInTest.h"

#include <QCoreApplication>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTest>
#include <QTreeView>
#include <gtest/gtest.h>

namespace ListInTest {

void ShowTab(QWidget& widget) {
    for (QWidget* w = &widget; w->parentWidget(); w = w->parentWidget())
        if (auto* strony = qobject_cast<QStackedWidget*>(w->parentWidget()))
            if (auto* zakladki = qobject_cast<QTabWidget*>(strony->parentWidget()))
                zakladki->setCurrentWidget(w);
}

QTreeView* FindList(const QWidget& okno, const char* nazwa) {
    auto* lista = okno.findChild<QTreeView*>(QLatin1String(nazwa));
    EXPECT_NE(lista, nullptr) << nazwa;
    if (lista)
        ShowTab(*lista);
    return lista;
}

QStringList ColumnTitles(const QTreeView& lista) {
    QStringList tytuly;
    for (int i = 0; i < lista.model()->columnCount(); ++i)
        tytuly << lista.model()->headerData(i, Qt::Horizontal).toString();
    return tytuly;
}

QList<QModelIndex> Rows(const QTreeView& lista) {
    const QAbstractItemModel& model = *lista.model();
    QList<QModelIndex> wiersze;
    for (int g = 0; g < model.rowCount(); ++g) {
        const QModelIndex element = model.index(g, 0);
        const int dzieci = model.rowCount(element);
        if (dzieci == 0)
            wiersze << element;
        for (int w = 0; w < dzieci; ++w)
            wiersze << model.index(w, 0, element);
    }
    return wiersze;
}

QStringList Cells(const QTreeView& lista, const QModelIndex& wiersz) {
    QStringList teksty;
    for (int i = 0; i < lista.model()->columnCount(); ++i)
        teksty << wiersz.siblingAtColumn(i).data().toString();
    return teksty;
}

QStringList Groups(const QTreeView& lista) {
    const QAbstractItemModel& model = *lista.model();
    QStringList wynik;
    for (int g = 0; g < model.rowCount(); ++g) {
        const QModelIndex grupa = model.index(g, 0);
        QStringList wiersze;
        for (int w = 0; w < model.rowCount(grupa); ++w)
            wiersze << model.index(w, 0, grupa).data().toString().trimmed();
        wynik << grupa.data().toString() + ": " + wiersze.join(", ");
    }
    return wynik;
}

QModelIndex RowWithText(const QTreeView& lista, const QString& tekst) {
    for (const QModelIndex& wiersz : Rows(lista))
        if (wiersz.data().toString().trimmed() == tekst)
            return wiersz;
    ADD_FAILURE() << "no row " << tekst.toStdString();
    return {};
}

void Click(QTreeView& lista, const QModelIndex& indeks) {
    QCoreApplication::processEvents(); // lays out a tab page just shown
    lista.scrollTo(indeks);
    const QRect r = lista.visualRect(indeks);
    QTest::mouseClick(lista.viewport(), Qt::LeftButton, {}, QPoint(r.left() + 40, r.center().y()));
}

} // namespace ListInTest
