#include "ui/TFormProgiOstrzezen.h"

#include "data/TUstawieniaLokat.h"
#include "ui/PomocOkien.h"
#include "ui/PrzyciskiDialogu.h"
#include "ui/THeaderPanel.h"
#include "ui/UkladDialogu.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QSpinBox>

namespace {

constexpr int kSzerokoscOkna = 520;

QSpinBox* PoleDni(QWidget* rodzic, const char* nazwa, const QString& opis) {
    auto* pole = new QSpinBox(rodzic);
    pole->setObjectName(QLatin1String(nazwa));
    pole->setAccessibleName(opis);
    pole->setRange(1, TUstawieniaLokat::kNajwiecejDni);
    // "1 dzień", "2 dni", "30 dni".
    const auto jednostka = [pole](int ile) {
        pole->setSuffix(ile == 1 ? QStringLiteral(" dzień") : QStringLiteral(" dni"));
    };
    QObject::connect(pole, &QSpinBox::valueChanged, pole, jednostka);
    jednostka(pole->value());
    return pole;
}

} // namespace

TFormProgiOstrzezen::TFormProgiOstrzezen(int dniDoNieaktualnosci, int dniDoZakonczenia,
                                         QWidget* owner)
    : QDialog(owner) {
    setObjectName(QStringLiteral("FormProgiOstrzezen"));
    setWindowTitle(QStringLiteral("Progi ostrzeżeń"));
    pan_1 = new THeaderPanel(QStringLiteral(" Kiedy ostrzegać o ofertach i lokatach?"),
                             TObrazekNaglowka::Lokaty, this);
    QWidget* pola = UtworzPola();
    se_DniDoNieaktualnosci->setValue(dniDoNieaktualnosci);
    se_DniDoZakonczenia->setValue(dniDoZakonczenia);
    QWidget* przyciski = UtworzPrzyciskiDialogu(this, QStringLiteral("OK"),
                                                QStringLiteral("Anuluj"), btn_OK, btn_Cancel);
    UlozDialog(this, pan_1, {pola}, przyciski, kSzerokoscOkna);
    UstawKlawiszPomocy(this, StronyPomocy::Lokaty);
}

QWidget* TFormProgiOstrzezen::UtworzPola() {
    auto* pola = new QWidget(this);
    auto* uklad = new QFormLayout(pola);
    uklad->setContentsMargins(0, 0, 0, 0);
    se_DniDoNieaktualnosci =
        PoleDni(pola, "se_DniDoNieaktualnosci",
                QStringLiteral("Po ilu dniach oferta jest oznaczana jako nieaktualna"));
    se_DniDoZakonczenia =
        PoleDni(pola, "se_DniDoZakonczenia",
                QStringLiteral("Na ile dni przed końcem lokata jest pokazywana jako kończąca się"));
    uklad->addRow(QStringLiteral("Oferta jest &nieaktualna, gdy jej dane są starsze niż:"),
                  se_DniDoNieaktualnosci);
    uklad->addRow(QStringLiteral("Lokata &kończy się wkrótce, gdy do końca zostało najwyżej:"),
                  se_DniDoZakonczenia);
    return pola;
}

int TFormProgiOstrzezen::DniDoNieaktualnosci() const {
    return se_DniDoNieaktualnosci->value();
}

int TFormProgiOstrzezen::DniDoZakonczenia() const {
    return se_DniDoZakonczenia->value();
}
