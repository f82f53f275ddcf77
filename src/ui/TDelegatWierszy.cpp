#include "ui/TDelegatWierszy.h"

#include "ui/KontrastTekstu.h"
#include "ui/TListaRaportowa.h"

#include <QAbstractItemView>
#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

TDelegatWierszy::TDelegatWierszy(TListaRaportowa* lista)
    : QStyledItemDelegate(lista), fLista(lista) {}

QColor TDelegatWierszy::KolorSiatki() {
    return QColor(225, 225, 225);
}

QColor TDelegatWierszy::KolorNaglowkaGrupy() {
    return QColor(30, 57, 145);
}

void TDelegatWierszy::initStyleOption(QStyleOptionViewItem* option,
                                      const QModelIndex& index) const {
    QStyledItemDelegate::initStyleOption(option, index);
    const auto kolory = fLista->KoloryWiersza(fLista->WierszDla(index));
    if (!kolory)
        return;
    option->backgroundBrush = kolory->tlo;
    // The background may be fixed while the text follows the desktop's palette
    // (light text in a dark theme): the text is chosen to be read on it.
    option->palette.setColor(
        QPalette::Text,
        KolorCzytelnyNa(kolory->tlo, {kolory->tekst, option->palette.color(QPalette::Text)}));
}

void TDelegatWierszy::paint(QPainter* painter, const QStyleOptionViewItem& option,
                            const QModelIndex& index) const {
    if (TModelRaportu::JestGrupa(index)) {
        RysujGrupe(painter, option, index);
        return;
    }
    QStyledItemDelegate::paint(painter, option, index);
    painter->save();
    painter->setPen(KolorSiatki());
    const QRect r = option.rect;
    painter->drawLine(r.bottomLeft(), r.bottomRight());
    painter->drawLine(r.topRight(), r.bottomRight());
    painter->restore();
}

QSize TDelegatWierszy::sizeHint(const QStyleOptionViewItem& option,
                                const QModelIndex& index) const {
    QSize rozmiar = QStyledItemDelegate::sizeHint(option, index);
    const int wysokoscWiersza = fLista->iconSize().height() + 4;
    rozmiar.setHeight(qMax(rozmiar.height(), wysokoscWiersza));
    return rozmiar;
}

void TDelegatWierszy::RysujGrupe(QPainter* painter, const QStyleOptionViewItem& option,
                                 const QModelIndex& index) const {
    painter->save();
    painter->fillRect(option.rect, option.palette.base());
    QFont czcionka = option.font;
    czcionka.setBold(true);
    painter->setFont(czcionka);
    painter->setPen(KolorCzytelnyNa(option.palette.color(QPalette::Base),
                                    {KolorNaglowkaGrupy(), option.palette.color(QPalette::Link),
                                     option.palette.color(QPalette::Text)}));
    const QRect tekst = option.rect.adjusted(6, 0, -6, 0);
    const QString naglowek = index.data(Qt::DisplayRole).toString();
    QRect zajety;
    painter->drawText(tekst, Qt::AlignLeft | Qt::AlignVCenter, naglowek, &zajety);
    const int y = option.rect.center().y() + 1;
    if (zajety.right() + 8 < tekst.right()) {
        painter->setPen(QColor(180, 195, 225));
        painter->drawLine(zajety.right() + 8, y, tekst.right(), y);
    }
    painter->restore();
}

bool TDelegatWierszy::helpEvent(QHelpEvent* event, QAbstractItemView* view,
                                const QStyleOptionViewItem& option, const QModelIndex& index) {
    if (event->type() != QEvent::ToolTip || TModelRaportu::JestGrupa(index))
        return QStyledItemDelegate::helpEvent(event, view, option, index);
    const QString tekst = index.data(Qt::DisplayRole).toString();
    // The text's room: the cell less the margins the style keeps around it.
    const int miejsce = option.rect.width() - 8;
    if (option.fontMetrics.horizontalAdvance(tekst) <= miejsce) {
        QToolTip::hideText();
        return QStyledItemDelegate::helpEvent(event, view, option, index);
    }
    QToolTip::showText(event->globalPos(), tekst, view->viewport(), option.rect);
    return true;
}
