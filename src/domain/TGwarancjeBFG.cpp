#include "domain/TGwarancjeBFG.h"

#include "format/Formatowanie.h"
#include "format/PorownanieTekstow.h"

#include <QHash>
#include <algorithm>
#include <cmath>
#include <numeric>

const QString TGwarancjeBFG::kBezPrzypisanegoBanku = QStringLiteral("bez przypisanego banku");

namespace {

// Offers by id, the first of the catalogue for each id (deleted ones
// included), as the deposit list finds the offer of a deposit.
QHash<int32_t, THarmonogramLokatyBankowej*>
IndeksOfert(const std::vector<std::unique_ptr<THarmonogramLokatyBankowej>>& oferty) {
    QHash<int32_t, THarmonogramLokatyBankowej*> indeks;
    for (const auto& h : oferty)
        if (h && h->fId != -1 && !indeks.contains(h->fId))
            indeks.insert(h->fId, h.get());
    return indeks;
}

int64_t Grosze(double kwota) {
    return std::llround(kwota * 100);
}

void DodajLokate(TSumaBanku& suma, const TLokata& lokata, double zysk) {
    ++suma.liczbaLokat;
    suma.kwota += lokata.Kwota();
    suma.szacowanyZysk += zysk;
    suma.lokaty.push_back(&lokata);
}

void DodajPisownie(QStringList& nazwy, const QString& bank) {
    for (const QString& nazwa : nazwy)
        if (TekstyRowne(nazwa, bank, TWielkoscLiter::Ignoruj))
            return;
    nazwy.append(bank);
}

// "100 000": whole units with the formats' thousands separator.
QString CalaKwota(double kwota) {
    QString cyfry = QString::number(std::llround(kwota));
    for (qsizetype i = cyfry.size() - 3; i > 0; i -= 3)
        cyfry.insert(i, FormatyProcesu().ThousandSeparator);
    return cyfry;
}

} // namespace

TGwarancjeBFG::TGwarancjeBFG(const std::vector<std::unique_ptr<TLokata>>& lokaty,
                             const std::vector<std::unique_ptr<THarmonogramLokatyBankowej>>& oferty,
                             const std::vector<TParaBankow>& polaczoneBanki, const TKursEUR& kurs)
    : fKurs(kurs), fLimit(static_cast<double>(Grosze(kLimitEUR * kurs.kurs)) / 100),
      fPolaczone(polaczoneBanki) {
    const auto indeks = IndeksOfert(oferty);
    for (const auto& lokata : lokaty) {
        if (!lokata || !lokata->Aktywna() || lokata->Zmiany() == TTypModyfikacji::Usunieto)
            continue;
        THarmonogramLokatyBankowej* oferta = indeks.value(lokata->IdHarmonogramLokaty(), nullptr);
        const double zysk = lokata->ObliczSzacowanyZyskZLokaty(oferta);
        if (!oferta) {
            if (!fBezBanku) {
                fBezBanku.emplace();
                fBezBanku->bank = kBezPrzypisanegoBanku;
            }
            DodajLokate(*fBezBanku, *lokata, zysk);
            continue;
        }
        TSumaBanku& suma = SumaInstytucji(fPolaczone.Instytucja(oferta->fBank));
        DodajLokate(suma, *lokata, zysk);
        DodajPisownie(fNazwy[&suma - fBanki.data()], oferta->fBank);
    }
    Uporzadkuj();
}

TSumaBanku& TGwarancjeBFG::SumaInstytucji(int instytucja) {
    const auto znana = std::find(fInstytucje.begin(), fInstytucje.end(), instytucja);
    if (znana != fInstytucje.end())
        return fBanki[znana - fInstytucje.begin()];
    fInstytucje.push_back(instytucja);
    fNazwy.emplace_back();
    fBanki.emplace_back();
    return fBanki.back();
}

// Names the institutions by their spellings in text order, then puts the
// largest sum first.
void TGwarancjeBFG::Uporzadkuj() {
    const QCollator& kolator = KolatorTekstow(TWielkoscLiter::Ignoruj);
    for (size_t i = 0; i < fBanki.size(); ++i) {
        std::sort(fNazwy[i].begin(), fNazwy[i].end(),
                  [&](const QString& a, const QString& b) { return kolator.compare(a, b) < 0; });
        fBanki[i].bank = fNazwy[i].join(QStringLiteral(" / "));
    }
    std::vector<size_t> kolejnosc(fBanki.size());
    std::iota(kolejnosc.begin(), kolejnosc.end(), 0);
    std::stable_sort(kolejnosc.begin(), kolejnosc.end(), [&](size_t a, size_t b) {
        const int64_t ra = Grosze(fBanki[a].Razem());
        const int64_t rb = Grosze(fBanki[b].Razem());
        return ra != rb ? ra > rb : kolator.compare(fBanki[a].bank, fBanki[b].bank) < 0;
    });
    std::vector<TSumaBanku> banki;
    std::vector<int> instytucje;
    for (size_t i : kolejnosc) {
        banki.push_back(std::move(fBanki[i]));
        instytucje.push_back(fInstytucje[i]);
    }
    fBanki = std::move(banki);
    fInstytucje = std::move(instytucje);
    fNazwy.clear();
}

double TGwarancjeBFG::Nadwyzka(double razem) const {
    const int64_t ponad = Grosze(razem) - Grosze(fLimit);
    return ponad > 0 ? static_cast<double>(ponad) / 100 : 0;
}

std::vector<const TSumaBanku*> TGwarancjeBFG::PonadLimitem() const {
    std::vector<const TSumaBanku*> ponad;
    for (const TSumaBanku& suma : fBanki)
        if (Nadwyzka(suma) > 0)
            ponad.push_back(&suma);
    return ponad;
}

QString TGwarancjeBFG::OpisLimitu() const {
    return CalaKwota(kLimitEUR) + QStringLiteral(" EUR ≈ ") + FormatMoney(fLimit) +
           QStringLiteral(", ") + fKurs.Opis();
}

QString TGwarancjeBFG::TekstOstrzezenia(const TSumaBanku& suma) const {
    return QStringLiteral("W banku %1: %2 — o %3 ponad gwarancję BFG (%4)")
        .arg(suma.bank, FormatMoney(suma.Razem()), FormatMoney(Nadwyzka(suma)), OpisLimitu());
}

QStringList TGwarancjeBFG::Ostrzezenia() const {
    QStringList linie;
    for (const TSumaBanku* suma : PonadLimitem())
        linie.append(TekstOstrzezenia(*suma));
    return linie;
}

QString TGwarancjeBFG::PodpowiedzOstrzezen() {
    return QStringLiteral(
        "Bankowy Fundusz Gwarancyjny gwarantuje pieniądze do równowartości 100 000 EUR\n"
        "na jedną osobę w jednym banku: lokaty i rachunki tej osoby w tym banku liczą się\n"
        "razem, a banki będące markami jednego banku są jednym bankiem. Lokata wspólna\n"
        "dzieli się między współwłaścicieli (po równo, o ile umowa nie stanowi inaczej),\n"
        "więc każdy z nich ma własny limit. Kwoty są sumą kwot aktywnych lokat i ich\n"
        "szacowanego zysku.");
}

const TSumaBanku* TGwarancjeBFG::ZnajdzSume(const QString& bank) const {
    const int instytucja = fPolaczone.Instytucja(bank);
    for (size_t i = 0; i < fInstytucje.size(); ++i)
        if (fInstytucje[i] == instytucja)
            return &fBanki[i];
    return nullptr;
}

double TGwarancjeBFG::NadwyzkaPoDodaniu(const QString& bank, double kwota) const {
    const TSumaBanku* suma = ZnajdzSume(bank);
    return Nadwyzka((suma ? suma->Razem() : 0) + kwota);
}

QString TGwarancjeBFG::TekstNadwyzkiPoDodaniu(const QString& bank, double kwota) const {
    const double nadwyzka = NadwyzkaPoDodaniu(bank, kwota);
    if (nadwyzka <= 0)
        return {};
    const TSumaBanku* suma = ZnajdzSume(bank);
    return QStringLiteral("Po założeniu tej lokaty w banku %1: %2 — o %3 ponad gwarancję BFG (%4)")
        .arg(suma ? suma->bank : bank, FormatMoney((suma ? suma->Razem() : 0) + kwota),
             FormatMoney(nadwyzka), OpisLimitu());
}
