#include "domain/TRankingOfert.h"

#include "domain/ParametryOferty.h"
#include "domain/TLokata.h"
#include "domain/TWiekOferty.h"
#include "format/Formatowanie.h"
#include "platform/Clock.h"

#include <algorithm>
#include <limits>
#include <stdexcept>

namespace {

// The better of two ranked offers comes first; offers whose exact totals
// could not be computed go last.
bool Lepsza(const TPozycjaRankingu& a, const TPozycjaRankingu& b) {
    if (a.dokladnie.has_value() != b.dokladnie.has_value())
        return a.dokladnie.has_value();
    if (a.dokladnie) {
        if (a.rentownosc != b.rentownosc)
            return a.rentownosc > b.rentownosc;
        if (a.dokladnie->OdsetkiNetto() != b.dokladnie->OdsetkiNetto())
            return a.dokladnie->OdsetkiNetto() > b.dokladnie->OdsetkiNetto();
    }
    return a.oferta->Id() < b.oferta->Id();
}

} // namespace

TRankingOfert::TRankingOfert(const std::vector<std::unique_ptr<THarmonogramLokatyBankowej>>& oferty,
                             const TKryteriaRankingu& kryteria)
    : fKryteria(kryteria) {
    TEtap najdalej = TEtap::Usunieta;
    fPozycje.reserve(oferty.size());
    TLokata lokata;
    lokata.SetKwota(kryteria.kwota);
    lokata.SetDataRozpoczecia(kryteria.start);
    for (const auto& oferta : oferty) {
        const TEtap etap = Etap(*oferta);
        najdalej = std::max(najdalej, etap);
        if (etap == TEtap::Przyjeta)
            fPozycje.push_back(Pozycja(*oferta, lokata));
    }
    std::sort(fPozycje.begin(), fPozycje.end(), Lepsza);
    if (fPozycje.empty())
        fPowodBrakuOfert = Powod(najdalej);
}

TRankingOfert::TEtap TRankingOfert::Etap(const THarmonogramLokatyBankowej& oferta) const {
    if (oferta.Zmiany() == TTypModyfikacji::Usunieto)
        return TEtap::Usunieta;
    // A deposit's term holds at most 65535 units.
    if (oferta.OkresDepozytu() > std::numeric_limits<uint16_t>::max())
        return TEtap::BezOkresu;
    const uint32_t dniOferty =
        oferta.OkresDepozytu() * DniJednostkiSzacunku(oferta.fJednostkaDepozytu);
    if (dniOferty == 0)
        return TEtap::BezOkresu;
    if (oferta.KwotaMinimalna() > fKryteria.kwota ||
        (oferta.KwotaMaksymalna() != 0 && oferta.KwotaMaksymalna() < fKryteria.kwota))
        return TEtap::Kwota;
    const int64_t jednostka = DniJednostkiSzacunku(fKryteria.jednostka);
    if (jednostka != 0 && std::abs(int64_t{dniOferty} - jednostka * fKryteria.okres) >
                              jednostka * fKryteria.tolerancja)
        return TEtap::Okres;
    if (!fKryteria.kontoOsobisteDozwolone && oferta.WymaganeKontoOsobisteWTymBanku())
        return TEtap::Konto;
    if (fKryteria.maksymalnyWiekOferty &&
        TWiekOferty::Nieaktualna(oferta, Today(), *fKryteria.maksymalnyWiekOferty))
        return TEtap::Wiek;
    return TEtap::Przyjeta;
}

TPozycjaRankingu TRankingOfert::Pozycja(THarmonogramLokatyBankowej& oferta, TLokata& lokata) const {
    lokata.SetOkresLokaty(static_cast<uint16_t>(oferta.OkresDepozytu()));
    lokata.fJednostkaLokaty = oferta.fJednostkaDepozytu;
    TPozycjaRankingu pozycja;
    pozycja.oferta = &oferta;
    pozycja.szacowanyZysk = lokata.ObliczSzacowanyZyskZLokaty(&oferta);
    const auto parametry = Parametry(oferta, fKryteria);
    if (!parametry)
        return pozycja;
    try {
        pozycja.dokladnie = THarmonogramOdsetek::Oblicz(*parametry, false);
        pozycja.rentownosc = pozycja.dokladnie->RentownoscNettoRoczna();
    } catch (const std::overflow_error&) {
        // Left without exact totals; ranked after the offers that have them.
    }
    return pozycja;
}

std::optional<TParametryHarmonogramu>
TRankingOfert::Parametry(const THarmonogramLokatyBankowej& oferta,
                         const TKryteriaRankingu& kryteria) {
    return ParametryOferty(oferta, kryteria.kwota, kryteria.start, oferta.OkresDepozytu(),
                           oferta.fJednostkaDepozytu);
}

QString TRankingOfert::Powod(TEtap najdalej) const {
    switch (najdalej) {
    case TEtap::Usunieta:
        return QStringLiteral("W katalogu nie ma jeszcze żadnej oferty lokaty.");
    case TEtap::BezOkresu:
        return QStringLiteral("Żadna oferta w katalogu nie ma podanego okresu lokaty.");
    case TEtap::Kwota:
        return QStringLiteral("Żadna oferta w katalogu nie przyjmuje kwoty %1.")
            .arg(FormatMoney(fKryteria.kwota, 2));
    case TEtap::Okres:
        return QStringLiteral("Żadna oferta przyjmująca kwotę %1 nie trwa %2.")
            .arg(FormatMoney(fKryteria.kwota, 2), OpisOkresu());
    case TEtap::Konto:
        return QStringLiteral("Każda pasująca oferta wymaga konta osobistego w swoim banku.");
    default:
        break;
    }
    const int dni = fKryteria.maksymalnyWiekOferty.value_or(0);
    return QStringLiteral("Każda pasująca oferta ma dane starsze niż %1 (sprawdź aktualne "
                          "oferty banków).")
        .arg(dni == 1 ? QStringLiteral("1 dzień") : QStringLiteral("%1 dni").arg(dni));
}

QString TRankingOfert::OpisOkresu() const {
    const QString okres = OkresTekst(fKryteria.okres, fKryteria.jednostka);
    if (fKryteria.tolerancja == 0)
        return okres;
    return QStringLiteral("około %1 (± %2)")
        .arg(okres, OkresTekst(fKryteria.tolerancja, fKryteria.jednostka));
}
