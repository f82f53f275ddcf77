// Every window's Alt+letter keys: no two controls that can be reached at the
// same time share a letter, whichever tab is shown.

#include "common/widgets/EveryWindow.h"
#include "format/TFormatSettings.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QMap>
#include <QMenu>
#include <QTabWidget>
#include <gtest/gtest.h>

namespace {

// The Alt+letter of each visible control of `okno`, with the texts that use it.
QMap<QString, QStringList> Mnemoniki(QWidget& okno) {
    QMap<QString, QStringList> mnemoniki;
    const auto dodaj = [&](const QString& tekst) {
        const QKeySequence klawisz = QKeySequence::mnemonic(tekst);
        if (!klawisz.isEmpty())
            mnemoniki[klawisz.toString()] << tekst;
    };
    for (QWidget* w : okno.findChildren<QWidget*>()) {
        if (!w->isVisibleTo(&okno))
            continue;
        if (auto* przycisk = qobject_cast<QAbstractButton*>(w))
            dodaj(przycisk->text());
        else if (auto* etykieta = qobject_cast<QLabel*>(w); etykieta && etykieta->buddy())
            dodaj(etykieta->text());
        else if (auto* grupa = qobject_cast<QGroupBox*>(w))
            dodaj(grupa->title());
        else if (auto* zakladki = qobject_cast<QTabWidget*>(w))
            for (int i = 0; i < zakladki->count(); ++i)
                dodaj(zakladki->tabText(i));
    }
    return mnemoniki;
}

// Returns how many Alt+letter keys it checked.
int SprawdzUnikalne(QWidget& okno, const std::string& gdzie) {
    const QMap<QString, QStringList> mnemoniki = Mnemoniki(okno);
    for (auto it = mnemoniki.begin(); it != mnemoniki.end(); ++it)
        EXPECT_EQ(it.value().size(), 1) << gdzie << ": " << it.key().toStdString() << " in "
                                        << it.value().join(" | ").toStdString();
    return static_cast<int>(mnemoniki.size());
}

// Checks the window as shown, then with each page of each of its tab widgets;
// returns how many keys it checked.
int SprawdzOkno(QWidget& okno) {
    okno.show();
    const std::string nazwa = okno.objectName().toStdString();
    int sprawdzone = SprawdzUnikalne(okno, nazwa);
    for (QMenu* menu : okno.findChildren<QMenu*>()) {
        QMap<QString, QStringList> pozycje;
        for (const QAction* a : menu->actions())
            if (const QKeySequence k = QKeySequence::mnemonic(a->text()); !k.isEmpty())
                pozycje[k.toString()] << a->text();
        for (auto it = pozycje.begin(); it != pozycje.end(); ++it)
            EXPECT_EQ(it.value().size(), 1) << nazwa << " menu " << menu->objectName().toStdString()
                                            << ": " << it.value().join(" | ").toStdString();
        EXPECT_FALSE(pozycje.isEmpty()) << nazwa << " menu without keys";
    }
    for (QTabWidget* zakladki : okno.findChildren<QTabWidget*>())
        for (int i = 0; i < zakladki->count(); ++i) {
            zakladki->setCurrentIndex(i);
            sprawdzone += SprawdzUnikalne(okno, nazwa + " / " + zakladki->tabText(i).toStdString());
        }
    okno.hide();
    return sprawdzone;
}

TEST(Mnemonics, EveryWindowHasUniqueAltKeys) {
    UstawFormaty();
    ForEveryWindow(SprawdzOkno);
}

} // namespace
