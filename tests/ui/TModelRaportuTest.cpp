// The rows of a report list as a model, in a real list shown offscreen and
// watched by Qt's model checker: check boxes, rows appended to rows already
// there, and groups (an empty one left out, headers spanning the list).
#include "ui/TListaRaportowa.h"

#include "common/widgets/ModalActions.h"

#include <QAbstractItemModelTester>
#include <QFontMetrics>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QStringList gUwagiSprawdzacza;

void ZapiszUwage(QtMsgType, const QMessageLogContext& kontekst, const QString& tekst) {
    if (QLatin1String(kontekst.category) == QLatin1String("qt.modeltest"))
        gUwagiSprawdzacza << tekst;
}

// Qt's model checker on the list's model for the test's length; what it
// finds wrong (a signal with mismatched indexes, a bad parent) is collected.
class TSprawdzanaLista {
public:
    TSprawdzanaLista() {
        gUwagiSprawdzacza.clear();
        lista.UstawKolumny({"Nazwa", "Kwota"}, {Qt::AlignLeft, Qt::AlignRight});
        lista.resize(400, 300);
        lista.show();
    }
    ~TSprawdzanaLista() { qInstallMessageHandler(fPoprzedni); }
    TModelRaportu& Model() { return lista.Model(); }

    TListaRaportowa lista{"lista"};

private:
    QtMessageHandler fPoprzedni = qInstallMessageHandler(ZapiszUwage);
    QAbstractItemModelTester fSprawdzacz{&lista.Model(),
                                         QAbstractItemModelTester::FailureReportingMode::Warning};
};

TWierszRaportu Wiersz(const QString& nazwa, int grupa = -1) {
    return TWierszRaportu{{nazwa, nazwa.toUpper()}, nullptr, grupa};
}

QStringList Nazwy(const std::vector<const TWierszRaportu*>& wiersze) {
    QStringList nazwy;
    for (const TWierszRaportu* w : wiersze)
        nazwy << w->komorki.value(0);
    return nazwy;
}

TEST(TModelRaportuTest, CheckBoxesOfAppendedRowsCountAndSignalEachChange) {
    TSprawdzanaLista s;
    TModelRaportu& model = s.Model();
    s.lista.UstawPolaWyboru(true);
    s.lista.Dopisz({Wiersz("a"), Wiersz("bb")});
    s.lista.Dopisz({Wiersz("ccc"), Wiersz("dddd")});
    ASSERT_EQ(model.rowCount(), 4);
    EXPECT_EQ(Nazwy(s.lista.Wiersze()), (QStringList{"a", "bb", "ccc", "dddd"}));
    const TWierszRaportu& czwarty = model.Wiersze()[3];
    EXPECT_EQ(czwarty.indeks, 3);
    EXPECT_EQ(model.index(3, 1).data().toString(), "DDDD");
    EXPECT_EQ(s.lista.WierszDla(s.lista.IndeksWiersza(czwarty, 1)), &czwarty);
    EXPECT_TRUE(model.index(0, 1).data(Qt::TextAlignmentRole).toInt() & Qt::AlignRight);
    EXPECT_FALSE(model.flags(model.index(0, 1)) & Qt::ItemIsUserCheckable);
    EXPECT_FALSE(model.setData(model.index(0, 1), Qt::Checked, Qt::CheckStateRole));

    QSignalSpy zmiany(&model, &TModelRaportu::ZaznaczenieZmienione);
    QSignalSpy dane(&model, &QAbstractItemModel::dataChanged);
    EXPECT_TRUE(model.setData(model.index(3, 0), Qt::Checked, Qt::CheckStateRole));
    EXPECT_TRUE(model.setData(model.index(3, 0), Qt::Checked, Qt::CheckStateRole));
    EXPECT_EQ(zmiany.count(), 1);
    ASSERT_EQ(dane.count(), 1);
    EXPECT_EQ(dane[0][0].toModelIndex(), model.index(3, 0));
    EXPECT_EQ(model.index(3, 0).data(Qt::CheckStateRole).toInt(), Qt::Checked);
    ClickCheckBox(s.lista, model.index(2, 0));
    EXPECT_EQ(zmiany.count(), 2);
    EXPECT_TRUE(model.Wiersze()[2].zaznaczony);
    EXPECT_EQ(model.IloscZaznaczonych(), 2);

    // Ticking every row is one change, and the view repaints all of them.
    dane.clear();
    model.ZaznaczWszystkie(true);
    EXPECT_EQ(zmiany.count(), 3);
    EXPECT_EQ(model.IloscZaznaczonych(), 4);
    ASSERT_EQ(dane.count(), 1);
    EXPECT_EQ(dane[0][0].toModelIndex(), model.index(0, 0));
    EXPECT_EQ(dane[0][1].toModelIndex(), model.index(3, 0));
    model.UstawZaznaczenie(0, false);
    EXPECT_EQ(model.IloscZaznaczonych(), 3);
    EXPECT_EQ(gUwagiSprawdzacza, QStringList());
}

TEST(TModelRaportuTest, GroupedRowsShowUnderSpannedHeadersWithoutTheEmptyGroup) {
    TSprawdzanaLista s;
    TModelRaportu& model = s.Model();
    s.lista.UstawPolaWyboru(true);
    s.lista.Wypelnij({"Pierwsza", "Pusta", "Trzecia"},
                     {Wiersz("t1", 2), Wiersz("p1", 0), Wiersz("t2", 2), Wiersz("p2", 0)});
    EXPECT_EQ(s.lista.Grupy(), (QStringList{"Pierwsza", "Trzecia"}));
    EXPECT_EQ(Nazwy(s.lista.Wiersze()), (QStringList{"p1", "p2", "t1", "t2"}));
    ASSERT_EQ(model.rowCount(), 2);
    for (int g = 0; g < 2; ++g) {
        const QModelIndex naglowek = model.index(g, 0);
        EXPECT_TRUE(TModelRaportu::JestGrupa(naglowek));
        EXPECT_FALSE(model.flags(naglowek) & Qt::ItemIsSelectable);
        EXPECT_TRUE(s.lista.isFirstColumnSpanned(g, {}));
        EXPECT_TRUE(s.lista.isExpanded(naglowek));
        EXPECT_EQ(model.rowCount(naglowek), 2);
        EXPECT_EQ(s.lista.WierszDla(naglowek), nullptr);
    }
    // Every row in the order given finds its own cell, under its own header.
    for (const TWierszRaportu& w : model.Wiersze()) {
        const QModelIndex komorka = s.lista.IndeksWiersza(w, 1);
        EXPECT_EQ(s.lista.WierszDla(komorka), &w);
        EXPECT_EQ(komorka.data().toString(), w.komorki[1]);
        EXPECT_EQ(komorka.parent().data().toString(), s.lista.Grupy()[w.grupa]);
    }
    // A click on a header selects nothing; one on a row selects it.
    QTest::mouseClick(s.lista.viewport(), Qt::LeftButton, {},
                      s.lista.visualRect(model.index(1, 0)).center());
    EXPECT_EQ(s.lista.WybranyWiersz(), nullptr);
    const TWierszRaportu& t2 = model.Wiersze()[2];
    QTest::mouseClick(s.lista.viewport(), Qt::LeftButton, {},
                      s.lista.visualRect(s.lista.IndeksWiersza(t2, 1)).center());
    EXPECT_EQ(s.lista.WybranyWiersz(), &t2);

    QSignalSpy zmiany(&model, &TModelRaportu::ZaznaczenieZmienione);
    model.ZaznaczWszystkie(true);
    EXPECT_EQ(zmiany.count(), 1);
    EXPECT_EQ(model.IloscZaznaczonych(), 4);
    EXPECT_EQ(model.index(0, 0, model.index(1, 0)).data(Qt::CheckStateRole).toInt(), Qt::Checked);

    // Filled again without groups: no row keeps a header's span.
    s.lista.Wypelnij({}, {Wiersz("x"), Wiersz("y")});
    EXPECT_FALSE(s.lista.isFirstColumnSpanned(0, {}));
    EXPECT_FALSE(s.lista.isFirstColumnSpanned(1, {}));
    EXPECT_EQ(gUwagiSprawdzacza, QStringList());
}

// Each column as wide as its widest text (title included) plus 20 pixels,
// measured exactly, though only texts estimated close to the widest are
// measured: repeated texts, kerned pairs, a title wider than every cell, and
// hundreds of texts that differ only in their numbers and kerned letters
// (weighed by their pairs rather than shaped one by one).
TEST(TModelRaportuTest, ColumnsFitTheirWidestTextsExactly) {
    TSprawdzanaLista s;
    const QFontMetrics miara(s.lista.font());
    QList<QStringList> przypadki{
        {"AVAVAVAV", "WWWWWWW", "Wawa", "Wawa", "Wawa", "iiiiiiiiiiiiii", "Łódź Żółć"},
        {"To", "Ty", "Ta", "XX", "lllllllllll"},
        {},
    };
    const QStringList wstawki{"AV", "VA", "To", "Ty", "Wa", "ĘĄ", "ff", "fi"};
    for (int i = 0; i < 600; ++i)
        przypadki.back().append(QStringLiteral("Bank Spółdzielczy %1 w Łęczycy %2")
                                    .arg(wstawki[i % wstawki.size()])
                                    .arg(i * 7919 % 1000));
    for (const QStringList& teksty : przypadki) {
        std::vector<TWierszRaportu> wiersze;
        int najszerszy = miara.horizontalAdvance("Kwota");
        for (const QString& t : teksty) {
            wiersze.push_back(TWierszRaportu{{"x", t}});
            najszerszy = std::max(najszerszy, miara.horizontalAdvance(t));
        }
        s.lista.Wypelnij({}, std::move(wiersze));
        s.lista.DopasujSzerokoscKolumn();
        EXPECT_EQ(s.lista.columnWidth(1), najszerszy + 20) << teksty.join(',').toStdString();
        EXPECT_EQ(s.lista.columnWidth(0), miara.horizontalAdvance("Nazwa") + 20);
    }
}

} // namespace
