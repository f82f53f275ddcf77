#pragma once
// The one place where the data layer compares texts the way the household
// program shows them: by the collation of the base locale of the formats
// (LokalizacjaBazowa), either telling letter case apart or ignoring it.
// Every sort and lookup by text goes through these functions.
#include <QCollator>
#include <QString>
#include <cstdint>
#include <vector>

enum class TWielkoscLiter : int8_t { Rozrozniaj, Ignoruj };

// The collator of the current base locale in the given mode. It is built once
// per thread and rebuilt only when the base locale changes; fetch it once
// before a loop instead of calling PorownajTeksty for every pair.
const QCollator& KolatorTekstow(TWielkoscLiter tryb);

// -1, 0 or 1 by the collation.
int PorownajTeksty(const QString& a, const QString& b, TWielkoscLiter tryb);
bool TekstyRowne(const QString& a, const QString& b, TWielkoscLiter tryb);

// The dense rank of every text under the collation: texts that collate
// equal share a rank, and rank order is collation order. Sorts compare the
// ranks instead of the texts, so each distinct text is collated only once.
std::vector<int32_t> RangiTekstow(const std::vector<QString>& teksty, TWielkoscLiter tryb);
