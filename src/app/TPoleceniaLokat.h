#pragma once
#include "app/IDialogZyskuZLokaty.h"
#include "platform/DateTimeUtils.h"

#include <QString>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>

class IEdytorLokaty;
class TDecyzjeZapisu;
class TKolekcjeDanych;
class TLokata;
struct TDaneLokaty;
struct TSprawdzoneDaneLokaty;
struct TWypelnienieEdytoraLokaty;

// The commands on the user's deposits: add, edit, new like the selected one,
// start, end (with the profit added to savings) and delete. They work on the
// collections of the project, ask through the message boxes and open the
// deposit editor and the profit dialog through their seams; each returns what
// the window must show afterwards.
//
// A deposit refers to its offer by id, and offers added while the window is
// open get their ids only when they are saved. So while any offer is new,
// adding and editing first offer to save (the window stays open).
class TPoleceniaLokat {
public:
    // The selected row of the deposit list and the deposit it carries (a row
    // may carry none).
    struct TWybor {
        bool wiersz = false;
        TLokata* lokata = nullptr;
    };
    using TWybrana = std::function<TWybor()>;

    // What a command changed: the lists must be refilled; a deposit added is
    // to be shown selected.
    struct TWynik {
        bool wypelnijListy = false;
        const TLokata* pokaz = nullptr;
    };

    // The selection is asked for when a command needs it, since saving the
    // offers first replaces every record.
    TPoleceniaLokat(TDecyzjeZapisu& zapis, IEdytorLokaty& edytor, IDialogZyskuZLokaty& dialogZysku,
                    TWybrana wybrana);

    // A deposit of 12 months starting now, in the editor.
    TWynik Dodaj();
    // The editor filled from `wzor` (name, amount, start, term and offer);
    // the deposit that passes the checks is added. A deposit starting in the
    // future waits inactive.
    TWynik DodajLokate(const TLokata& wzor);
    // A deposit of the offer (found by bank, name and rate) for this amount
    // and start, as the offer comparison proposes it.
    TWynik DodajZOferty(const QString& kluczOferty, double kwota, TDateTime dataRozpoczecia);
    TWynik Edytuj();
    TWynik NowaJakWybrana();
    TWynik Rozpocznij();
    TWynik Zakoncz();
    TWynik Usun();
    // `aktywna` starts the deposit; false ends it and offers its profit.
    TWynik ZakonczLubRozpocznijLokate(TLokata* lokata, bool aktywna);

    // Starting again a deposit ended in this showing takes its profit back
    // (after asking); false when the start must not go on.
    bool CofnijZyskPrzedRozpoczeciem(const TLokata& lokata);

    int32_t NoweIdLokaty() const;
    // The deposits ended in this showing, by id.
    const std::map<int32_t, TZyskZakonczonej>& ZakonczoneWTymPokazaniu() const {
        return fZakonczoneWTymPokazaniu;
    }
    // After an in-place save the deposits added before it have the ids the
    // file gave them.
    void PoZapisie(const std::map<int32_t, int32_t>& noweId);

private:
    struct TWynikEdytora;
    TKolekcjeDanych* Kolekcje() const;
    TLokata* LokataDoZmianyStanu() const;
    TWypelnienieEdytoraLokaty Wypelnienie(TKolekcjeDanych& kolekcje, const TLokata& lokata,
                                          TDateTime dataRozpoczecia) const;
    std::optional<TWynikEdytora> PokazEdytor(const TWypelnienieEdytoraLokaty& wypelnienie,
                                             const QString& odmowa);
    TWynik DodajNowaLokate(TKolekcjeDanych& kolekcje, const TWynikEdytora& wynik, bool aktywna);
    TZyskZakonczonej ZaproponujDodanieZysku(TKolekcjeDanych& kolekcje, const TLokata& lokata);

    TDecyzjeZapisu& fZapis;
    IEdytorLokaty& fEdytor;
    IDialogZyskuZLokaty& fDialogZysku;
    TWybrana fWybrana;
    std::map<int32_t, TZyskZakonczonej> fZakonczoneWTymPokazaniu;
};
