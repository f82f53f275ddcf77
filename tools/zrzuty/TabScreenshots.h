#pragma once
#include <QString>

class TLokatyFormGlowny;

// For the documentation's pictures: the window, once shown, saves in `folder` a
// picture of each of its tabs (lokaty.png, oferty.png), of the deposit editor
// as "Dodaj" opens it, filled in (dodaj_lokate.png), of the offer editor as
// "Dodaj" on the offers tab opens it, filled in (dodaj_oferte.png), and as
// "Edytuj" opens it on the first offer (edytuj_oferte.png), of the offer
// comparison for an amount (porownaj_oferty.png) and of the profit dialog of
// an ended deposit (zysk_z_lokaty.png), and of the import windows (see
// TakeImportScreenshots). The dialogs are closed unconfirmed
// and the window closes without saving, so nothing reaches the data file.
void ScheduleTabScreenshots(TLokatyFormGlowny& okno, const QString& folder);
