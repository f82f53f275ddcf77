#include "data/TTekstyPowtarzane.h"

#include <QAnyStringView>
#include <QByteArrayView>
#include <QHash>
#include <QUtf8StringView>

namespace {

constexpr int kProba = 1024;

} // namespace

QString TTekstyPowtarzane::Tekst(const char* utf8, qsizetype dlugosc) {
    const QByteArrayView bajty(utf8, dlugosc);
    if (fOdczytane >= kProba && fPowtorzone * 8 < fOdczytane)
        return QString::fromUtf8(bajty);
    ++fOdczytane;
    const size_t hash = qHash(bajty);
    TPara& para = fPary[hash % fPary.size()];
    for (int i = 0; i < 2; ++i) {
        const TMiejsce& m = para.miejsca[i];
        if (m.hash == hash && !m.tekst.isNull() &&
            QAnyStringView::equal(m.tekst, QUtf8StringView(utf8, dlugosc))) {
            ++fPowtorzone;
            para.ostatnie = i;
            return m.tekst;
        }
    }
    para.ostatnie = 1 - para.ostatnie;
    TMiejsce& miejsce = para.miejsca[para.ostatnie];
    miejsce.hash = hash;
    miejsce.tekst = QString::fromUtf8(bajty);
    return miejsce.tekst;
}
