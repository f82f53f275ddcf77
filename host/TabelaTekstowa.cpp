#include "TabelaTekstowa.h"

#include <algorithm>

void PiszTabeleTekstowa(QTextStream& out, const std::vector<QStringList>& wiersze) {
    std::vector<qsizetype> szerokosci;
    for (const QStringList& wiersz : wiersze) {
        szerokosci.resize(std::max<size_t>(szerokosci.size(), wiersz.size()), 0);
        for (qsizetype i = 0; i < wiersz.size(); ++i)
            szerokosci[i] = std::max(szerokosci[i], wiersz[i].size());
    }
    for (const QStringList& wiersz : wiersze) {
        QStringList komorki;
        for (qsizetype i = 0; i < wiersz.size(); ++i)
            komorki << (i == 0 ? wiersz[i].leftJustified(szerokosci[i])
                               : wiersz[i].rightJustified(szerokosci[i]));
        out << komorki.join(QStringLiteral("  ")) << u'\n';
    }
}
