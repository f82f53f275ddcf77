#pragma once
#include <QString>
#include <array>
#include <cstddef>

// The texts lately read from one column of a query, so that a text that
// repeats (a bank's name on each of its offers, a comment used again) is
// shared with the records that already hold it (Qt's implicit sharing)
// instead of being decoded and stored once more. Up to 64 texts are
// remembered, two for each value of their hash modulo 32 (so that two texts
// of one value do not push each other out); a text not remembered is decoded
// as usual and takes the place of the one of its two used longer ago. A column whose texts do not
// repeat (fewer than one in eight of its first 1024) is not remembered further.
class TTekstyPowtarzane {
public:
    // The text of `dlugosc` bytes of UTF-8 at `utf8`.
    QString Tekst(const char* utf8, qsizetype dlugosc);

private:
    struct TMiejsce {
        size_t hash = 0;
        QString tekst;
    };
    struct TPara {
        std::array<TMiejsce, 2> miejsca;
        int ostatnie = 0; // the place used last
    };
    std::array<TPara, 32> fPary;
    int fOdczytane = 0;
    int fPowtorzone = 0;
};
