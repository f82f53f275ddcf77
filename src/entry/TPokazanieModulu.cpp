#include "entry/TPokazanieModulu.h"

#include "data/TKolekcjeDanych.h"
#include "data/TProjektDB.h"
#include "format/TFormatSettings.h"
#include "platform/Platform.h"
#include "ui/TLokatyFormGlowny.h"

#include <QMetaObject>
#include <memory>

namespace {

// However the showing ends, the window forgets the project and goes.
class TZwolnienieOkna {
public:
    explicit TZwolnienieOkna(std::unique_ptr<TLokatyFormGlowny>& okno) : fOkno(okno) {}
    ~TZwolnienieOkna() {
        fOkno->MyDB = nullptr;
        fOkno.reset();
    }
    TZwolnienieOkna(const TZwolnienieOkna&) = delete;
    TZwolnienieOkna& operator=(const TZwolnienieOkna&) = delete;

private:
    std::unique_ptr<TLokatyFormGlowny>& fOkno;
};

} // namespace

TPokazanieModulu::TPokazanieModulu(TProjektDB& projekt, QWidget* wlasciciel,
                                   const QString& plikOfert)
    : fProjekt(projekt), fWlasciciel(wlasciciel), fPlikOfert(plikOfert), fZapis(projekt) {}

void TPokazanieModulu::Wykonaj() {
    UstawFormaty();
    auto okno = std::make_unique<TLokatyFormGlowny>(fWlasciciel);
    TZwolnienieOkna zwolnienie(okno);
    okno->MyDB = &fProjekt;
    okno->UstawZapisWMiejscu([this] { return fZapis.ZapiszIZostaw(); });
    PokazOkno(*okno);
}

void TPokazanieModulu::PokazOkno(TLokatyFormGlowny& okno) {
    fProjekt.WczytajDaneZTabeliDoKolekcji(TTabele::HarmonogramyLokatBankowych);
    fProjekt.Kolekcje().WyczyscZyskiZLokatBankowych();
    // Queued, the reading waits for the modal loop, which first shows the
    // window; a window closed before that never reads the file.
    if (!fPlikOfert.isEmpty())
        QMetaObject::invokeMethod(
            &okno, [&okno, plik = fPlikOfert] { okno.OdczytajLokatyBankoweZPliku(plik); },
            Qt::QueuedConnection);
    ZakonczPokazanie(Platform::modalRunner().runModal(&okno));
}

void TPokazanieModulu::ZakonczPokazanie(int wynik) {
    if (wynik != 1)
        fZapis.OdrzucZmiany();
    else if (fProjekt.Kolekcje().ZmienionoINiezapisanoLokaty())
        fZapis.Zapisz();
    else
        fZapis.Porzuc();
}
