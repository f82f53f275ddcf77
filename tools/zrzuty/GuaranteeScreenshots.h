#pragma once
#include <QDir>

class TLokatyFormGlowny;

// The guarantee and offer-age marks for the documentation: a large deposit
// added in memory takes one bank over the deposit-guarantee limit
// (gwarancja_bfg.png, the deposits tab with its warning and the bar of
// deposits ending soon) and one bank's offers are made older than the
// threshold of current data (oferty_nieaktualne.png, the offers tab with the
// stale mark and the summary), and the comparison then marks the offers of
// the bank over the limit and shows the old ones with their age
// (porownaj_gwarancja.png). Nothing is saved: the window is closed
// unconfirmed afterwards.
void TakeGuaranteeScreenshots(TLokatyFormGlowny& okno, const QDir& folder);
