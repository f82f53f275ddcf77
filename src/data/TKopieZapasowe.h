#pragma once
#include <QDateTime>
#include <QString>
#include <optional>
#include <vector>

class TSQLiteDatabase;

// One backup of a data file, as the folder lists it.
struct TKopiaZapasowa {
    QString Nazwa;      // the file's name in the backup folder
    QString Sciezka;    // its full path
    QDateTime Data;     // when it was made (from the name)
    qint64 Rozmiar = 0; // in bytes
};

// The backups of one data file: consistent copies made with SQLite's online
// backup into the folder "kopie" beside the file, named after the file and
// the moment ("DataFile-20261210-143005.dat", a counter added when two fall
// in one second), the newest ones kept. A backup is made before anything is
// changed in the file; when it cannot be made, the change must not go on.
class TKopieZapasowe {
public:
    static constexpr int kDomyslnieZachowaj = 10;

    explicit TKopieZapasowe(const QString& plikDanych, int zachowaj = IleZachowacZUstawien());

    // How many backups to keep: the setting "Kopie/Zachowaj", 10 by default.
    static int IleZachowacZUstawien();

    QString Folder() const;
    // Copies the open database into a new backup, then drops the oldest
    // beyond the number kept. Raises EDataError (nothing changed) when the
    // folder or the copy cannot be made.
    QString Utworz(TSQLiteDatabase& baza) const;
    // The same for a file that is not open: opened for the copy only.
    QString Utworz() const;
    // Newest first.
    std::vector<TKopiaZapasowa> Lista() const;
    std::optional<TKopiaZapasowa> Najnowsza() const;
    // Replaces the data file with the backup of that name: the current file
    // is backed up first, then the backup is copied beside it, flushed to the
    // disk and renamed over it, so the file is whole at every moment.
    // Answers the path of the backup of the state replaced.
    QString Przywroc(const QString& nazwa) const;

private:
    QString NowaSciezka() const;
    QString Kopiuj(TSQLiteDatabase& baza) const;
    QString KopiujPlik() const;
    void Przytnij() const;
    QString fPlik;
    int fZachowaj;
};
