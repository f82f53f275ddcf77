#include "ui/UkladDialogu.h"

#include "ui/DopasowanieDoEkranu.h"

#include <QDialog>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QVBoxLayout>

namespace {

// Room for the window frame and title bar the window system adds.
constexpr int kRamkaOkna = 40;
constexpr int kMargines = 12;

QWidget* Zawartosc(QDialog* dialog, const QList<QWidget*>& tresc) {
    auto* zawartosc = new QWidget(dialog);
    auto* uklad = new QVBoxLayout(zawartosc);
    uklad->setContentsMargins(kMargines, kMargines, kMargines, 0);
    uklad->setSpacing(kMargines);
    for (QWidget* element : tresc)
        uklad->addWidget(element);
    uklad->addStretch(1);
    return zawartosc;
}

// Content too tall for the screen scrolls between the header and the buttons,
// which stay in view; the dialog can then be resized.
void Przewijana(QDialog* dialog, QVBoxLayout* uklad, QWidget* zawartosc, int wysokosc) {
    auto* przewijanie = new QScrollArea(dialog);
    przewijanie->setObjectName(QStringLiteral("przewijanie"));
    przewijanie->setFrameShape(QFrame::NoFrame);
    przewijanie->setFocusPolicy(Qt::NoFocus);
    przewijanie->setWidgetResizable(true);
    przewijanie->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    przewijanie->setWidget(zawartosc);
    uklad->insertWidget(1, przewijanie, 1);
    const int pasek = dialog->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    dialog->resize(zawartosc->sizeHint().width() + pasek, wysokosc);
}

} // namespace

void UlozDialog(QDialog* dialog, QWidget* naglowek, const QList<QWidget*>& tresc,
                QWidget* przyciski, int szerokosc) {
    auto* uklad = new QVBoxLayout(dialog);
    uklad->setContentsMargins(0, 0, 0, 0);
    uklad->setSpacing(0);
    uklad->addWidget(naglowek);
    // The fixed size follows the layout, which would ignore the dialog's own minimum.
    naglowek->setMinimumWidth(szerokosc);
    QWidget* zawartosc = Zawartosc(dialog, tresc);
    auto* dol = new QVBoxLayout;
    dol->setContentsMargins(kMargines, kMargines, kMargines, kMargines);
    dol->addWidget(przyciski);
    uklad->addLayout(dol);
    const int potrzebna =
        naglowek->sizeHint().height() + zawartosc->sizeHint().height() + dol->sizeHint().height();
    const int dostepna = ObszarEkranu(*dialog).height() - kRamkaOkna;
    if (dostepna <= 0 || potrzebna <= dostepna) {
        uklad->insertWidget(1, zawartosc);
        uklad->setSizeConstraint(QLayout::SetFixedSize);
        return;
    }
    Przewijana(dialog, uklad, zawartosc, dostepna);
}
