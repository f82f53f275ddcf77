#include "app/TDecyzjeZapisu.h"

#include "app/Komunikaty.h"
#include "data/TKolekcjeDanych.h"
#include "data/TProjektDB.h"
#include "platform/Platform.h"

namespace {

const QString kOfertyNiezapisane = QStringLiteral(
    "Co najmniej jedna lokata bankowa została dodana lub zmieniona i nie jest zapisana. "
    "Zamknij najpierw ten moduł klikając w przycisk \"Zapisz i zamknij\" aby zapisać "
    "wprowadzone zmiany po czym uruchom go ponownie aby móc dodać nową lokatę.");
const QString kZapisacOferty = QStringLiteral(
    "Co najmniej jedna lokata bankowa została dodana lub zmieniona i nie jest zapisana, a lokata "
    "może wskazywać tylko zapisaną lokatę bankową. Czy zapisać teraz wszystkie zmiany? Okno "
    "pozostanie otwarte.");
const QString kPytanieOZamkniecie = QStringLiteral(
    "Lista lokat bankowych i(lub) lista lokat oferowanych przez banki zostały zmienione.\r"
    "Aby zapisać dokonane zmiany należy kliknąć w przycisk \"Zapisz i zamknij\", zamknięcie "
    "okna klikając w \"krzyżyk\" spowoduje utratę wprowadzonych zmian !!!\r\r"
    "Czy chcesz zamknąć to okno BEZ ZAPISANIA dokonanych zmian ???");

} // namespace

TDecyzjeZapisu::TDecyzjeZapisu(TProjektDB* const& projekt, std::function<bool()> zapiszWOknie)
    : fProjekt(projekt), fZapiszWOknie(std::move(zapiszWOknie)) {}

void TDecyzjeZapisu::UstawZapisWMiejscu(TZapisWMiejscu zapis) {
    fZapisWMiejscu = std::move(zapis);
}

bool TDecyzjeZapisu::TylkoDoOdczytu() const {
    return fProjekt && fProjekt->OtwartyTylkoDoOdczytu();
}

TKolekcjeDanych* TDecyzjeZapisu::Kolekcje() const {
    return fProjekt ? &fProjekt->Kolekcje() : nullptr;
}

std::optional<TDecyzjeZapisu::TNoweId> TDecyzjeZapisu::ZapiszWPliku() const {
    if (!MoznaZapisacWMiejscu())
        return std::nullopt;
    return fZapisWMiejscu();
}

int32_t TDecyzjeZapisu::IdPoZapisie(const TNoweId& noweId, int32_t id) {
    const auto nowe = noweId.find(id);
    return nowe == noweId.end() ? id : nowe->second;
}

bool TDecyzjeZapisu::OfertyZapisaneLubZapisz(const QString& odmowa) const {
    const TKolekcjeDanych* kolekcje = Kolekcje();
    if (!kolekcje || kolekcje->HarmonogramyLokatBankowychSaZapisane())
        return true;
    if (!MoznaZapisacWMiejscu()) {
        PokazBlad(odmowa + kOfertyNiezapisane);
        return false;
    }
    return ZapytajTakNie(kZapisacOferty) && fZapiszWOknie();
}

bool TDecyzjeZapisu::MoznaZamknac(bool kliknietoOK) const {
    const TKolekcjeDanych* kolekcje = Kolekcje();
    if (kliknietoOK || !kolekcje || !kolekcje->ZmienionoINiezapisanoLokaty())
        return true;
    TMessage pytanie;
    // Unlike the other questions this one is captioned "BŁĄD !!!" on purpose.
    pytanie.caption = kTytulBledu;
    pytanie.text = kPytanieOZamkniecie;
    pytanie.icon = TMessageIcon::Warning;
    pytanie.buttons = TMessageButtons::YesNo;
    pytanie.defaultNo = true;
    return Platform::messageBoxes().show(pytanie) == TMessageResult::Yes;
}
