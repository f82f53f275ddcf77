#include "app/Komunikaty.h"

#include "platform/Platform.h"

void PokazBlad(const QString& text) {
    Platform::messageBoxes().show({kTytulBledu, text, TMessageIcon::Error, TMessageButtons::Ok});
}

namespace {

bool Zapytaj(const QString& text, bool domyslnieNie) {
    const TMessage question{kTytulPytania, text, TMessageIcon::Warning, TMessageButtons::YesNo,
                            domyslnieNie};
    return Platform::messageBoxes().show(question) == TMessageResult::Yes;
}

} // namespace

bool ZapytajTakNie(const QString& text) {
    return Zapytaj(text, false);
}

bool ZapytajPrzedUtrataDanych(const QString& text) {
    return Zapytaj(text, true);
}

void OtworzStroneWWW(const QString& adres) {
    if (Platform::webBrowser().openUrl(adres))
        return;
    PokazBlad(
        QStringLiteral("Nie udało się otworzyć strony w przeglądarce internetowej !!!\r"
                       "Skopiuj poniższy adres i otwórz go w przeglądarce samodzielnie:\r\r") +
        adres);
}

void PokazInformacje(const QString& caption, const QString& text) {
    Platform::messageBoxes().show({caption, text, TMessageIcon::Information, TMessageButtons::Ok});
}

const QString& TekstBrakuPolaczeniaZBaza() {
    static const QString tekst = QStringLiteral(
        "Nie udało się nawiązać połączenia z bazą danych !!!\rUpewnij się że program znajduje "
        "się w lokalizacji, w której zapis jest możliwy lub że masz wystarczająco dużo miejsca "
        "na dysku do utworzenia bazy.");
    return tekst;
}

void PokazBrakPolaczeniaZBaza() {
    PokazBlad(TekstBrakuPolaczeniaZBaza());
}
