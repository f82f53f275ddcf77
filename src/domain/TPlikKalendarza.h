#pragma once
#include "domain/TKalendarzLokat.h"
#include "platform/DateTimeUtils.h"

#include <QByteArray>
#include <QString>
#include <cstdint>

// The deposits' end dates as an iCalendar file for the user's calendar
// program (written by ICalendarWriter): one all-day event per active deposit
// that ends today or later, on its end date, with a reminder three days
// before.
class TPlikKalendarza {
public:
    // The file's bytes. `plikDanych` is the data file the deposits come from
    // (it makes the events' UIDs); `teraz` stamps the events.
    static QByteArray Tekst(const TKalendarzLokat& kalendarz, const QString& plikDanych,
                            TDateTime teraz);
    // The deposits left out of a file, counted.
    struct TPominiete {
        // The end date is after 9999, which the format cannot write.
        int poRoku9999 = 0;
        // Not saved yet: its id, and so its event's UID, is provisional and
        // importing the file again after the save would double the event.
        int niezapisane = 0;
        int Razem() const { return poRoku9999 + niezapisane; }
    };
    // The same, counting what was left out.
    static QByteArray Tekst(const TKalendarzLokat& kalendarz, const QString& plikDanych,
                            TDateTime teraz, TPominiete& pominiete);

    // The event's UID: the deposit's id and a hash of the data file's full
    // path. A deposit keeps its id in its data file, so exporting again gives
    // the same UID and a calendar program updates the event instead of adding
    // a second one; the same id in another data file is another deposit.
    static QString Uid(int32_t idLokaty, const QString& plikDanych);

    // Writes the bytes to `sciezka` through a temporary file in the same
    // folder that replaces the target only once it is complete. Returns an
    // empty text on success, otherwise a message naming the path and the
    // reason; the target is then as it was.
    static QString Zapisz(const QString& sciezka, const QByteArray& bajty);
};
