#include "ui/TPasekKonczacychSieLokat.h"

#include "ui/KontrastTekstu.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>

namespace {
const QColor kTlo(255, 243, 205);
}

TPasekKonczacychSieLokat::TPasekKonczacychSieLokat(QWidget* parent)
    : QFrame(parent), fTekst(new QLabel(this)), fPokaz(new QPushButton(this)),
      fZamknij(new QToolButton(this)) {
    setObjectName(QStringLiteral("pan_KonczaceSie"));
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);
    fTekst->setObjectName(QStringLiteral("lbl_KonczaceSie"));
    fTekst->setWordWrap(true);
    fPokaz->setObjectName(QStringLiteral("btn_PokazKonczaceSie"));
    fPokaz->setText(QStringLiteral("Pokaż &je"));
    fPokaz->setAccessibleName(QStringLiteral("Zaznacz te lokaty na liście"));
    fPokaz->setToolTip(fPokaz->accessibleName());
    fZamknij->setObjectName(QStringLiteral("btn_ZamknijKonczaceSie"));
    fZamknij->setIcon(style()->standardIcon(QStyle::SP_TitleBarCloseButton));
    fZamknij->setAutoRaise(true);
    fZamknij->setFocusPolicy(Qt::StrongFocus);
    fZamknij->setAccessibleName(QStringLiteral("Zamknij pasek"));
    fZamknij->setToolTip(fZamknij->accessibleName());
    auto* uklad = new QHBoxLayout(this);
    uklad->setContentsMargins(8, 4, 4, 4);
    uklad->addWidget(fTekst, 1);
    uklad->addWidget(fPokaz);
    uklad->addWidget(fZamknij);
    connect(fPokaz, &QPushButton::clicked, this, &TPasekKonczacychSieLokat::PokazLokaty);
    connect(fZamknij, &QToolButton::clicked, this, [this] {
        fZamkniety = true;
        hide();
    });
    UstawKolory();
    hide();
}

void TPasekKonczacychSieLokat::Pokaz(const QString& tekst) {
    fTekst->setText(tekst);
    setVisible(!fZamkniety && !fTekst->text().isEmpty());
}

void TPasekKonczacychSieLokat::NowePokazanie() {
    fZamkniety = false;
}

QString TPasekKonczacychSieLokat::Tekst() const {
    return fTekst->text();
}

// The bar keeps its own background in a light and a dark palette alike; the
// roles set here survive the desktop's palette changes.
void TPasekKonczacychSieLokat::UstawKolory() {
    QPalette paleta = palette();
    paleta.setColor(QPalette::Window, kTlo);
    paleta.setColor(QPalette::WindowText, KolorCzytelnyNa(kTlo, {QColor(90, 60, 0)}));
    setPalette(paleta);
}
