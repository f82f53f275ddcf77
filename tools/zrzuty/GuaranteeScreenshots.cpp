#include "GuaranteeScreenshots.h"

#include "DialogPicture.h"
#include "SavePicture.h"
#include "data/TKolekcjeDanych.h"
#include "platform/Clock.h"
#include "ui/TFormPorownajOferty.h"
#include "ui/TLokatyFormGlowny.h"

#include <QCheckBox>
#include <QTabWidget>
#include <QToolButton>
#include <memory>

namespace {

const QString kBankPonadLimit = QStringLiteral("Bank Łąkowy S.A.");
const QString kBankZeStarymiOfertami = QStringLiteral("Żółty Bank Spółdzielczy");
// Enough, with the bank's other deposits, to pass 100 000 EUR at any
// plausible rate of the euro.
constexpr double kDuzaKwota = 450000;
constexpr int kWiekStarychOfert = 45;

const THarmonogramLokatyBankowej* OfertaBanku(TKolekcjeDanych& kolekcje, const QString& bank) {
    for (const auto& oferta : kolekcje.HarmonogramyLokatBankowych())
        if (oferta->Bank() == bank)
            return oferta.get();
    return nullptr;
}

void DodajDuzaLokate(TKolekcjeDanych& kolekcje) {
    const THarmonogramLokatyBankowej* oferta = OfertaBanku(kolekcje, kBankPonadLimit);
    if (!oferta)
        return;
    kolekcje.Lokaty().push_back(std::make_unique<TLokata>(
        -100, QStringLiteral("Spadek"), kDuzaKwota, IncMonth(Today(), -1), 12,
        TJednostkaOkresu::Miesiac, oferta->Id(), true, TTypModyfikacji::Dodano));
}

void PostarzOferty(TKolekcjeDanych& kolekcje) {
    for (const auto& oferta : kolekcje.HarmonogramyLokatBankowych())
        if (oferta->Bank() == kBankZeStarymiOfertami)
            oferta->fDataDodaniaModyfikacji = Now() - kWiekStarychOfert;
}

// 100 000 zł for about a year, the old offers shown with their age: the
// offers of the bank already over the limit are marked.
void WypelnijPorownanie(QDialog& dialog) {
    auto* porownanie = qobject_cast<TFormPorownajOferty*>(&dialog);
    if (!porownanie)
        return;
    TKryteriaRankingu kryteria = porownanie->Kryteria();
    kryteria.kwota = 100000;
    kryteria.okres = 12;
    kryteria.jednostka = TJednostkaOkresu::Miesiac;
    kryteria.tolerancja = 12;
    porownanie->UstawKryteria(kryteria);
    porownanie->chb_PominNieaktualne->setChecked(false);
}

} // namespace

void TakeGuaranteeScreenshots(TLokatyFormGlowny& okno, const QDir& folder) {
    TKolekcjeDanych* kolekcje = okno.Kolekcje();
    auto* zakladki = okno.findChild<QTabWidget*>();
    if (!kolekcje || !zakladki)
        return;
    DodajDuzaLokate(*kolekcje);
    PostarzOferty(*kolekcje);
    okno.WypelnijListy(true);
    zakladki->setCurrentIndex(0);
    // The notice under the summary blinks; the picture shows it lit.
    if (auto* uwaga = okno.findChild<QWidget*>(QStringLiteral("Label1")))
        uwaga->show();
    SavePicture(okno, folder, QStringLiteral("gwarancja_bfg.png"));
    zakladki->setCurrentIndex(1);
    SavePicture(okno, folder, QStringLiteral("oferty_nieaktualne.png"));
    if (auto* porownaj = okno.findChild<QToolButton*>(QStringLiteral("sbtn_PorownajOferty"))) {
        DialogPicture zrzut(folder, QStringLiteral("porownaj_gwarancja.png"), WypelnijPorownanie);
        porownaj->click();
    }
    zakladki->setCurrentIndex(0);
}
