// Deposit commands of the deposits window: add, edit, new like the selected
// one, start, end and delete.
#include "ui/TLokatyFormGlowny.h"

int32_t TLokatyFormGlowny::NoweIdLokaty() const {
    return 1;
}

void TLokatyFormGlowny::ZakonczLubRozpocznijLokate(TLokata*, bool) {}

void TLokatyFormGlowny::sbtn_DodajLokateClick() {}

void TLokatyFormGlowny::sbtn_EdytujLokateClick() {}

void TLokatyFormGlowny::sbtn_RozpocznijJakoNowaLokateClick() {}

void TLokatyFormGlowny::sbtn_RozpocznijLokateClick() {}

void TLokatyFormGlowny::sbtn_ZakonczLokateClick() {}

void TLokatyFormGlowny::sbtn_UsunLokateClick() {}
