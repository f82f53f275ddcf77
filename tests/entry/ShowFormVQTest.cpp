// One showing of the real module, loaded from libVQ.Lokaty.so as the host
// loads it, on a real data file; the window runs in its own modal loop.
#include "ModulLokatTestowy.h"
#include "common/widgets/ModalActions.h"
#include "common/widgets/ModalWatchdog.h"
#include "common/widgets/ScriptedModalRunner.h"

#include <QDir>
#include <QPointer>
#include <QWidget>
#include <thread>

namespace {

const QString kBrakProjektu = QStringLiteral(
    "Nie można uruchomić modułu - nie udało się nawiązać połączenia z bazą danych !!!\rUpewnij "
    "się że program znajduje się w lokalizacji, w której zapis jest możliwy lub że masz "
    "wystarczająco dużo miejsca na dysku do utworzenia bazy.");

enum class TZamkniecie { ZapiszIZamknij, Krzyzyk };

class ShowFormVQ : public ModulLokatTestowy {
protected:
    // Shows the module with the host's window as owner and closes the window
    // as asked; returns the window as it was seen open.
    QPointer<QWidget> Pokaz(TZamkniecie zamkniecie) {
        QPointer<QWidget> widziane;
        WhenModalShows([&](QWidget& okno) {
            widziane = &okno;
            EXPECT_EQ(okno.parentWidget(), &oknoGospodarza);
            if (zamkniecie == TZamkniecie::ZapiszIZamknij)
                ClickButton(okno, "btn_OK");
            else
                okno.close();
        });
        ModulLokat().SetApplicationVariables(&oknoGospodarza, projekt.get());
        ModulLokat().ShowFormVQ();
        return widziane;
    }

    void OczekujPustychList() {
        EXPECT_TRUE(Kolekcje().Lokaty().empty());
        EXPECT_TRUE(Kolekcje().HarmonogramyLokatBankowych().empty());
        EXPECT_FALSE(Kolekcje().ZmienionoINiezapisanoLokaty());
    }

    QWidget oknoGospodarza;
    ModalWatchdog straznik;
};

TEST_F(ShowFormVQ, SaveAndCloseWritesTheDepositsBeforeTheOffers) {
    ZmienWPamieci(true);
    const QPointer<QWidget> okno = Pokaz(TZamkniecie::ZapiszIZamknij);

    EXPECT_TRUE(okno.isNull()) << "the window is freed";
    EXPECT_EQ(ModulLokat().LastError(), "");
    EXPECT_TRUE(komunikaty.messages.isEmpty()) << komunikaty.texts().join('\n').toStdString();
    EXPECT_EQ(Dziennik(), (QStringList{"Lokaty: Lokata na wakacje", "Lokaty: Nowa lokata",
                                       "HarmonogramyLokat: Lokata Srebrna"}));
    EXPECT_EQ(Lokaty(), kLokatyPo);
    EXPECT_EQ(Oferty(), kOfertyPo);
    OczekujPustychList();
}

// Closed any other way, or with nothing marked changed, the file stays as it was.
TEST_F(ShowFormVQ, OtherwiseNothingIsWrittenAndTheListsAreEmptied) {
    struct Case {
        const char* nazwa;
        TZamkniecie zamkniecie;
        bool flaga;
        int pytan;
    };
    const Case cases[] = {
        {"close box after changes", TZamkniecie::Krzyzyk, true, 1},
        {"close box without changes", TZamkniecie::Krzyzyk, false, 0},
        {"save and close with the flag clear", TZamkniecie::ZapiszIZamknij, false, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.nazwa);
        projekt->OdswiezZawartoscKolekcji(TTabele::Lokaty);
        projekt->OdswiezZawartoscKolekcji(TTabele::HarmonogramyLokatBankowych);
        komunikaty.messages.clear();
        komunikaty.answers = {TMessageResult::Yes};
        ZmienWPamieci(c.flaga);
        const QStringList zrzut = ZrzutBazy(Baza());

        const QPointer<QWidget> okno = Pokaz(c.zamkniecie);

        EXPECT_TRUE(okno.isNull());
        EXPECT_EQ(ModulLokat().LastError(), "");
        EXPECT_EQ(komunikaty.messages.size(), c.pytan);
        for (const TMessage& pytanie : komunikaty.messages)
            EXPECT_EQ(pytanie.buttons, TMessageButtons::YesNo);
        EXPECT_EQ(ZrzutBazy(Baza()), zrzut);
        OczekujPustychList();
    }
}

// Without a project the module shows its error box and nothing else: no
// window, no database access. The project is forgotten after every showing.
TEST_F(ShowFormVQ, WithoutAProjectOnlyTheErrorBoxIsShown) {
    ScriptedModalRunner okna; // the one window shown is closed unscripted
    ZmienWPamieci(true);
    const QStringList zrzut = ZrzutBazy(Baza());

    ModulLokat().SetApplicationVariables(&oknoGospodarza, nullptr);
    ModulLokat().ShowFormVQ();
    ModulLokat().SetApplicationVariables(&oknoGospodarza, projekt.get());
    ModulLokat().ShowFormVQ();
    ModulLokat().ShowFormVQ();

    EXPECT_EQ(okna.shownNames(), QStringList{"LokatyFormGlowny"});
    ASSERT_EQ(komunikaty.messages.size(), 2);
    for (const TMessage& m : komunikaty.messages) {
        EXPECT_EQ(m.caption, "BŁĄD !!!");
        EXPECT_EQ(m.icon, TMessageIcon::Error);
        EXPECT_EQ(m.buttons, TMessageButtons::Ok);
        EXPECT_EQ(m.text, kBrakProjektu);
    }
    EXPECT_EQ(ModulLokat().LastError(), kBrakProjektu);
    EXPECT_EQ(ZrzutBazy(Baza()), zrzut);
}

// An offer file is kept for the next showing only, whatever its outcome: one
// that ended without a project forgets it too.
TEST_F(ShowFormVQ, AnOfferFileIsForgottenByEveryShowing) {
    ModulLokat().SetOfferFile(QDir(plik.folder()).filePath("oferty.vq_lb"));
    ModulLokat().SetApplicationVariables(&oknoGospodarza, nullptr);
    ModulLokat().ShowFormVQ();
    ASSERT_EQ(ModulLokat().LastError(), kBrakProjektu);

    QString pierwsze;
    WhenModalShows([&](QWidget& okno) {
        pierwsze = okno.objectName();
        okno.close();
    });
    ModulLokat().SetApplicationVariables(&oknoGospodarza, projekt.get());
    ModulLokat().ShowFormVQ();
    EXPECT_EQ(pierwsze, "LokatyFormGlowny");
    EXPECT_EQ(komunikaty.texts(), QStringList{kBrakProjektu});
}

TEST_F(ShowFormVQ, CalledFromAnotherThreadItRefusesWithoutAWindow) {
    ScriptedModalRunner okna;
    QString blad;
    std::thread watek([&] {
        ModulLokat().SetApplicationVariables(nullptr, projekt.get());
        ModulLokat().ShowFormVQ();
        blad = ModulLokat().LastError();
    });
    watek.join();
    EXPECT_TRUE(blad.startsWith("Nie można uruchomić modułu - wywołano go spoza wątku okien"))
        << blad.toStdString();
    EXPECT_TRUE(okna.shown.isEmpty());
    EXPECT_EQ(komunikaty.texts(), QStringList{blad});
}

// A stale handle (a window the host has since closed) gives no owner.
TEST_F(ShowFormVQ, AHandleOfNoLivingWindowGivesNoOwner) {
    auto* zamkniete = new QWidget;
    void* uchwyt = zamkniete;
    delete zamkniete;
    WhenModalShows([](QWidget& okno) {
        EXPECT_EQ(okno.parentWidget(), nullptr);
        ClickButton(okno, "btn_OK");
    });
    ModulLokat().SetApplicationVariables(uchwyt, projekt.get());
    ModulLokat().ShowFormVQ();
    EXPECT_EQ(ModulLokat().LastError(), "");
}

} // namespace
