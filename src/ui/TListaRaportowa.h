#pragma once
#include "ui/TModelRaportu.h"

#include <QMap>
#include <QTreeView>
#include <memory>
#include <vector>

class QSettings;
class TFormSize;
class TSzerokosciKolumn;

// A read-only report list: columns with titles and alignment, rows grouped
// under headed sections (a header spans all columns, is always expanded and
// cannot be selected), grid lines, whole-row selection, 32 by 32 row images.
// The rows live in the list's model (TModelRaportu); each carries a record
// it does not own and its index in the order the rows were given.
class TListaRaportowa : public QTreeView {
    Q_OBJECT

public:
    using TDobieranieKolorow = TModelRaportu::TDobieranieKolorow;

    explicit TListaRaportowa(const char* nazwa, QWidget* parent = nullptr);
    ~TListaRaportowa() override;

    TModelRaportu& Model() const { return *fModel; }

    // Clears rows and columns, then adds one column per title.
    void UstawKolumny(const QStringList& tytuly, const QList<Qt::Alignment>& wyrownania);
    void WyczyscKolumny();
    Qt::Alignment WyrownanieKolumny(int kolumna) const;
    QString TytulKolumny(int kolumna) const;
    int IloscKolumn() const;

    // Replaces the rows (see TModelRaportu::Wypelnij); group headers span
    // the list and stay expanded.
    void Wypelnij(const QStringList& grupy, std::vector<TWierszRaportu> wiersze);
    void Dopisz(std::vector<TWierszRaportu> wiersze);
    void Wyczysc();

    // A deposit's texts as its row under a group shows them: the name two
    // blanks in.
    static QStringList WcietaNazwa(QStringList komorki);

    // The image every row shows before its first text (none by default).
    void UstawIkone(const QIcon& ikona) { fModel->UstawIkone(ikona); }
    void UstawIkoneUwagi(const QIcon& ikona) { fModel->UstawIkoneUwagi(ikona); }
    void UstawPolaWyboru(bool polaWyboru) { fModel->UstawPolaWyboru(polaWyboru); }
    void UstawKolory(TDobieranieKolorow dobieranie) { fModel->UstawKolory(std::move(dobieranie)); }
    std::optional<TKoloryWiersza> KoloryWiersza(const TWierszRaportu* wiersz) const {
        return fModel->KoloryWiersza(wiersz);
    }

    // The selected row (never a group header), or null.
    const TWierszRaportu* WybranyWiersz() const;
    // Selects the row and shows it.
    void Zaznacz(const TWierszRaportu& wiersz);
    // Selects the row that carries the record and shows it; selects nothing
    // when no row carries it.
    void ZaznaczRekord(const void* rekord);
    // Selects the rows of these records; the first of them in the list's
    // order becomes the current row.
    void ZaznaczRekordy(const QList<const void*>& rekordy);
    // Rows (not group headers) in display order.
    std::vector<const TWierszRaportu*> Wiersze() const { return fModel->WierszeWKolejnosci(); }
    int IloscWierszy() const { return static_cast<int>(fModel->Wiersze().size()); }
    // Headers of the groups shown.
    QStringList Grupy() const { return fModel->Grupy(); }
    const TWierszRaportu* WierszDla(const QModelIndex& indeks) const {
        return fModel->Wiersz(indeks);
    }
    QModelIndex IndeksWiersza(const TWierszRaportu& wiersz, int kolumna = 0) const {
        return fModel->Indeks(wiersz, kolumna);
    }

    // Every column as wide as its widest text (title included) plus 20
    // pixels; the first also makes room for the row image and check box.
    // Then, when the columns are wider than the list, its flexible columns
    // give way (see UstawKolumnyElastyczne). A column the user sized by hand
    // keeps the user's width.
    void DopasujSzerokoscKolumn();
    // The columns that shrink, in proportion to what they can give, down to
    // their title's width when the list is narrower than its texts; their
    // texts then end in "…" and show whole in the tooltip.
    void UstawKolumnyElastyczne(const QList<int>& kolumny) { fElastyczne = kolumny; }
    // The width every column would take without giving way.
    int NaturalnaSzerokosc() const;

    // The widths the user set by hand, kept in a window's placement section
    // under "Kolumny/<list's name>" as "column:width" pairs.
    void WczytajReczneSzerokosci(const QSettings& sekcja);
    void ZapiszReczneSzerokosci(QSettings& sekcja) const;
    // Every list of the placement's window keeps its hand-set widths with
    // the window's size.
    static void PamietajSzerokosciKolumn(const TFormSize& polozenie);

signals:
    // A double click or Enter (Return) on a row: it is opened.
    void WierszZatwierdzony(const TWierszRaportu& wiersz);

protected:
    // Enter on a selected row is the list's own; elsewhere it goes on to the
    // window (its default button).
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void ZmiescKolumny();
    QString KluczSzerokosci() const;
    void UstawSzerokosc(int kolumna, int szerokosc);

    TModelRaportu* fModel;
    // Kept between fillings: texts measured once are not measured again.
    std::unique_ptr<TSzerokosciKolumn> fMiara;
    QList<int> fElastyczne;
    // The widths the texts ask for, and those the user set by dragging.
    QList<int> fNaturalne;
    QMap<int, int> fReczne;
    bool fUstawiaSzerokosc = false;
};
