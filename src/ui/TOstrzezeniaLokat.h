#pragma once
#include "domain/TKursEUR.h"
#include "domain/TPolaczoneBanki.h"

#include <QObject>
#include <memory>
#include <vector>

class QWidget;
class TAktualizacjaKursuEUR;
class TDecyzjeZapisu;
class TGwarancjeBFG;
class TKolekcjeDanych;
class TListaRaportowa;
class TPasekKonczacychSieLokat;
class TPodsumowanieLokat;

// The deposits tab's answers to "is my money safe and what needs me soon":
// the lines of the banks over the deposit-guarantee limit (in the summary
// panel), the bar of the deposits past or near their end (whose "Pokaż je"
// selects them in the list), and the user's pairs of bank names that are one
// institution. The euro rate and the settings are read at each showing; a
// newer rate, when one is due, is downloaded meanwhile.
class TOstrzezeniaLokat : public QObject {
    Q_OBJECT

public:
    TOstrzezeniaLokat(TDecyzjeZapisu& zapis, TPodsumowanieLokat& podsumowanie,
                      TPasekKonczacychSieLokat& pasek, TListaRaportowa& lista,
                      QObject* parent = nullptr);
    ~TOstrzezeniaLokat() override;

    void NowePokazanie();
    // After the deposit list is filled.
    void Pokaz(TKolekcjeDanych& kolekcje);
    // The banks' sums against the guarantee, for a comparison of offers.
    TGwarancjeBFG Gwarancje(TKolekcjeDanych& kolekcje) const;
    // The deposits ending soon are counted with this many days.
    int DniDoZakonczenia() const { return fDniDoZakonczenia; }
    void UstawDniDoZakonczenia(int dni) { fDniDoZakonczenia = dni; }
    // "Banki jednej instytucji": the dialog over `okno`.
    void BankiJednejInstytucji(QWidget* okno);

private:
    void PokazGwarancje(TKolekcjeDanych& kolekcje);
    void ZaznaczKonczaceSie();
    void PrzyjmijKursEUR(const TKursEUR& kurs);

    TDecyzjeZapisu& fZapis;
    TPodsumowanieLokat& fPodsumowanie;
    TPasekKonczacychSieLokat& fPasek;
    TListaRaportowa& fLista;
    TKursEUR fKursEUR;
    // Downloads a newer euro rate in the background when the window opens.
    std::unique_ptr<TAktualizacjaKursuEUR> fAktualizacjaKursu;
    std::vector<TParaBankow> fPolaczoneBanki;
    int fDniDoZakonczenia = 7;
};
