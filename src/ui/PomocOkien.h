#pragma once
// The help pages of the module's windows: HTML files shipped with the program
// (docs/pomoc in the sources), opened in the user's browser.
#include <QString>
#include <functional>

class QWidget;

// The page of each window, a file name in the help folder.
namespace StronyPomocy {
inline const QString Spis = QStringLiteral("index.html");
inline const QString Lokaty = QStringLiteral("lokaty.html");
inline const QString Oferty = QStringLiteral("oferty.html");
inline const QString Kalendarz = QStringLiteral("kalendarz.html");
inline const QString Lokata = QStringLiteral("lokata.html");
inline const QString ZyskZLokaty = QStringLiteral("zysk_z_lokaty.html");
inline const QString Oferta = QStringLiteral("oferta.html");
inline const QString PorownajOferty = QStringLiteral("porownaj_oferty.html");
inline const QString WyborBankow = QStringLiteral("wybor_bankow.html");
inline const QString ImportZeStrony = QStringLiteral("import_ze_strony.html");
inline const QString ImportZPliku = QStringLiteral("import_z_pliku.html");
} // namespace StronyPomocy

// Opens the help page in the browser. When no help folder holds it, the user
// is told which folders were searched; when no browser takes it, the address
// is shown to copy.
void OtworzPomoc(const QString& strona);

// F1 anywhere in the window opens its help page; the second form asks for the
// page at each press, for a window whose page depends on what it shows.
void UstawKlawiszPomocy(QWidget* okno, const QString& strona);
void UstawKlawiszPomocy(QWidget* okno, std::function<QString()> strona);
