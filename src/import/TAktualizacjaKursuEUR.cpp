#include "import/TAktualizacjaKursuEUR.h"

#include "data/TUstawieniaLokat.h"
#include "platform/Platform.h"

TAktualizacjaKursuEUR::TAktualizacjaKursuEUR(QObject* wlasciciel, TPoPobraniu poPobraniu,
                                             const TLimityPobierania& limity)
    : fPracownik(
          Platform::backgroundWork().createWorker(wlasciciel, QStringLiteral("PobierzKursEUR"))),
      fPoPobraniu(std::move(poPobraniu)), fLimity(limity), fKurs(TUstawieniaLokat::KursDoUzycia()) {
}

TAktualizacjaKursuEUR::~TAktualizacjaKursuEUR() = default;

bool TAktualizacjaKursuEUR::Rozpocznij() {
    if (fPracownik->isRunning())
        return false;
    const std::optional<QString> adres = AdresPobraniaKursuNaDzis();
    if (!adres)
        return false;
    // The body fills its own copy; the finish step reads it once the body has ended.
    auto wynik = std::make_shared<std::optional<TKursEUR>>();
    return fPracownik->start(
        [adres = *adres, limity = fLimity, wynik](const std::atomic<bool>& stop) {
            *wynik = PobierzKursNBP(adres, &stop, limity);
        },
        [this, wynik](std::exception_ptr blad) { Zakoncz(blad ? std::nullopt : *wynik); });
}

bool TAktualizacjaKursuEUR::Trwa() const {
    return fPracownik->isRunning();
}

void TAktualizacjaKursuEUR::Zakoncz(const std::optional<TKursEUR>& pobrany) {
    if (!pobrany)
        return;
    fKurs = ZapiszPobranyKurs(*pobrany);
    if (fPoPobraniu)
        fPoPobraniu(fKurs);
}
