// The help pages as shipped in docs/pomoc, and F1 in every dialog of the
// module opening its page through the browser.
#include "ui/PomocOkien.h"

#include "common/ManualBackgroundWork.h"
#include "common/ScriptedMessageBoxes.h"
#include "common/ScriptedWebBrowser.h"
#include "format/TFormatSettings.h"
#include "platform/BuildConfig.h"
#include "platform/Platform.h"
#include "platform/WebAddresses.h"
#include "ui/TFormDodajEdytujLokate.h"
#include "ui/TFormDodajEdytujLokateBankowa.h"
#include "ui/TFormDodajZyskZLokatyDoOszczednosci.h"
#include "ui/TFormPorownajOferty.h"
#include "ui/import/TFormImportLokatBanki.h"
#include "ui/import/TFormParserLokatBankowych.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <QUrl>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace {

const QDir kPomoc(QStringLiteral(TALVORA_HELP_SOURCE_DIR));

QString Tresc(const QString& sciezka) {
    QFile plik(sciezka);
    return plik.open(QIODevice::ReadOnly) ? QString::fromUtf8(plik.readAll()) : QString();
}

QStringList Dopasowania(const QString& tekst, const QString& wzorzec) {
    QStringList wyniki;
    for (const QRegularExpressionMatch& m : QRegularExpression(wzorzec).globalMatch(tekst))
        wyniki.append(m.captured(1));
    return wyniki;
}

// The addresses a page refers to: links, pictures and its style sheet.
QStringList Odnosniki(const QString& tekst) {
    return Dopasowania(tekst, QStringLiteral(R"re(\b(?:href|src)="([^"]*)")re"));
}

QSet<QString> Kotwice(const QString& tekst) {
    const QStringList ids = Dopasowania(tekst, QStringLiteral(R"re(\bid="([^"]*)")re"));
    return {ids.begin(), ids.end()};
}

bool Zewnetrzny(const QString& adres) {
    return QUrl(adres).scheme() == QLatin1String("https") ||
           QUrl(adres).scheme() == QLatin1String("http");
}

// Every page of the help, with the caption of the window (or tab) it is about.
struct TStrona {
    QString plik;
    QString okno;
};

const TStrona kStrony[] = {
    {StronyPomocy::Spis, "Lokaty"},
    {StronyPomocy::Lokaty, "Lokaty"},
    {StronyPomocy::Oferty, "Lokaty oferowane przez banki"},
    {StronyPomocy::Kalendarz, "Kalendarz"},
    {StronyPomocy::Lokata, "Dodaj nową lokatę"},
    {StronyPomocy::ZyskZLokaty, "Dodaj zysk z lokaty do oszczędności"},
    {StronyPomocy::Oferta, "Dodaj lokatę bankową"},
    {StronyPomocy::PorownajOferty, "Porównaj oferty"},
    {StronyPomocy::WyborBankow, "Import lokat"},
    {StronyPomocy::ImportZeStrony, "Informacje o lokatach bankowych"},
    {StronyPomocy::ImportZPliku, "Informacje o lokatach bankowych"},
};

TEST(StronyPomocyTest, EveryPageExistsAndItsLinksAndPicturesResolve) {
    for (const TStrona& strona : kStrony) {
        SCOPED_TRACE(strona.plik.toStdString());
        const QString tekst = Tresc(kPomoc.filePath(strona.plik));
        ASSERT_FALSE(tekst.isEmpty()) << "missing or empty";
        EXPECT_TRUE(tekst.contains(QStringLiteral(R"(<meta charset="utf-8">)")));
        EXPECT_TRUE(
            Dopasowania(tekst, QStringLiteral("<h1>([^<]*)</h1>")).value(0).contains(strona.okno));
        if (strona.plik != StronyPomocy::Spis) {
            EXPECT_TRUE(Odnosniki(tekst).contains(StronyPomocy::Spis)) << "no way back";
        }
        for (const QString& adres : Odnosniki(tekst)) {
            if (Zewnetrzny(adres))
                continue;
            const QString plik = adres.section(QLatin1Char('#'), 0, 0);
            const QString kotwica = adres.section(QLatin1Char('#'), 1);
            const QString cel =
                plik.isEmpty() ? kPomoc.filePath(strona.plik) : kPomoc.filePath(plik);
            EXPECT_TRUE(QFileInfo(cel).isFile()) << adres.toStdString();
            if (!kotwica.isEmpty()) {
                EXPECT_TRUE(Kotwice(Tresc(cel)).contains(kotwica)) << adres.toStdString();
            }
        }
        for (const QString& obrazek : Dopasowania(tekst, QStringLiteral(R"re(<img ([^>]*)>)re")))
            EXPECT_TRUE(obrazek.contains(QStringLiteral("alt=\""))) << obrazek.toStdString();
    }
}

TEST(StronyPomocyTest, TheIndexLinksEveryPageAndNoPageIsLeftOut) {
    const QStringList odnosniki = Odnosniki(Tresc(kPomoc.filePath(StronyPomocy::Spis)));
    QStringList wTabeli;
    for (const TStrona& strona : kStrony) {
        wTabeli.append(strona.plik);
        if (strona.plik != StronyPomocy::Spis) {
            EXPECT_TRUE(odnosniki.contains(strona.plik)) << strona.plik.toStdString();
        }
    }
    for (const QString& plik : kPomoc.entryList({QStringLiteral("*.html")}, QDir::Files))
        EXPECT_TRUE(wTabeli.contains(plik)) << plik.toStdString() << " is in no window's table";
}

// --- F1 ---------------------------------------------------------------------

class KlawiszPomocyTest : public testing::Test {
protected:
    KlawiszPomocyTest() : fPoprzedniaPraca(Platform::setBackgroundWork(&praca)) { UstawFormaty(); }
    ~KlawiszPomocyTest() override {
        Platform::setBackgroundWork(fPoprzedniaPraca);
        WebAddresses::RestoreDefaults();
    }

    // Shows the window active and presses F1 in it.
    static void NacisnijF1(QWidget& okno) {
        okno.show();
        QApplication::setActiveWindow(&okno);
        QTest::keyClick(&okno, Qt::Key_F1);
    }

    static QString Adres(const QString& strona) {
        return QUrl::fromLocalFile(kPomoc.filePath(strona)).toString(QUrl::FullyEncoded);
    }

    // The import window starts its download or file reading when shown;
    // nothing of it runs here.
    ManualBackgroundWork praca;
    IBackgroundWork* fPoprzedniaPraca;
    ScriptedWebBrowser przegladarka;
    ScriptedMessageBoxes komunikaty;
    TFormPorownajOferty::TKatalog katalog;
};

TEST_F(KlawiszPomocyTest, F1InEveryDialogOpensItsPage) {
    using TOkno = std::unique_ptr<QDialog>;
    const auto Import = [](const QString& bank) {
        auto okno = std::make_unique<TFormParserLokatBankowych>();
        okno->Bank = bank;
        okno->AdresURLdoStronyZLokatami = QStringLiteral("http://127.0.0.1:9/bank");
        return okno;
    };
    const struct {
        const char* opis;
        std::function<TOkno()> utworz;
        QString strona;
    } przypadki[] = {
        {"deposit editor", [] { return std::make_unique<TFormDodajEdytujLokate>(); },
         StronyPomocy::Lokata},
        {"profit dialog", [] { return std::make_unique<TFormDodajZyskZLokatyDoOszczednosci>(); },
         StronyPomocy::ZyskZLokaty},
        {"offer editor", [] { return std::make_unique<TFormDodajEdytujLokateBankowa>(); },
         StronyPomocy::Oferta},
        {"comparison", [this] { return std::make_unique<TFormPorownajOferty>(katalog); },
         StronyPomocy::PorownajOferty},
        {"bank choice", [] { return std::make_unique<TFormImportLokatBanki>(); },
         StronyPomocy::WyborBankow},
        {"bank page", [&] { return Import(QStringLiteral("Bank A")); },
         StronyPomocy::ImportZeStrony},
        {"offer file", [&] { return Import(QString()); }, StronyPomocy::ImportZPliku},
    };
    for (const auto& p : przypadki) {
        SCOPED_TRACE(p.opis);
        przegladarka.urls.clear();
        const TOkno okno = p.utworz();
        NacisnijF1(*okno);
        EXPECT_EQ(przegladarka.urls, QStringList{Adres(p.strona)});
        EXPECT_TRUE(Tresc(kPomoc.filePath(p.strona)).contains(okno->windowTitle()))
            << "the page does not name the window " << okno->windowTitle().toStdString();
    }
    EXPECT_TRUE(komunikaty.messages.isEmpty());
}

TEST_F(KlawiszPomocyTest, AMissingPageNamesTheFoldersSearched) {
    QTemporaryDir pusty;
    const QString brak = QDir(pusty.path()).filePath(QStringLiteral("brak"));
    WebAddresses::SetHelpFolders({pusty.path(), brak});
    TFormDodajEdytujLokate okno;
    NacisnijF1(okno);
    EXPECT_TRUE(przegladarka.urls.isEmpty());
    ASSERT_EQ(komunikaty.messages.size(), 1);
    EXPECT_EQ(komunikaty.messages[0].caption, "BŁĄD !!!");
    EXPECT_EQ(komunikaty.messages[0].icon, TMessageIcon::Error);
    EXPECT_EQ(komunikaty.messages[0].text,
              "Nie znaleziono strony pomocy \"lokata.html\" !!!\rSzukano jej w folderach:\r" +
                  pusty.path() + "\r" + brak +
                  "\r\rPomoc instaluje się razem z programem: zainstaluj program ponownie.");
}

} // namespace
