#pragma once
#include <QString>
#include <functional>
#include <memory>
#include <vector>

class IEdytorOferty;
class TKolekcjeDanych;
class TLokata;
class THarmonogramLokatyBankowej;
class TProjektDB;

// The commands on the catalogue of bank offers: add, edit, clone, the
// deletions, the offer of a deposit, the merge of imported offers and the
// offer file. They work on the collections of the window's project, ask
// through the platform's message boxes, open the editor through
// IEdytorOferty, and say what the window must show again.
//
// New offers enter the catalogue only through DodajLubNadpiszHarmonogram, so
// one duplicate rule (bank, name with term code and rate, ignoring letter
// case) and one overwrite question apply to the editor, cloning and imports.
class TPoleceniaOfert {
public:
    using TOferta = std::unique_ptr<THarmonogramLokatyBankowej>;

    // What a command changed.
    struct TZmiana {
        // The lists, the offers' included, must be filled again.
        bool odswiezListy = false;
        // The offer to bring into view and select; null leaves the selection.
        THarmonogramLokatyBankowej* doPokazania = nullptr;
    };

    // `projekt` gives the window's project, null while it has none;
    // `brakPolaczenia` tells the user that the data cannot be reached.
    TPoleceniaOfert(std::function<TProjektDB*()> projekt, std::function<void()> brakPolaczenia,
                    IEdytorOferty& edytor);

    // The commands on the selected offer; null when no row is selected.
    TZmiana Dodaj();
    TZmiana Edytuj(THarmonogramLokatyBankowej* wybrany);
    // The editor starts from the selected offer; unchanged, the clone has its
    // key and overwrites it instead of adding a second one.
    TZmiana Klonuj(const THarmonogramLokatyBankowej* wybrany);
    TZmiana Usun(THarmonogramLokatyBankowej* wybrany);
    // Every offer of the selected one's bank (letter case ignored), or every
    // offer; those in use stay, each with its message.
    TZmiana UsunZBanku(const THarmonogramLokatyBankowej* wybrany);
    TZmiana UsunWszystkie(const THarmonogramLokatyBankowej* wybrany);
    // The offer of the deposit of the selected row (`wskazano`), to be shown
    // in the offers list; a deposit without one, or whose offer is deleted,
    // is refused with a message.
    TZmiana OfertaLokaty(bool wskazano, const TLokata* lokata);

    // The offer passes into the catalogue when it is appended (the pointer is
    // then empty); in every other outcome it stays with the caller.
    void DodajLubNadpiszHarmonogram(TOferta& harmonogram);
    // The editable fields; the target keeps its id and date.
    static void NadpiszHarmonogram(const THarmonogramLokatyBankowej& zrodlo,
                                   THarmonogramLokatyBankowej& cel);
    // Marks the offer deleted unless a deposit uses it (the user is told
    // then); true when it was marked.
    bool UsunHarmonogram(THarmonogramLokatyBankowej* harmonogram);

    // The offers an import window had ticked, in its row order: each one the
    // window still holds goes through DodajLubNadpiszHarmonogram.
    void PrzejmijZaznaczone(const std::vector<TOferta*>& zaznaczone);
    // Whether the offer file at `sciezka` may be imported: refused, with a
    // message, while the data file is open only to read or when the file is
    // missing.
    bool MoznaImportowacZPliku(const QString& sciezka) const;

    // The offer file to write (never the data file nor another database) and
    // to read, through the platform's file chooser; empty when cancelled.
    QString saveDialog() const;
    QString openDialog() const;
    // Writes every offer of the catalogue, deleted ones included, to the file
    // the user chooses, and says where.
    void EksportujDoPliku();

    TKolekcjeDanych* Kolekcje() const;
    bool TylkoDoOdczytu() const;

private:
    TKolekcjeDanych* KolekcjeLubKomunikat() const;
    // After OK in the editor a new offer, marked added, goes into the
    // catalogue or over its equal.
    TZmiana DodajZEdytora(const QString& tytul, const THarmonogramLokatyBankowej* wzor);
    bool PokazEdytor(const QString& tytul, const THarmonogramLokatyBankowej* wzor,
                     THarmonogramLokatyBankowej& cel);
    // Deletes the offers `usun` picks; the question is asked first.
    TZmiana UsunWiele(const QString& pytanie,
                      const std::function<bool(const THarmonogramLokatyBankowej&)>& usun);

    std::function<TProjektDB*()> fProjekt;
    std::function<void()> fBrakPolaczenia;
    IEdytorOferty& fEdytor;
};
