#include "domain/TCzestotliwosc.h"

QMap<TCzestotliwosc, QString> NazwyCzestotliwosci() {
    return {
        {-1, QStringLiteral("Nigdy")},
        {0, QStringLiteral("Codziennie")},
        {1, QStringLiteral("Co tydzień")},
        {2, QStringLiteral("Co miesiąc")},
        {3, QStringLiteral("Co dwa miesiące")},
        {4, QStringLiteral("Co kwartał")},
        {5, QStringLiteral("Co pół roku")},
        {6, QStringLiteral("Co rok")},
        {7, QStringLiteral("Uruchamiane ręcznie")},
    };
}
