#pragma once
#include <QDir>

class TLokatyFormGlowny;

// The import's pictures for the documentation, taken without the network:
// the import window in file mode on the catalogue written to a temporary
// offer file (import_z_pliku.png), waiting for a bank's page
// (import_oczekiwanie.png) and showing it, with a sample page standing for
// the download (import_ze_strony.png), and the bank choice with sample banks
// (import_banki.png). Every window is closed unconfirmed.
void TakeImportScreenshots(TLokatyFormGlowny& okno, const QDir& folder);
