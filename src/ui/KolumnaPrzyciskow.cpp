#include "ui/KolumnaPrzyciskow.h"

#include <QScrollArea>
#include <QVBoxLayout>
#include <QWidget>

namespace {

constexpr int kSzerokoscKolumnyPrzyciskow = 66;

} // namespace

QWidget* KolumnaPrzyciskow(QWidget* rodzic, const QList<QWidget*>& gora,
                           const QList<QWidget*>& dol) {
    auto* przewijanie = new QScrollArea(rodzic);
    przewijanie->setFrameShape(QFrame::NoFrame);
    przewijanie->setFocusPolicy(Qt::NoFocus);
    przewijanie->setWidgetResizable(true);
    przewijanie->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    przewijanie->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    przewijanie->viewport()->setAutoFillBackground(false);
    auto* kolumna = new QWidget(przewijanie);
    int szerokosc = kSzerokoscKolumnyPrzyciskow;
    for (const QWidget* w : gora + dol)
        szerokosc = qMax(szerokosc, w->sizeHint().width() + 6);
    przewijanie->setFixedWidth(szerokosc);
    przewijanie->setWidget(kolumna);
    // The tab's own background shows through, as without the scroll area.
    kolumna->setAutoFillBackground(false);
    auto* uklad = new QVBoxLayout(kolumna);
    uklad->setContentsMargins(3, 2, 3, 2);
    uklad->setSpacing(2);
    for (QWidget* w : gora)
        uklad->addWidget(w, 0, Qt::AlignHCenter);
    uklad->addStretch(1);
    for (QWidget* w : dol)
        uklad->addWidget(w, 0, Qt::AlignHCenter);
    return przewijanie;
}
