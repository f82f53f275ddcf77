#pragma once
#include "ui/TWierszRaportu.h"

#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <QList>
#include <QStringList>
#include <array>
#include <vector>

// Finds the pixel width of the widest text of every column of a list, in a
// given font, without shaping every text. Each text first gets an estimate:
// the sum of its characters' advances (texts of scripts that need shaping
// are measured outright). Kerning can only make a text a little narrower
// than its estimate, so only the texts whose estimate comes close to the
// widest measured text are measured exactly; the result is the exact width
// of the widest text.
class TSzerokosciKolumn {
public:
    explicit TSzerokosciKolumn(const QFont& czcionka);

    // The widest text of each column: the title and every row's cell.
    QList<int> Szerokosci(const QStringList& tytuly, const std::vector<TWierszRaportu>& wiersze);

    // The exact width of one text (as QFontMetrics::horizontalAdvance).
    int Dokladna(const QString& tekst);

private:
    // The estimate, or the exact width when the text needs shaping.
    qreal Przyblizona(const QString& tekst);
    qreal Znak(QChar znak);
    int NajszerszyWKolumnie(int kolumna, const std::vector<TWierszRaportu>& wiersze);

    QFont fCzcionka;
    QFontMetricsF fMiara;
    // Advances of the characters up to U+017F (Latin, Polish letters).
    std::array<qreal, 0x180> fZnaki;
    QHash<QString, int> fDokladne;
};
