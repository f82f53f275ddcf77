#include "ui/TPodsumowanieLokat.h"

#include "ui/KontrastTekstu.h"
#include "ui/TAMHFlashLabel.h"
#include "ui/TEtykietaGwarancji.h"
#include "ui/TEtykietaSkracana.h"

#include <QResizeEvent>
#include <QVBoxLayout>

namespace {

const QString kTekstUwagiOZysku = QStringLiteral(
    "Obliczony zysk z lokat bankowych ma charakter przybliżony i nie powinien stanowić "
    "podstawy do decyzji inwestycyjnych.");

constexpr int kOdstepPodsumowania = 70;
constexpr int kOkresMigania = 900;

// A wrapped label's size hint guesses a narrow width and so too many lines;
// once laid out, its real width gives its real height.
int WysokoscEtykiety(const QWidget& etykieta, int szerokosc) {
    if (szerokosc > 0 && etykieta.hasHeightForWidth())
        return etykieta.heightForWidth(szerokosc);
    return etykieta.sizeHint().height();
}

} // namespace

TPodsumowanieLokat::TPodsumowanieLokat(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("pan_LokatyBottom"));
    // Large sums may not fit: the line then ends with "…" and shows whole as a tooltip.
    lbl_IleLokat = new TEtykietaSkracana(this);
    lbl_IleLokat->setObjectName(QStringLiteral("lbl_IleLokat"));
    QFont pogrubiona = lbl_IleLokat->font();
    pogrubiona.setBold(true);
    lbl_IleLokat->setFont(pogrubiona);
    lbl_GwarancjaBFG = new TEtykietaGwarancji(this);
    Label1 = new TAMHFlashLabel(kTekstUwagiOZysku, this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->SetInterval(kOkresMigania);
    // At the window's smallest width the notice is wider than the panel.
    Label1->setWordWrap(true);
    auto* dol = new QVBoxLayout(this);
    dol->setContentsMargins(kOdstepPodsumowania, 4, 4, 4);
    dol->setSpacing(4);
    dol->addWidget(lbl_IleLokat);
    dol->addWidget(lbl_GwarancjaBFG);
    dol->addWidget(Label1);
    dol->addStretch(1);
}

void TPodsumowanieLokat::UstawTekst(const QString& tekst) {
    lbl_IleLokat->UstawTekst(tekst);
}

QString TPodsumowanieLokat::Tekst() const {
    return lbl_IleLokat->text();
}

void TPodsumowanieLokat::UstawLinieGwarancji(const QStringList& linie) {
    lbl_GwarancjaBFG->UstawLinie(linie);
    UstawWysokosc();
}

void TPodsumowanieLokat::UstawWysokosc() {
    QLayout* uklad = layout();
    const QMargins marginesy = uklad->contentsMargins();
    const int szerokosc = width() - marginesy.left() - marginesy.right();
    int wysokosc = WysokoscEtykiety(*lbl_IleLokat, szerokosc) +
                   WysokoscEtykiety(*Label1, szerokosc) + marginesy.top() + marginesy.bottom() +
                   uklad->spacing();
    if (!lbl_GwarancjaBFG->isHidden())
        wysokosc += WysokoscEtykiety(*lbl_GwarancjaBFG, szerokosc) + uklad->spacing();
    setMinimumHeight(wysokosc);
}

void TPodsumowanieLokat::UstawKolorUwagi(const QPalette& paletaOkna) {
    QPalette paleta = Label1->palette();
    paleta.setColor(QPalette::WindowText, KolorOstrzezeniaNa(paletaOkna));
    Label1->setPalette(paleta);
}

// Its wrapped lines need another height when its width changes.
void TPodsumowanieLokat::resizeEvent(QResizeEvent* event) {
    if (event->oldSize().width() != width())
        UstawWysokosc();
    QWidget::resizeEvent(event);
}
