#pragma once
// Runs a host tool as "talvora NAME ARGS..." would, with its output caught.
#include "tools/HostTools.h"

#include <QStringList>
#include <QTextStream>
#include <gtest/gtest.h>
#include <initializer_list>

struct TWynikPolecenia {
    int kod = -1;
    QString out;
    QString err;
};

inline TWynikPolecenia UruchomPolecenie(const QString& nazwa, const QStringList& argumenty) {
    TWynikPolecenia wynik;
    QTextStream out(&wynik.out);
    QTextStream err(&wynik.err);
    wynik.kod = RunHostCommand(QStringList{nazwa} + argumenty, out, err);
    return wynik;
}

// Wrong arguments and start-up failures: the exit code, the start of the
// message on stderr and nothing on stdout; wrong arguments end with the
// pointer to the tool's help. Then "--help" on stdout.
struct TBladArgumentow {
    QStringList argumenty;
    int kod;
    const char* bladZaczynaSie;
};

inline void SprawdzBledyIPomoc(const QString& nazwa, std::initializer_list<TBladArgumentow> bledy,
                               const QString& poczatekPomocy) {
    for (const TBladArgumentow& b : bledy) {
        const TWynikPolecenia wynik = UruchomPolecenie(nazwa, b.argumenty);
        EXPECT_EQ(wynik.kod, b.kod) << b.argumenty.join(' ').toStdString();
        EXPECT_TRUE(wynik.err.startsWith(QString::fromUtf8(b.bladZaczynaSie)))
            << wynik.err.toStdString();
        EXPECT_TRUE(wynik.out.isEmpty());
        if (b.kod == 2) {
            EXPECT_TRUE(wynik.err.endsWith("\nOpis argumentów: talvora " + nazwa + " --help\n"))
                << wynik.err.toStdString();
        }
    }
    const TWynikPolecenia pomoc = UruchomPolecenie(nazwa, {"--help"});
    EXPECT_EQ(pomoc.kod, 0);
    EXPECT_TRUE(pomoc.out.startsWith(poczatekPomocy)) << pomoc.out.toStdString();
}
