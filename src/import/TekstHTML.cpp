#include "import/TekstHTML.h"

#include "format/Pomocnicze.h"

#include <array>
#include <utility>

QString UsunZnacznikiHTML(const QString& tekst) {
    QString wynik;
    wynik.reserve(tekst.size());
    qsizetype i = 0;
    while (i < tekst.size()) {
        const qsizetype otwarcie = tekst.indexOf(u'<', i);
        if (otwarcie < 0) {
            wynik += QStringView(tekst).mid(i);
            break;
        }
        wynik += QStringView(tekst).mid(i, otwarcie - i);
        const qsizetype zamkniecie = tekst.indexOf(u'>', otwarcie + 1);
        if (zamkniecie < 0)
            break;
        i = zamkniecie + 1;
    }
    return wynik;
}

QString PierwszaLiteraDuza(const QString& tekst) {
    if (JestPustyTekst(tekst))
        return tekst;
    if (tekst.size() == 1)
        return tekst.toUpper();
    return tekst.left(1).toUpper() + tekst.mid(1);
}

namespace {

bool JestBialymZnakiemPoczatku(QChar znak) {
    return znak == u' ' || znak == u'\r' || znak == u'\n';
}

} // namespace

void PodzielTekst(QChar separator, const QString& tekst, QStringList& lista) {
    lista.clear();
    QString t = tekst;
    t.replace(u'\'', u'`');
    const qsizetype n = t.size();
    qsizetype i = 0;
    while (i < n) {
        while (i < n && JestBialymZnakiemPoczatku(t[i]))
            ++i;
        const qsizetype poczatek = i;
        bool wCudzyslowie = false;
        while (i < n) {
            const QChar znak = t[i];
            if (znak == u'"')
                wCudzyslowie = !wCudzyslowie;
            else if (!wCudzyslowie && (znak == separator || znak == u'\r' || znak == u'\n'))
                break;
            ++i;
        }
        if (i > poczatek)
            lista << t.mid(poczatek, i - poczatek);
        ++i; // past the separator
    }
}

QString DekodujZnakiHTML(const QString& tekst) {
    if (!tekst.contains(u'&'))
        return tekst;
    static const std::array<std::pair<QStringView, QChar>, 5> kZnaki = {{
        {u"&lt;", u'<'},
        {u"&gt;", u'>'},
        {u"&quot;", u'"'},
        {u"&nbsp;", u' '},
        {u"&amp;", u'&'},
    }};
    QString wynik;
    wynik.reserve(tekst.size());
    const QStringView zrodlo(tekst);
    for (qsizetype i = 0; i < zrodlo.size(); ++i) {
        bool zamieniono = false;
        if (zrodlo[i] == u'&') {
            for (const auto& [encja, znak] : kZnaki) {
                if (zrodlo.mid(i).startsWith(encja)) {
                    wynik += znak;
                    i += encja.size() - 1;
                    zamieniono = true;
                    break;
                }
            }
        }
        if (!zamieniono)
            wynik += zrodlo[i];
    }
    return wynik;
}
