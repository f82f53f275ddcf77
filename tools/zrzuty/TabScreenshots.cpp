#include "TabScreenshots.h"

#include "DialogPicture.h"
#include "GuaranteeScreenshots.h"
#include "ImportScreenshots.h"
#include "SavePicture.h"
#include "data/TKolekcjeDanych.h"
#include "domain/THarmonogramLokatyBankowej.h"
#include "platform/Clock.h"
#include "ui/TAMHFlashLabel.h"
#include "ui/TFormDodajEdytujLokate.h"
#include "ui/TFormDodajEdytujLokateBankowa.h"
#include "ui/TFormPorownajOferty.h"
#include "ui/TKwotaEdit.h"
#include "ui/TListaRaportowa.h"
#include "ui/TLokatyFormGlowny.h"
#include "ui/TSpinLiczby.h"

#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPalette>
#include <QSpinBox>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>

namespace {

// Time for the window to lay itself out and fill its lists.
constexpr int kOpoznienieMs = 500;

QString NazwaPliku(int zakladka) {
    switch (zakladka) {
    case 0:
        return QStringLiteral("lokaty.png");
    case 1:
        return QStringLiteral("oferty.png");
    case 2:
        return QStringLiteral("kalendarz.png");
    default:
        return QStringLiteral("zakladka") + QString::number(zakladka + 1) + QStringLiteral(".png");
    }
}

// A name, an amount and the first offer, with the offer's own term.
void WypelnijEdytor(TKolekcjeDanych& kolekcje, QDialog& dialog) {
    auto* edytor = qobject_cast<TFormDodajEdytujLokate*>(&dialog);
    if (!edytor)
        return;
    edytor->e_AddL_Nazwa->setText(QStringLiteral("Lokata na remont"));
    edytor->e_AddL_Ile->setValue(20000);
    if (edytor->cb_AddL_HarmonogramLokatyBankowej->count() == 0)
        return;
    edytor->cb_AddL_HarmonogramLokatyBankowej->setCurrentIndex(0);
    const THarmonogramLokatyBankowej* oferta =
        kolekcje.PobierzHarmonogramLokatyBankowejDlaID(kolekcje.PobierzIDKategoriiPoOpisie(
            edytor->WybranyHarmonogram(), TTabele::HarmonogramyLokatBankowych));
    if (oferta) {
        edytor->se_AddL_OkresLokaty->setValue(static_cast<int>(oferta->fOkresDepozytu));
        edytor->UstawJednostke(oferta->fJednostkaDepozytu);
    }
}

// A bank, a name and a rate typed into the empty offer editor.
void WypelnijEdytorOferty(QDialog& dialog) {
    auto* edytor = qobject_cast<TFormDodajEdytujLokateBankowa*>(&dialog);
    if (!edytor)
        return;
    edytor->cb_AddLB_Bank->setEditText(QStringLiteral("Bank Spółdzielczy w Łodzi"));
    edytor->e_AddLB_Nazwa->setText(QStringLiteral("Lokata na nowe środki"));
    edytor->se_AddLB_OkresDepozytu->setValue(6);
    edytor->se_OprocentowanieWSkaliRoku->setValue(5.6);
    edytor->se_KwotaMinimalna->setValue(1000);
    edytor->se_KwotaMaksymalna->setValue(200000);
    edytor->ZmianaDanych();
}

// The first listed offer, selected, when it is the user's own: editing an
// imported one would first ask a question that nobody would answer.
bool WybierzOferteDoEdycji(TLokatyFormGlowny& okno) {
    auto* lista = okno.findChild<TListaRaportowa*>(QStringLiteral("lv_HarmonogramyLokatBankowych"));
    if (!lista || lista->IloscWierszy() == 0)
        return false;
    const TWierszRaportu& pierwszy = *lista->Wiersze().front();
    lista->Zaznacz(pierwszy);
    return static_cast<const THarmonogramLokatyBankowej*>(pierwszy.rekord)
        ->fHarmonogramDodanyPrzezUzytkownika;
}

void ZrobZrzutyEdytoraOfert(TLokatyFormGlowny& okno, const QDir& folder) {
    auto* zakladki = okno.findChild<QTabWidget*>();
    if (!zakladki)
        return;
    zakladki->setCurrentIndex(1);
    if (auto* dodaj = okno.findChild<QToolButton*>(QStringLiteral("sbtn_DodajLokateBankowa"))) {
        DialogPicture zrzut(folder, QStringLiteral("dodaj_oferte.png"),
                            [](QDialog& dialog) { WypelnijEdytorOferty(dialog); });
        dodaj->click();
    }
    auto* edytuj = okno.findChild<QToolButton*>(QStringLiteral("sbtn_EdytujLokateBankowa"));
    if (edytuj && WybierzOferteDoEdycji(okno)) {
        DialogPicture zrzut(folder, QStringLiteral("edytuj_oferte.png"));
        edytuj->click();
    }
    zakladki->setCurrentIndex(0);
}

// The comparison for 20 000 zł over about half a year to a year and a half,
// with a monthly capitalised offer selected for a schedule of several periods.
void WypelnijPorownanie(QDialog& dialog) {
    auto* porownanie = qobject_cast<TFormPorownajOferty*>(&dialog);
    if (!porownanie)
        return;
    TKryteriaRankingu kryteria = porownanie->Kryteria();
    kryteria.kwota = 20000;
    kryteria.okres = 6;
    kryteria.jednostka = TJednostkaOkresu::Miesiac;
    kryteria.tolerancja = 6;
    porownanie->UstawKryteria(kryteria);
    QTreeWidget* ranking = porownanie->lv_Ranking;
    for (int i = 0; i < ranking->topLevelItemCount(); ++i) {
        ranking->setCurrentItem(ranking->topLevelItem(i));
        if (porownanie->WybranaOferta()->fKapitalizacja == TKapitalizacja::Miesieczna)
            return;
    }
}

// An active deposit with an offer, preferably one whose term is over, so that
// ending it asks nothing; null when there is none.
TLokata* LokataDoZakonczenia(TLokatyFormGlowny& okno) {
    TKolekcjeDanych* kolekcje = okno.Kolekcje();
    if (!kolekcje)
        return nullptr;
    TLokata* wybrana = nullptr;
    for (const auto& lokata : kolekcje->Lokaty()) {
        if (!lokata->Aktywna() || lokata->IdHarmonogramLokaty() == -1)
            continue;
        if (CompareDateTime(lokata->SzacowanaDataZakonczenia(), Now()) <= 0)
            return lokata.get();
        if (!wybrana)
            wybrana = lokata.get();
    }
    return wybrana;
}

// Only on lists as loaded: with changes waiting (a save that failed) "Dodaj"
// could answer with a message box, which nobody would close.
void ZrobZrzutyDialogow(TLokatyFormGlowny& okno, const QDir& folder) {
    TKolekcjeDanych* kolekcje = okno.Kolekcje();
    if (!kolekcje || kolekcje->ZmienionoINiezapisanoLokaty())
        return;
    if (auto* dodaj = okno.findChild<QToolButton*>(QStringLiteral("sbtn_DodajLokate"))) {
        DialogPicture zrzut(folder, QStringLiteral("dodaj_lokate.png"),
                            [kolekcje](QDialog& dialog) { WypelnijEdytor(*kolekcje, dialog); });
        dodaj->click();
    }
    ZrobZrzutyEdytoraOfert(okno, folder);
    if (auto* porownaj = okno.findChild<QToolButton*>(QStringLiteral("sbtn_PorownajOferty"))) {
        DialogPicture zrzut(folder, QStringLiteral("porownaj_oferty.png"),
                            [](QDialog& dialog) { WypelnijPorownanie(dialog); });
        porownaj->click();
    }
    TakeImportScreenshots(okno, folder);
    if (TLokata* lokata = LokataDoZakonczenia(okno)) {
        DialogPicture zrzut(folder, QStringLiteral("zysk_z_lokaty.png"));
        okno.ZakonczLubRozpocznijLokate(lokata, false);
    }
}

// Adwaita-dark's main colours, as a dark desktop theme gives them.
QPalette CiemnaPaleta() {
    QPalette p(QColor(53, 53, 53), QColor(36, 36, 36));
    p.setColor(QPalette::Base, QColor(30, 30, 30));
    p.setColor(QPalette::AlternateBase, QColor(45, 45, 45));
    for (const auto rola : {QPalette::Text, QPalette::WindowText, QPalette::ButtonText})
        p.setColor(rola, QColor(238, 238, 236));
    p.setColor(QPalette::PlaceholderText, QColor(150, 150, 150));
    p.setColor(QPalette::Link, QColor(120, 174, 237));
    for (const auto rola : {QPalette::Text, QPalette::WindowText, QPalette::ButtonText})
        p.setColor(QPalette::Disabled, rola, QColor(145, 145, 145));
    p.setColor(QPalette::Highlight, QColor(53, 132, 228));
    return p;
}

// The deposits tab once more, in a dark theme.
void ZrobZrzutCiemny(TLokatyFormGlowny& okno, const QDir& folder) {
    const QPalette jasna = okno.palette();
    okno.setPalette(CiemnaPaleta());
    SavePicture(okno, folder, QStringLiteral("lokaty_ciemny.png"));
    okno.setPalette(jasna);
}

void ZrobZrzuty(TLokatyFormGlowny& okno, const QDir& folder) {
    // The notice under the summary blinks: every picture shows it lit, however
    // long the pictures before it took.
    if (auto* uwaga = okno.findChild<TAMHFlashLabel*>(QStringLiteral("Label1")))
        uwaga->SetFlash(false);
    auto* zakladki = okno.findChild<QTabWidget*>();
    if (!zakladki) {
        SavePicture(okno, folder, NazwaPliku(0));
    } else {
        for (int i = 0; i < zakladki->count(); ++i) {
            zakladki->setCurrentIndex(i);
            SavePicture(okno, folder, NazwaPliku(i));
        }
        zakladki->setCurrentIndex(0);
    }
    ZrobZrzutCiemny(okno, folder);
    ZrobZrzutyDialogow(okno, folder);
    TakeGuaranteeScreenshots(okno, folder);
    // Closed without saving: what was changed for the pictures is forgotten.
    okno.reject();
}

} // namespace

void ScheduleTabScreenshots(TLokatyFormGlowny& okno, const QString& folder) {
    QTimer::singleShot(kOpoznienieMs, &okno, [&okno, folder] { ZrobZrzuty(okno, QDir(folder)); });
}
