#pragma once
#include "domain/TKursEUR.h"
#include "import/KursNBP.h"
#include "platform/IBackgroundWork.h"

#include <functional>
#include <memory>

class QObject;

// The euro rate of the deposit guarantee for a window: the rate to use now
// (stored or built in), and a download of a newer one in the background when
// the window opens.
//
//     fKurs = std::make_unique<TAktualizacjaKursuEUR>(this, [this](const TKursEUR& kurs) {
//         ... show the guarantee lines again with kurs ...
//     });
//     fKurs->Rozpocznij();     // when the window opens
//     fKurs->Kurs();           // the rate to show meanwhile
//
// At most one download a day (the day of the last try is kept in the
// settings), and none when the platform reports no connection. A rate that
// came is stored with its day and handed to the callback on the window
// thread; a failed download, a malformed answer or a rate outside 1 … 20
// changes nothing and calls nothing. Destroying the object stops a download
// still running; so does destroying its owner.
class TAktualizacjaKursuEUR {
public:
    using TPoPobraniu = std::function<void(const TKursEUR& kurs)>;

    TAktualizacjaKursuEUR(QObject* wlasciciel, TPoPobraniu poPobraniu,
                          const TLimityPobierania& limity = kLimityKursuNBP);
    ~TAktualizacjaKursuEUR();
    TAktualizacjaKursuEUR(const TAktualizacjaKursuEUR&) = delete;
    TAktualizacjaKursuEUR& operator=(const TAktualizacjaKursuEUR&) = delete;

    // Starts the download when one is due; whether it was started.
    bool Rozpocznij();
    bool Trwa() const;
    // The rate to use: the one downloaded by this object (source NBP), else
    // the stored one, else the built-in one.
    const TKursEUR& Kurs() const { return fKurs; }

private:
    void Zakoncz(const std::optional<TKursEUR>& pobrany);

    std::unique_ptr<IBackgroundWorker> fPracownik;
    TPoPobraniu fPoPobraniu;
    TLimityPobierania fLimity;
    TKursEUR fKurs;
};
