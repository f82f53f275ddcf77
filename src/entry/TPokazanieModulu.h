#pragma once
#include "entry/TZapisLokat.h"

#include <QString>

class QWidget;
class TLokatyFormGlowny;
class TProjektDB;

// One showing of the module on the host's project: apply the formats, load
// the offer catalogue, show the deposits window modally, write the deposits
// and offers when the window was closed with "Zapisz i zamknij" and something
// changed, then leave the lists for the host. Closed any other way, the
// showing also drops the profits the user added to savings after the last
// "Zapisz" (the window's save that keeps it open). The window is freed and
// forgets the project whatever happens; errors pass on to the caller.
//
// Given an offer file, the showing reads it once the window's modal loop
// runs: the import window opens over the shown deposits window, as after
// "Importuj z pliku" with that file chosen.
class TPokazanieModulu {
public:
    TPokazanieModulu(TProjektDB& projekt, QWidget* wlasciciel, const QString& plikOfert = {});

    void Wykonaj();

private:
    void PokazOkno(TLokatyFormGlowny& okno);
    void ZakonczPokazanie(int wynik);

    TProjektDB& fProjekt;
    QWidget* fWlasciciel;
    QString fPlikOfert;
    TZapisLokat fZapis;
};
