#include "data/TKopieZapasowe.h"

#include "data/EDataError.h"
#include "data/TekstBledu.h"
#include "data/sqlite/TSQLiteDatabase.h"
#include "platform/Clock.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSettings>
#include <algorithm>

namespace {

const QString kFormatDaty = QStringLiteral("yyyyMMdd-HHmmss");

// "<name>-YYYYMMDD-HHMMSS[-N].dat": the moment of the backup, or nothing for
// a file of another name.
std::optional<QDateTime> DataZNazwy(const QString& nazwa, const QString& podstawa) {
    static const QRegularExpression wzor(QStringLiteral("^(.*)-(\\d{8}-\\d{6})(-\\d+)?\\.dat$"));
    const QRegularExpressionMatch m = wzor.match(nazwa);
    if (!m.hasMatch() || m.captured(1) != podstawa)
        return std::nullopt;
    const QDateTime data = QDateTime::fromString(m.captured(2), kFormatDaty);
    if (!data.isValid())
        return std::nullopt;
    return data;
}

// The counter of a backup's name: 1 for a name without one.
int LicznikZNazwy(const QString& nazwa) {
    static const QRegularExpression wzor(QStringLiteral("-\\d{6}-(\\d+)\\.dat$"));
    const QRegularExpressionMatch m = wzor.match(nazwa);
    return m.hasMatch() ? m.captured(1).toInt() : 1;
}

[[noreturn]] void Odmow(const QString& co, const QString& przyczyna) {
    throw EDataError(QStringLiteral("Nie udało się utworzyć kopii zapasowej pliku danych (") + co +
                     QStringLiteral("), więc nic w nim nie zmieniono.\r") + przyczyna);
}

} // namespace

TKopieZapasowe::TKopieZapasowe(const QString& plikDanych, int zachowaj)
    : fPlik(QFileInfo(plikDanych).absoluteFilePath()), fZachowaj(std::max(1, zachowaj)) {}

int TKopieZapasowe::IleZachowacZUstawien() {
    const QSettings ustawienia;
    bool liczba = false;
    const int ile = ustawienia.value(QStringLiteral("Kopie/Zachowaj")).toInt(&liczba);
    return liczba && ile > 0 ? ile : kDomyslnieZachowaj;
}

QString TKopieZapasowe::Folder() const {
    return QFileInfo(fPlik).absolutePath() + QStringLiteral("/kopie");
}

QString TKopieZapasowe::NowaSciezka() const {
    const QString folder = Folder();
    if (!QDir().mkpath(folder) || !QFileInfo(folder).isDir())
        Odmow(folder, QStringLiteral("Nie można utworzyć folderu kopii."));
    const QString podstawa = folder + QLatin1Char('/') + QFileInfo(fPlik).completeBaseName() +
                             QLatin1Char('-') + ToQDateTime(Now()).toString(kFormatDaty);
    // The counter goes past every backup of the same second, so a newer
    // backup never takes the name of an older one that was dropped.
    int licznik = 1;
    for (const TKopiaZapasowa& kopia : Lista())
        if (kopia.Sciezka.startsWith(podstawa))
            licznik = std::max(licznik, LicznikZNazwy(kopia.Nazwa));
    QString sciezka = podstawa + QStringLiteral(".dat");
    if (licznik > 1 || QFileInfo::exists(sciezka))
        sciezka =
            podstawa + QLatin1Char('-') + QString::number(licznik + 1) + QStringLiteral(".dat");
    return sciezka;
}

// The copy goes to a temporary name first, so a copy cut short (full disk)
// never looks like a backup.
QString TKopieZapasowe::Utworz(TSQLiteDatabase& baza) const {
    const QString sciezka = Kopiuj(baza);
    Przytnij();
    return sciezka;
}

QString TKopieZapasowe::Kopiuj(TSQLiteDatabase& baza) const {
    const QString sciezka = NowaSciezka();
    const QString tymczasowa = sciezka + QStringLiteral(".tmp");
    try {
        QFile::remove(tymczasowa);
        baza.BackupTo(tymczasowa);
    } catch (const std::exception& blad) {
        QFile::remove(tymczasowa);
        Odmow(sciezka, TekstBledu(blad));
    }
    if (!QFile::rename(tymczasowa, sciezka)) {
        QFile::remove(tymczasowa);
        Odmow(sciezka, QStringLiteral("Nie można nadać kopii jej nazwy."));
    }
    return sciezka;
}

QString TKopieZapasowe::Utworz() const {
    const QString sciezka = KopiujPlik();
    Przytnij();
    return sciezka;
}

QString TKopieZapasowe::KopiujPlik() const {
    try {
        TSQLiteDatabase baza(fPlik);
        return Kopiuj(baza);
    } catch (const EDataError&) {
        throw;
    } catch (const std::exception& blad) {
        Odmow(fPlik, TekstBledu(blad));
    }
}

std::vector<TKopiaZapasowa> TKopieZapasowe::Lista() const {
    const QString podstawa = QFileInfo(fPlik).completeBaseName();
    std::vector<TKopiaZapasowa> kopie;
    const QFileInfoList pliki =
        QDir(Folder()).entryInfoList({QStringLiteral("*.dat")}, QDir::Files);
    for (const QFileInfo& plik : pliki)
        if (const auto data = DataZNazwy(plik.fileName(), podstawa))
            kopie.push_back({plik.fileName(), plik.absoluteFilePath(), *data, plik.size()});
    std::sort(kopie.begin(), kopie.end(), [](const TKopiaZapasowa& a, const TKopiaZapasowa& b) {
        return a.Data != b.Data                   ? a.Data > b.Data
               : a.Nazwa.size() != b.Nazwa.size() ? a.Nazwa.size() > b.Nazwa.size()
                                                  : a.Nazwa > b.Nazwa;
    });
    return kopie;
}

std::optional<TKopiaZapasowa> TKopieZapasowe::Najnowsza() const {
    const auto kopie = Lista();
    if (kopie.empty())
        return std::nullopt;
    return kopie.front();
}

void TKopieZapasowe::Przytnij() const {
    const auto kopie = Lista();
    for (size_t i = static_cast<size_t>(fZachowaj); i < kopie.size(); ++i)
        QFile::remove(kopie[i].Sciezka);
}

QString TKopieZapasowe::Przywroc(const QString& nazwa) const {
    const auto kopie = Lista();
    const auto kopia = std::find_if(kopie.begin(), kopie.end(),
                                    [&](const TKopiaZapasowa& k) { return k.Nazwa == nazwa; });
    if (kopia == kopie.end())
        throw EDataError(QStringLiteral("Nie ma kopii zapasowej \"") + nazwa +
                         QStringLiteral("\" w folderze ") + Folder() + QLatin1Char('.'));
    const QString zrodlo = kopia->Sciezka;
    // Opening the current file for its backup also finishes a save cut short,
    // so no journal is left to be applied to the file put in its place.
    const QString poprzedni = KopiujPlik();
    QFile wejscie(zrodlo);
    QSaveFile wyjscie(fPlik);
    if (!wejscie.open(QIODevice::ReadOnly) || !wyjscie.open(QIODevice::WriteOnly))
        throw EDataError(QStringLiteral("Nie udało się przywrócić kopii ") + zrodlo +
                         QStringLiteral(": ") +
                         (wejscie.isOpen() ? wyjscie.errorString() : wejscie.errorString()));
    while (!wejscie.atEnd())
        wyjscie.write(wejscie.read(1 << 20));
    if (!wyjscie.commit())
        throw EDataError(QStringLiteral("Nie udało się przywrócić kopii ") + zrodlo +
                         QStringLiteral(": ") + wyjscie.errorString());
    Przytnij();
    return poprzedni;
}
