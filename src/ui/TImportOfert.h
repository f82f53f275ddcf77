#pragma once
#include "import/ListaBankow.h"

#include <QString>
#include <QStringList>

class TFormParserLokatBankowych;
class TLokatyFormGlowny;
class TPoleceniaOfert;

// The windows of the offer imports, shown over the deposits window while its
// own contents are disabled: the offer file's import window, and for the web
// the bank list's download, the bank choice and one import window per bank.
// The offers ticked in an import window are merged by the offer commands.
class TImportOfert {
public:
    TImportOfert(TLokatyFormGlowny& okno, TPoleceniaOfert& polecenia)
        : fOkno(okno), fPolecenia(polecenia) {}

    // The web import: the connection, the bank list, the bank choice and the
    // import windows, then the lists refilled.
    void btn_AktualizujLokatyClick();
    // The import window on an offer file; refused, with a message, while the
    // data file is open only to read or when the file is missing.
    void OdczytajLokatyBankoweZPliku(const QString& sciezka);
    // The import window for each bank in list order, then the lists refilled.
    void ImportujLokatyBankow(const QStringList& nazwy, const TMapaBankow& linki);
    // The import window for one bank's page.
    void ImportujLokatyBanku(const QString& bank, const QString& url);

private:
    void ImportujZWybranychBankow();
    // The ticked rows, in row order, go to the offer commands' merge.
    void PrzejmijZaznaczone(TFormParserLokatBankowych& okno);

    TLokatyFormGlowny& fOkno;
    TPoleceniaOfert& fPolecenia;
};
