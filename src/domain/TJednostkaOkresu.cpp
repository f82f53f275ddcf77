#include "domain/TJednostkaOkresu.h"

#include "format/Formatowanie.h"

namespace {

// The three word forms of a unit: for one, for two to four, for the rest.
struct FormyJednostki {
    const char* jeden;
    const char* kilka;
    const char* wiele;
};

const FormyJednostki* Formy(TJednostkaOkresu jednostka) {
    static const FormyJednostki dzien{" dzień", " dni", " dni"};
    static const FormyJednostki tydzien{" tydzień", " tygodnie", " tygodni"};
    static const FormyJednostki miesiac{" miesiąc", " miesiące", " miesięcy"};
    static const FormyJednostki rok{" rok", " lata", " lat"};
    switch (jednostka) {
    case TJednostkaOkresu::Dzien:
        return &dzien;
    case TJednostkaOkresu::Tydzien:
        return &tydzien;
    case TJednostkaOkresu::Miesiac:
        return &miesiac;
    case TJednostkaOkresu::Rok:
        return &rok;
    default:
        return nullptr;
    }
}

} // namespace

QString OkresTekst(uint32_t ilosc, TJednostkaOkresu jednostka) {
    QString tekst = IntToStr(ilosc);
    const FormyJednostki* formy = Formy(jednostka);
    if (formy == nullptr || (ilosc == 0 && jednostka == TJednostkaOkresu::Dzien))
        return tekst;
    if (ilosc == 1)
        return tekst + QString::fromUtf8(formy->jeden);
    if (ilosc >= 2 && ilosc <= 4)
        return tekst + QString::fromUtf8(formy->kilka);
    return tekst + QString::fromUtf8(formy->wiele);
}

TDateTime KoniecOkresu(TDateTime start, uint16_t ilosc, TJednostkaOkresu jednostka) {
    switch (jednostka) {
    case TJednostkaOkresu::Dzien:
        return start + ilosc;
    case TJednostkaOkresu::Tydzien:
        return start + 7.0 * ilosc;
    case TJednostkaOkresu::Miesiac:
        return IncMonth(start, ilosc);
    case TJednostkaOkresu::Rok:
        return IncMonth(start, 12 * ilosc);
    default:
        return 0;
    }
}

uint32_t DniJednostkiSzacunku(TJednostkaOkresu jednostka) {
    switch (jednostka) {
    case TJednostkaOkresu::Dzien:
        return 1;
    case TJednostkaOkresu::Tydzien:
        return 7;
    case TJednostkaOkresu::Miesiac:
        return 30;
    case TJednostkaOkresu::Rok:
        return 360;
    default:
        return 0;
    }
}
