#include "ui/UkladDialogu.h"

#include <QDialog>
#include <QVBoxLayout>

void UlozDialog(QDialog* dialog, QWidget* naglowek, const QList<QWidget*>& tresc,
                QWidget* przyciski, int szerokosc) {
    auto* uklad = new QVBoxLayout(dialog);
    uklad->setContentsMargins(0, 0, 0, 0);
    uklad->setSpacing(0);
    uklad->setSizeConstraint(QLayout::SetFixedSize);
    uklad->addWidget(naglowek);
    auto* srodek = new QVBoxLayout;
    srodek->setContentsMargins(12, 12, 12, 12);
    srodek->setSpacing(12);
    for (QWidget* element : tresc)
        srodek->addWidget(element);
    srodek->addStretch(1);
    srodek->addWidget(przyciski);
    uklad->addLayout(srodek);
    // The fixed size follows the layout, which would ignore the dialog's own minimum.
    naglowek->setMinimumWidth(szerokosc);
}
