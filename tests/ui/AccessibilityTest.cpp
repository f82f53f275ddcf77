// Every control a keyboard can reach in every window has a name a screen
// reader can say.
#include "ui/TWykresKalendarza.h"

#include "common/widgets/EveryWindow.h"
#include "format/TFormatSettings.h"
#include "ui/TPrzyciskBoczny.h"

#include <QAccessible>
#include <QApplication>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// Returns how many controls it checked.
int SprawdzNazwy(QWidget& okno) {
    okno.show();
    const std::string nazwa = okno.objectName().toStdString();
    int sprawdzone = 0;
    for (QWidget* w : okno.findChildren<QWidget*>()) {
        if (w->focusPolicy() == Qt::NoFocus || !w->isVisibleTo(&okno) || w->focusProxy())
            continue;
        ++sprawdzone;
        QAccessibleInterface* dostep = QAccessible::queryAccessibleInterface(w);
        if (!dostep) {
            ADD_FAILURE() << nazwa << " " << w->objectName().toStdString();
            continue;
        }
        EXPECT_FALSE(dostep->text(QAccessible::Name).trimmed().isEmpty())
            << nazwa << ": " << w->metaObject()->className() << " "
            << w->objectName().toStdString();
    }
    okno.hide();
    return sprawdzone;
}

TEST(Accessibility, EveryFocusableControlHasAName) {
    UstawFormaty();
    ForEveryWindow([](QWidget& okno) {
        int sprawdzone = SprawdzNazwy(okno);
        for (QTabWidget* zakladki : okno.findChildren<QTabWidget*>())
            for (int i = 0; i < zakladki->count(); ++i) {
                zakladki->setCurrentIndex(i);
                sprawdzone += SprawdzNazwy(okno);
            }
        return sprawdzone;
    });
}

} // namespace

namespace {

// The chart's bars are its accessible children and are walked with the arrows.
TEST(Accessibility, TheChartsBarsAreChildrenWalkedWithTheArrows) {
    UstawFormaty();
    TWykresKalendarza wykres;
    std::vector<TMiesiacKalendarza> miesiace(3);
    for (int i = 0; i < 3; ++i) {
        miesiace[i].rok = 2024;
        miesiace[i].miesiac = 3 + i;
        miesiace[i].kwota = 1000 * (i + 1);
    }
    wykres.UstawMiesiace(miesiace);
    wykres.show();
    QApplication::setActiveWindow(&wykres);
    wykres.setFocus();
    QAccessibleInterface* dostep = QAccessible::queryAccessibleInterface(&wykres);
    ASSERT_NE(dostep, nullptr);
    EXPECT_EQ(dostep->role(), QAccessible::Chart);
    EXPECT_FALSE(dostep->text(QAccessible::Name).isEmpty());
    ASSERT_EQ(dostep->childCount(), 3);
    EXPECT_TRUE(dostep->child(1)->text(QAccessible::Name).startsWith("kwiecień 2024, "));
    EXPECT_TRUE(dostep->child(1)->text(QAccessible::Name).contains("Kwota: 2 000,00 zł"));

    QSignalSpy klikniete(&wykres, &TWykresKalendarza::SlupekKlikniety);
    QTest::keyClick(&wykres, Qt::Key_Right);
    QTest::keyClick(&wykres, Qt::Key_Right);
    QTest::keyClick(&wykres, Qt::Key_Right); // stays on the last bar
    QTest::keyClick(&wykres, Qt::Key_Home);
    ASSERT_EQ(klikniete.size(), 4);
    EXPECT_EQ(klikniete[1].at(0).toInt(), 2);
    EXPECT_EQ(klikniete[2].at(0).toInt(), 2);
    EXPECT_EQ(klikniete[3].at(0).toInt(), 0);
    EXPECT_EQ(dostep->indexOfChild(dostep->focusChild()), 0);
}

// A side button's caption is broken over lines on screen; a screen reader
// reads it as words, not glued at the breaks.
TEST(Accessibility, SideButtonsAreNamedByTheirCaptionsInOneLine) {
    const struct {
        const char* tytul;
        const char* nazwa;
    } przypadki[] = {
        {"Zakończ\rlokatę", "Zakończ lokatę"},
        {"Utworz\r\nnową jak ta", "Utworz nową jak ta"},
        {"Pobierz\r\ninformacje\r\no lokatach\r\nz Internetu",
         "Pobierz informacje o lokatach z Internetu"},
        {"Dodaj", "Dodaj"},
    };
    for (const auto& p : przypadki) {
        TPrzyciskBoczny przycisk("sbtn_Test", QString::fromUtf8(p.tytul),
                                 QStringLiteral("podpowiedź"), QIcon());
        QAccessibleInterface* dostep = QAccessible::queryAccessibleInterface(&przycisk);
        ASSERT_NE(dostep, nullptr);
        EXPECT_EQ(dostep->text(QAccessible::Name), QString::fromUtf8(p.nazwa)) << p.tytul;
    }
}

} // namespace
