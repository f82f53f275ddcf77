#pragma once
#include "format/TTabelaListy.h"
#include "platform/DateTimeUtils.h"

#include <vector>

class QPagedPaintDevice;
class QPainter;
class QPaintDevice;

// A list (TTabelaListy) printed page after page on a printer or a PDF
// writer. Each page starts with the list's title, the date and time of the
// printout and the column captions, and ends with "Strona N z M". The rows
// follow as the list shows them: a group's heading in bold before its first
// row, and again, marked "(cd.)", at the top of a page its group goes on
// over. The summary line comes after the last row. Columns take the width of
// their widest text; on a narrower page the narrow columns keep theirs and
// the wide ones share the rest, their texts cut with "…".
class TWydrukListy {
public:
    TWydrukListy(const TTabelaListy& tabela, TDateTime data);
    ~TWydrukListy();

    // The rows of each page (indexes into the table's rows) as they are laid
    // out on `urzadzenie`; the summary goes on the last page.
    std::vector<std::vector<int>> Strony(const QPaintDevice& urzadzenie) const;
    // Paints every page; false when the device cannot be painted on.
    bool Drukuj(QPagedPaintDevice& urzadzenie) const;

private:
    struct TUklad;

    TUklad Uklad(const QPaintDevice& urzadzenie) const;
    std::vector<std::vector<int>> Podziel(const TUklad& u) const;
    // Whether the group's heading is printed before row `i`.
    bool NaglowekPrzed(int i, bool pierwszyNaStronie) const;

    void RysujGore(QPainter& p, const TUklad& u) const;
    void RysujGrupe(QPainter& p, const TUklad& u, double y, int i, bool pierwszyNaStronie) const;
    void RysujWiersz(QPainter& p, const TUklad& u, double y, int i) const;
    void RysujKomorki(QPainter& p, const TUklad& u, double y, const QStringList& teksty) const;
    void RysujPodsumowanie(QPainter& p, const TUklad& u, double y) const;
    void RysujStopke(QPainter& p, const TUklad& u, int strona, int stron) const;

    const TTabelaListy& fTabela;
    TDateTime fData;
};
