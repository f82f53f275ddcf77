#pragma once
#include "HostCommand.h"

#include "domain/TJednostkaOkresu.h"
#include "domain/TKapitalizacja.h"
#include "platform/DateTimeUtils.h"

// "talvora zysk": the deposit calculator. Builds one deposit and one offer
// from the arguments and prints the estimated net profit, the number of
// capitalisation periods, the estimated end date, the length in days and the
// term text; with --json one object with the exact values.
class ZyskCommand : public HostCommand {
public:
    QString name() const override;
    QString summary() const override;
    int run(const QStringList& arguments, QTextStream& out, QTextStream& err) override;

private:
    struct Dane {
        double kwota = 0;
        uint16_t okres = 0;
        TJednostkaOkresu jednostka = TJednostkaOkresu::Brak;
        double oprocentowanie = 0;
        TKapitalizacja kapitalizacja = TKapitalizacja::Brak;
        TDateTime start = 0;
        bool json = false;
    };
    struct Wynik {
        double zysk = 0;
        double okresyKapitalizacji = 0;
        TDateTime koniec = 0;
        uint32_t dni = 0;
        QString okresTekst;
    };

    static bool Czytaj(const QStringList& arguments, Dane& dane, QString& blad);
    static Wynik Oblicz(const Dane& dane);
    static void PiszTekst(const Wynik& wynik, QTextStream& out);
    static void PiszJson(const Wynik& wynik, QTextStream& out);
    static QString Pomoc();
};
