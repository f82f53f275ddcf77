#include "tools/TextTable.h"

#include "tools/ConsoleText.h"

#include <algorithm>

void WriteTextTable(QTextStream& out, const std::vector<QStringList>& komorkiTabeli,
                    const std::vector<bool>& doPrawej) {
    std::vector<QStringList> wiersze;
    wiersze.reserve(komorkiTabeli.size());
    for (const QStringList& wiersz : komorkiTabeli) {
        QStringList bezpieczne;
        for (const QString& komorka : wiersz)
            bezpieczne << ConsoleCell(komorka);
        wiersze.push_back(std::move(bezpieczne));
    }
    std::vector<qsizetype> szerokosci;
    for (const QStringList& wiersz : wiersze) {
        szerokosci.resize(std::max<size_t>(szerokosci.size(), wiersz.size()), 0);
        for (qsizetype i = 0; i < wiersz.size(); ++i)
            szerokosci[i] = std::max(szerokosci[i], wiersz[i].size());
    }
    for (const QStringList& wiersz : wiersze) {
        QStringList komorki;
        for (qsizetype i = 0; i < wiersz.size(); ++i) {
            const bool prawa = static_cast<size_t>(i) < doPrawej.size() && doPrawej[i];
            const bool ostatnia = i + 1 == wiersz.size();
            komorki << (prawa      ? wiersz[i].rightJustified(szerokosci[i])
                        : ostatnia ? wiersz[i]
                                   : wiersz[i].leftJustified(szerokosci[i]));
        }
        out << komorki.join(QStringLiteral("  ")) << u'\n';
    }
}

std::vector<bool> FirstColumnLeft(size_t kolumny) {
    std::vector<bool> doPrawej(kolumny, true);
    if (kolumny > 0)
        doPrawej[0] = false;
    return doPrawej;
}
