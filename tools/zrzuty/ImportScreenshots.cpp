#include "ImportScreenshots.h"

#include "SavePicture.h"

#include "data/TKolekcjeDanych.h"
#include "domain/PlikOfert.h"
#include "platform/IBackgroundWork.h"
#include "platform/Platform.h"
#include "ui/TListaRaportowa.h"
#include "ui/TLokatyFormGlowny.h"
#include "ui/import/TFormImportLokatBanki.h"
#include "ui/import/TFormParserLokatBankowych.h"
#include "ui/import/TPasekOczekiwania.h"

#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <atomic>
#include <utility>

namespace {

// A bank's page of the deposit-rates site, standing for the download.
const char kPrzykladowaStrona[] = R"(<html><body>
<div class="hidden">
 <div id="lok1"><div class="lokata"><b>Wcześniejsze zerwanie lokaty:</b> utrata odsetek<br>
 <b>Konto osobiste w tym samym banku:</b> niewymagane<br>
 <b>Informacje dodatkowe:</b> tylko dla nowych środków</div></div>
 <div id="lok2"><div class="lokata"><b>Wcześniejsze zerwanie lokaty:</b> 50% odsetek<br>
 <b>Konto osobiste w tym samym banku:</b> wymagane</div></div>
</div>
<table id="lokaty">
<tr class="r1"><td><img src="logo.png" alt="bank"></td><td>3 M</td><td><b>5,60%</b><div>kapitalizacja po okresie</div></td>
<td>1 000 zł</td><td>100 000 zł</td><td>lokata na nowe środki</td><td>stałe</td>
<td><a onmouseover="TagToTip('lok1');">szczegóły</a></td></tr>
<tr class="r2"><td><img src="logo.png" alt="bank"></td><td>6 M</td><td><b>5,20%</b><div>kapitalizacja miesięczna</div></td>
<td>500 zł</td><td>50 000 zł</td><td>lokata półroczna</td><td>stałe</td>
<td><a onmouseover="TagToTip('lok2');">szczegóły</a></td></tr>
<tr class="r1"><td><img src="logo.png" alt="bank"></td><td>12 M</td><td><b>4,80%</b><div>kapitalizacja kwartalna</div></td>
<td>1 000 zł</td><td>200 000 zł</td><td>lokata roczna</td><td>zmienne</td><td>-</td></tr>
<tr class="r2"><td><img src="logo.png" alt="bank"></td><td>21 D</td><td><b>4,10%</b><div>kapitalizacja na rachunek</div></td>
<td>100 zł</td><td>20 000 zł</td><td>lokata krótka</td><td>stałe</td><td>-</td></tr>
</table></body></html>)";

// Workers for the pictures: a file is read on the spot; a download never
// starts, its finish step is kept for the picture code to run once it has
// put a page where the download would have.
class TPracaDoZrzutow : public IBackgroundWork {
public:
    std::unique_ptr<IBackgroundWorker> createWorker(QObject*, const QString& nazwa) override {
        return std::make_unique<TPracownik>(*this, nazwa == QLatin1String("PobierzDaneZInternetu"));
    }
    // Runs the finish step the download left.
    void ZakonczPobieranie() {
        if (fPobieranie)
            std::exchange(fPobieranie, {})(nullptr);
    }

private:
    class TPracownik : public IBackgroundWorker {
    public:
        TPracownik(TPracaDoZrzutow& praca, bool pobieranie)
            : fPraca(praca), fPobieranie(pobieranie) {}
        bool start(Body body, Finish finish) override {
            if (fPobieranie) {
                fPraca.fPobieranie = std::move(finish);
                return true;
            }
            std::exception_ptr blad;
            try {
                body(fStop);
            } catch (...) {
                blad = std::current_exception();
            }
            finish(blad);
            return true;
        }
        bool isRunning() const override { return false; }
        void requestStop() override {}
        void waitForBody() override {}

    private:
        TPracaDoZrzutow& fPraca;
        bool fPobieranie;
        std::atomic<bool> fStop{false};
    };

    IBackgroundWorker::Finish fPobieranie;
};

void ZaznaczPierwsze(QTreeWidget* lista, int ile) {
    for (int i = 0; i < ile && i < lista->topLevelItemCount(); ++i)
        lista->topLevelItem(i)->setCheckState(0, Qt::Checked);
}

void ZaznaczPierwsze(TListaRaportowa* lista, int ile) {
    for (int i = 0; i < ile && i < lista->IloscWierszy(); ++i)
        lista->Model().UstawZaznaczenie(i, true);
}

void ZrobZrzutPliku(TLokatyFormGlowny& okno, const QDir& folder) {
    TKolekcjeDanych* kolekcje = okno.Kolekcje();
    QTemporaryDir katalog;
    if (!kolekcje || !katalog.isValid())
        return;
    const QString plik = katalog.filePath(QStringLiteral("oferty.vq_lb"));
    try {
        EksportujOfertyDoPliku(kolekcje->HarmonogramyLokatBankowych(), plik);
    } catch (const std::exception&) {
        return;
    }
    TFormParserLokatBankowych import(&okno);
    import.AdresURLdoStronyZLokatami = plik;
    import.UtworzKolumny(kolekcje->TabelaHarmonogramyLokatBankowych().TytulyKolumn());
    import.btn_Odswiez->hide();
    import.show();
    ZaznaczPierwsze(import.lv_Parsuj_LokatyDlaBanku, 2);
    SavePicture(import, folder, QStringLiteral("import_z_pliku.png"));
    import.reject();
}

void ZrobZrzutyStrony(TLokatyFormGlowny& okno, TPracaDoZrzutow& praca, const QDir& folder) {
    TKolekcjeDanych* kolekcje = okno.Kolekcje();
    if (!kolekcje)
        return;
    TFormParserLokatBankowych import(&okno);
    import.Bank = QStringLiteral("Bank Spółdzielczy w Łodzi");
    import.AdresURLdoStronyZLokatami = QStringLiteral("http://example.invalid/");
    import.UtworzKolumny(kolekcje->TabelaHarmonogramyLokatBankowych().TytulyKolumn());
    import.show();
    for (int i = 0; i < 60; ++i)
        import.bar_TrwaPobieranie->Krok();
    SavePicture(import, folder, QStringLiteral("import_oczekiwanie.png"));
    QFile strona(import.SciezkaDoPlikuHTML());
    if (strona.open(QIODevice::WriteOnly) && strona.write(kPrzykladowaStrona) > 0) {
        strona.close();
        praca.ZakonczPobieranie();
        ZaznaczPierwsze(import.lv_Parsuj_LokatyDlaBanku, 2);
        SavePicture(import, folder, QStringLiteral("import_ze_strony.png"));
    }
    import.reject();
}

void ZrobZrzutBankow(TLokatyFormGlowny& okno, const QDir& folder) {
    TFormImportLokatBanki banki(&okno);
    TMapaBankow mapa;
    for (const char* nazwa : {"Bank Łąkowy S.A.", "Żółty Bank Spółdzielczy", "Alfa Bank",
                              "Bank Spółdzielczy w Łodzi", "Miejski Bank Oszczędności"})
        mapa.insert(QString::fromUtf8(nazwa), QStringLiteral("http://example.invalid/"));
    banki.WypelnijBanki(mapa);
    banki.show();
    ZaznaczPierwsze(banki.lv_ImportLBanki_Banki, 2);
    SavePicture(banki, folder, QStringLiteral("import_banki.png"));
    banki.reject();
}

} // namespace

void TakeImportScreenshots(TLokatyFormGlowny& okno, const QDir& folder) {
    // Installed before the windows make their workers and removed after they are gone.
    TPracaDoZrzutow praca;
    IBackgroundWork* poprzednia = Platform::setBackgroundWork(&praca);
    ZrobZrzutPliku(okno, folder);
    ZrobZrzutyStrony(okno, praca, folder);
    ZrobZrzutBankow(okno, folder);
    Platform::setBackgroundWork(poprzednia);
}
