#pragma once
#include <QStyledItemDelegate>

class TListaRaportowa;

// Paints the cells of a report list: the row colours the list chooses, grid
// lines, and group headers as a bold caption followed
// by a rule across the list.
class TDelegatWierszy : public QStyledItemDelegate {
    Q_OBJECT

public:
    explicit TDelegatWierszy(TListaRaportowa* lista);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    // Group headers are as tall as rows (the list has uniform row heights).
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    // A text cut short by its column ("…") shows whole as the cell's tooltip.
    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override;

    static QColor KolorSiatki();
    static QColor KolorNaglowkaGrupy();

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;

private:
    void RysujGrupe(QPainter* painter, const QStyleOptionViewItem& option,
                    const QModelIndex& index) const;

    TListaRaportowa* fLista;
};
