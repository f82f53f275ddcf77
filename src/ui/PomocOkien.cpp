#include "ui/PomocOkien.h"

#include "app/Komunikaty.h"
#include "platform/WebAddresses.h"

#include <QDir>
#include <QShortcut>
#include <QWidget>

namespace {

QString TekstBrakuStrony(const QString& strona) {
    QStringList katalogi;
    for (const QString& katalog : WebAddresses::HelpFolders())
        katalogi.append(QDir::toNativeSeparators(katalog));
    return QStringLiteral("Nie znaleziono strony pomocy \"%1\" !!!\r"
                          "Szukano jej w folderach:\r%2\r\r"
                          "Pomoc instaluje się razem z programem: zainstaluj program ponownie.")
        .arg(strona, katalogi.join(QLatin1Char('\r')));
}

} // namespace

void OtworzPomoc(const QString& strona) {
    const QString adres = WebAddresses::HelpPage(strona);
    if (adres.isEmpty()) {
        PokazBlad(TekstBrakuStrony(strona));
        return;
    }
    OtworzStroneWWW(adres);
}

void UstawKlawiszPomocy(QWidget* okno, const QString& strona) {
    UstawKlawiszPomocy(okno, [strona] { return strona; });
}

void UstawKlawiszPomocy(QWidget* okno, std::function<QString()> strona) {
    auto* klawisz = new QShortcut(QKeySequence(Qt::Key_F1), okno);
    klawisz->setObjectName(QStringLiteral("PomocF1"));
    klawisz->setContext(Qt::WindowShortcut);
    QObject::connect(klawisz, &QShortcut::activated, okno,
                     [strona = std::move(strona)] { OtworzPomoc(strona()); });
}
