#include "ui/TImportOfert.h"

#include "app/Komunikaty.h"
#include "app/TPoleceniaOfert.h"
#include "data/TKolekcjeDanych.h"
#include "import/PobieranieZInternetu.h"
#include "platform/Platform.h"
#include "platform/WebAddresses.h"
#include "ui/TListaRaportowa.h"
#include "ui/TLokatyFormGlowny.h"
#include "ui/import/TFormImportLokatBanki.h"
#include "ui/import/TFormParserLokatBankowych.h"
#include "ui/import/TFormPobieranieListyBankow.h"

#include <QPushButton>
#include <vector>

void TImportOfert::btn_AktualizujLokatyClick() {
    const TLokatyFormGlowny::TWylaczenieOkna wylaczenie(fOkno);
    ImportujZWybranychBankow();
}

void TImportOfert::ImportujZWybranychBankow() {
    const QString adresListy = WebAddresses::BankList();
    if (!JestPolaczenieZInternetem(adresListy)) {
        PokazBlad(QStringLiteral("Nie można pobrać informacji o lokatach bankowych.\r"
                                 "Nie jesteś połączony z Internetem."));
        return;
    }
    // The list comes in the background while a small window waits with a
    // moving bar and "Anuluj"; a user's cancel needs no message.
    TFormPobieranieListyBankow pobieranie(adresListy, WebAddresses::RatesSite(), &fOkno);
    if (Platform::modalRunner().runModal(&pobieranie) != QDialog::Accepted) {
        if (!pobieranie.Blad().isEmpty())
            PokazBlad(pobieranie.Blad());
        return;
    }
    const TMapaBankow& banki = pobieranie.Banki();
    if (banki.isEmpty())
        return;
    TFormImportLokatBanki dialog(&fOkno);
    dialog.WypelnijBanki(banki);
    if (Platform::modalRunner().runModal(&dialog) != QDialog::Accepted)
        return;
    const TMapaBankow wybrane = dialog.WybraneBanki();
    ImportujLokatyBankow(PosortowaneNazwyBankow(wybrane), wybrane);
}

void TImportOfert::OdczytajLokatyBankoweZPliku(const QString& sciezka) {
    if (!fPolecenia.MoznaImportowacZPliku(sciezka))
        return;
    const TLokatyFormGlowny::TWylaczenieOkna wylaczenie(fOkno);
    TFormParserLokatBankowych okno(&fOkno);
    okno.AdresURLdoStronyZLokatami = sciezka; // no bank: file mode
    okno.UtworzKolumny(fPolecenia.Kolekcje()->TabelaHarmonogramyLokatBankowych().TytulyKolumn());
    okno.btn_Odswiez->hide();
    okno.pan_Czekaj->hide();
    okno.lv_Parsuj_LokatyDlaBanku->show();
    if (Platform::modalRunner().runModal(&okno) != QDialog::Accepted)
        return;
    PrzejmijZaznaczone(okno);
    fOkno.WypelnijListy(true);
}

void TImportOfert::ImportujLokatyBankow(const QStringList& nazwy, const TMapaBankow& linki) {
    if (nazwy.isEmpty() || linki.isEmpty())
        return;
    {
        const TLokatyFormGlowny::TWylaczenieOkna wylaczenie(fOkno);
        for (const QString& nazwa : nazwy)
            ImportujLokatyBanku(nazwa, linki.value(nazwa));
    }
    fOkno.WypelnijListy(true);
}

void TImportOfert::ImportujLokatyBanku(const QString& bank, const QString& url) {
    TKolekcjeDanych* kolekcje = fPolecenia.Kolekcje();
    if (!kolekcje || bank.trimmed().isEmpty() || url.trimmed().isEmpty())
        return;
    const TLokatyFormGlowny::TWylaczenieOkna wylaczenie(fOkno);
    TFormParserLokatBankowych okno(&fOkno);
    okno.AdresURLdoStronyZLokatami = url;
    okno.Bank = bank;
    okno.UtworzKolumny(kolekcje->TabelaHarmonogramyLokatBankowych().TytulyKolumn());
    if (Platform::modalRunner().runModal(&okno) == QDialog::Accepted)
        PrzejmijZaznaczone(okno);
}

void TImportOfert::PrzejmijZaznaczone(TFormParserLokatBankowych& okno) {
    std::vector<TPoleceniaOfert::TOferta*> zaznaczone;
    for (int i = 0; i < okno.IloscWierszy(); ++i)
        if (okno.WierszZaznaczony(i))
            zaznaczone.push_back(&okno.WezOferte(i));
    fPolecenia.PrzejmijZaznaczone(zaznaczone);
}
