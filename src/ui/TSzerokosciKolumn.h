#pragma once
#include "ui/TWierszRaportu.h"

#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <QList>
#include <QStringList>
#include <array>
#include <memory>
#include <vector>

// Finds the pixel width of the widest text of every column of a list, in a
// given font, without shaping every text. Each text first gets an estimate:
// the sum of its characters' advances (texts of scripts that need shaping
// are measured outright). Kerning can only make a text a little narrower
// than its estimate, so only the texts whose estimate comes close to the
// widest measured text are measured exactly; the result is the exact width
// of the widest text.
//
// When many texts come close (thousands of rows that differ only in a
// number), they are weighed instead by their characters and kerned pairs,
// each pair shaped once: for text that needs no shaping beyond kerning that
// is its exact width. The widest few by that measure are shaped to check it;
// should any of them come out otherwise, every close text is shaped.
class TSzerokosciKolumn {
public:
    explicit TSzerokosciKolumn(const QFont& czcionka);

    // The widest text of each column: the title and every row's cell.
    QList<int> Szerokosci(const QStringList& tytuly, const std::vector<TWierszRaportu>& wiersze);

    // The exact width of one text (as QFontMetrics::horizontalAdvance).
    int Dokladna(const QString& tekst);

private:
    struct Szacunek {
        qreal szerokosc;
        const QString* tekst;
    };

    // The estimate, or the exact width when the text needs shaping.
    qreal Przyblizona(const QString& tekst);
    qreal Znak(QChar znak);
    int NajszerszyWKolumnie(int kolumna, const std::vector<TWierszRaportu>& wiersze);
    // Every text whose estimate may beat `wynik`, widest first.
    static std::vector<Szacunek> Bliskie(std::vector<Szacunek> szacunki, int wynik);
    // The widest of the close texts, shaping each of them.
    int NajszerszyDokladnie(const std::vector<Szacunek>& bliskie, int wynik);
    // The widest of the close texts by their kerned pairs; -1 when shaping
    // disagrees with that measure for one of the widest.
    int NajszerszyWedlugPar(const std::vector<Szacunek>& bliskie, int wynik);
    // A text's width as the sum of its kerned pairs less the characters
    // they share (fractional, as shaping sums it before rounding).
    qreal WedlugPar(const QString& tekst);
    qreal Ksztaltowany(QChar znak);
    qreal Para(QChar pierwszy, QChar drugi);

    QFont fCzcionka;
    QFontMetricsF fMiara;
    // Advances of the characters up to U+017F (Latin, Polish letters).
    std::array<qreal, 0x180> fZnaki;
    QHash<QString, int> fDokladne;
    // Shaped widths of single characters up to U+017F and of pairs of them,
    // by the first character and then the second (-1 until measured).
    std::array<qreal, 0x180> fKsztaltowane;
    std::array<std::unique_ptr<std::array<qreal, 0x180>>, 0x180> fPary;
};
