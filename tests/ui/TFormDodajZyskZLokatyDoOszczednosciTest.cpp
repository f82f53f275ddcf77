#include "ui/TFormDodajZyskZLokatyDoOszczednosci.h"

#include "common/ScriptedMessageBoxes.h"
#include "common/widgets/ModalActions.h"
#include "common/widgets/ScriptedModalRunner.h"
#include "format/TFormatSettings.h"
#include "ui/TKwotaEdit.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

class TFormDodajZyskZLokatyDoOszczednosciTest : public testing::Test {
protected:
    void SetUp() override {
        UstawFormaty();
        dialog.UstawZysk(91.92, 15, 1e15);
    }

    static TTabDwuwymiarowa Oszczednosci() {
        return {{"3", "Konto oszczędnościowe", "1234,56"},
                {"4", "", "10,00"}, // no description: not offered
                {"9", "Skarbonka", "0,50"}};
    }

    TFormDodajZyskZLokatyDoOszczednosci dialog;
};

TEST_F(TFormDodajZyskZLokatyDoOszczednosciTest, TekstInformacjiDlaKazdegoZrodlaZysku) {
    using Z = TFormDodajZyskZLokatyDoOszczednosci::TZrodloZysku;
    const QString pytanie = QStringLiteral("\r\rCzy chcesz dodać zysk z lokaty do oszczędności ?");
    const struct {
        Z zrodlo;
        QString warunki;
        QString tekst;
    } przypadki[] = {
        {Z::Bank,
         {},
         "Lokata \"Roczna\" została zakończona.\rZysk wypłacany przez bank (odsetki po "
         "potrąceniu 19 % podatku): 40,80 zł"},
        {Z::BezOferty,
         {},
         "Lokata \"Roczna\" została zakończona.\rSzacowany zysk z lokaty nie został policzony, "
         "nie wybrano lokaty bankowej."},
        {Z::PrzedTerminem, " Tracisz odsetki. ",
         "Lokata \"Roczna\" została zakończona przed terminem.\rWarunki wcześniejszego zerwania "
         "lokaty: Tracisz odsetki.\rO wypłaconych odsetkach decydują warunki banku: wpisz kwotę, "
         "którą bank wypłacił."},
        {Z::PrzedTerminem, "",
         "Lokata \"Roczna\" została zakończona przed terminem.\rWarunki wcześniejszego zerwania "
         "lokaty: oferta ich nie podaje.\rO wypłaconych odsetkach decydują warunki banku: wpisz "
         "kwotę, którą bank wypłacił."},
        {Z::PozaZakresem,
         {},
         "Lokata \"Roczna\" została zakończona.\rZysk z lokaty nie został policzony: kwota lub "
         "oprocentowanie są poza zakresem dokładnych obliczeń."},
    };
    for (const auto& p : przypadki)
        EXPECT_EQ(TFormDodajZyskZLokatyDoOszczednosci::TekstInformacji(QStringLiteral("Roczna"),
                                                                       p.zrodlo, 40.8, p.warunki),
                  p.tekst + pytanie);
    dialog.UstawInformacje(QStringLiteral("a\rb"));
    EXPECT_EQ(dialog.lbl_Info->text(), QStringLiteral("a\nb")); // lines broken on screen
}

TEST_F(TFormDodajZyskZLokatyDoOszczednosciTest,
       ListaOszczednosciPomijaWierszeBezOpisuIWybieraPierwszy) {
    dialog.WypelnijOszczednosci(Oszczednosci());
    QComboBox* lista = dialog.cbb_AddZysk_Oszczednosc;
    ASSERT_EQ(lista->count(), 2);
    EXPECT_EQ(lista->itemText(1), QStringLiteral("Skarbonka"));
    EXPECT_EQ(dialog.WybranaOszczednosc(), QStringLiteral("Konto oszczędnościowe"));
    EXPECT_EQ(dialog.IdWybranejOszczednosci(), 3);
    EXPECT_EQ(dialog.lbl_PrzelejL_Kwota->text(),
              QStringLiteral("Aktualna kwota powyższej oszczędności: 1 234,56 zł"));

    lista->setCurrentIndex(1);
    EXPECT_EQ(dialog.IdWybranejOszczednosci(), 9);
    EXPECT_EQ(dialog.lbl_PrzelejL_Kwota->text(),
              QStringLiteral("Aktualna kwota powyższej oszczędności: 0,50 zł"));
}

TEST_F(TFormDodajZyskZLokatyDoOszczednosciTest, DodajWlaczonyGdyWybranoOszczednoscIKwotaNiePusta) {
    dialog.WypelnijOszczednosci({});
    EXPECT_FALSE(dialog.btn_OK->isEnabled()); // no savings: only the other button closes
    EXPECT_EQ(dialog.lbl_PrzelejL_Kwota->text(), QString());

    dialog.WypelnijOszczednosci(Oszczednosci());
    EXPECT_TRUE(dialog.btn_OK->isEnabled());
    dialog.e_AddZysk_Ile->clear();
    EXPECT_FALSE(dialog.btn_OK->isEnabled());
    dialog.e_AddZysk_Ile->setValue(0); // "0,00" is a text: Dodaj is offered
    EXPECT_TRUE(dialog.btn_OK->isEnabled());
}

TEST_F(TFormDodajZyskZLokatyDoOszczednosciTest, ZerowaKwotaOdmowionaIOknoZostajeOtwarte) {
    ScriptedMessageBoxes komunikaty;
    ScriptedModalRunner okna;
    dialog.WypelnijOszczednosci(Oszczednosci());
    dialog.UstawZysk(0, 15, 1e15);
    okna.expect<TFormDodajZyskZLokatyDoOszczednosci>([&](TFormDodajZyskZLokatyDoOszczednosci& d) {
        ClickButton(d, QStringLiteral("btn_OK"));
        EXPECT_TRUE(d.isVisible());
        EXPECT_FALSE(d.kliknietoOK);
        // The close box and the other button close without the check.
        d.close();
        EXPECT_FALSE(d.isVisible());
    });

    EXPECT_EQ(okna.runModal(&dialog), 0);
    EXPECT_EQ(komunikaty.texts(), QStringList{"Podano nieprawidłową kwotę !!!"});
    EXPECT_EQ(komunikaty.messages.value(0).caption, QStringLiteral("BŁĄD !!!"));
    EXPECT_FALSE(dialog.kliknietoOK);
}

TEST_F(TFormDodajZyskZLokatyDoOszczednosciTest, DodajZKwotaPowyzejZeraZamykaOkno) {
    ScriptedMessageBoxes komunikaty;
    ScriptedModalRunner okna;
    dialog.WypelnijOszczednosci(Oszczednosci());
    okna.expect<TFormDodajZyskZLokatyDoOszczednosci>([](TFormDodajZyskZLokatyDoOszczednosci& d) {
        EXPECT_EQ(d.e_AddZysk_Ile->formattedText(), QStringLiteral("91,92 zł"));
        ClickButton(d, QStringLiteral("btn_OK"));
    });
    EXPECT_EQ(okna.runModal(&dialog), 1);
    EXPECT_TRUE(dialog.kliknietoOK);
    EXPECT_DOUBLE_EQ(dialog.Kwota(), 91.92);
    EXPECT_TRUE(komunikaty.messages.isEmpty());
}

} // namespace
