#pragma once
#include <QMap>
#include <QString>
#include <cstdint>

// How often a standing order runs: -1 never, 0 daily, 1 weekly, 2 monthly,
// 3 every two months, 4 quarterly, 5 half-yearly, 6 yearly, 7 started by hand.
using TCzestotliwosc = int8_t;

// The texts of the standing-order frequencies, -1 and 0 .. 7.
QMap<TCzestotliwosc, QString> NazwyCzestotliwosci();
