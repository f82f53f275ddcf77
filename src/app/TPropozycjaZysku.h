#pragma once
#include <QString>
#include <cstdint>

class THarmonogramLokatyBankowej;
class TLokata;

// How the profit offered for an ended deposit was found.
enum class TZrodloZysku : int8_t {
    BezOferty,     // the deposit has no offer: nothing was computed
    Bank,          // ended at or after its end: what the bank pays, net
    PrzedTerminem, // broken early: the bank's early-break terms decide
    PozaZakresem,  // the schedule cannot be computed exactly
};

// The profit offered when a deposit is ended, with the offer's early-break
// terms when it is broken before its end.
struct TPropozycjaZysku {
    TZrodloZysku zrodlo = TZrodloZysku::BezOferty;
    double kwota = 0;
    QString warunki;
};

// What goes into savings is money: at or after its end a deposit earns what
// the bank's exact schedule pays, net of tax; broken early it earns what the
// bank's terms leave, which only the user knows, so 0 is proposed.
TPropozycjaZysku ZaproponowanyZysk(const TLokata& lokata, const THarmonogramLokatyBankowej* oferta);
