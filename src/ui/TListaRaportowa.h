#pragma once
#include <QColor>
#include <QList>
#include <QTreeWidget>
#include <functional>
#include <optional>

// Colours of one row, chosen before the row is painted.
struct TKoloryWiersza {
    QColor tlo;
    QColor tekst;
};

// A read-only report list: columns with titles and alignment, rows grouped
// under headed sections (a header spans all columns, is always expanded and
// cannot be selected), grid lines, whole-row selection, 32 by 32 row images.
// Each row carries a record it does not own, and its index in the order the
// rows were added.
class TListaRaportowa : public QTreeWidget {
    Q_OBJECT

public:
    using TDobieranieKolorow =
        std::function<std::optional<TKoloryWiersza>(const QTreeWidgetItem* wiersz)>;

    explicit TListaRaportowa(const char* nazwa, QWidget* parent = nullptr);

    // Clears rows and columns, then adds one column per title.
    void UstawKolumny(const QStringList& tytuly, const QList<Qt::Alignment>& wyrownania);
    void WyczyscKolumny();
    Qt::Alignment WyrownanieKolumny(int kolumna) const;

    // Rows and group headers are built outside the list and inserted at once;
    // a group without rows is not shown.
    static QTreeWidgetItem* UtworzGrupe(const QString& naglowek);
    // A deposit's texts as its row under a group shows them: the name two
    // blanks in.
    static QStringList WcietaNazwa(QStringList komorki);
    static QTreeWidgetItem* UtworzWiersz(const QStringList& komorki, void* rekord, int indeks,
                                         const QIcon& ikona);
    void WstawGrupy(const QList<QTreeWidgetItem*>& grupy);

    static bool JestGrupa(const QTreeWidgetItem* wiersz);
    static void* Rekord(const QTreeWidgetItem* wiersz);
    static int IndeksWiersza(const QTreeWidgetItem* wiersz);

    // The selected row (never a group header), or null.
    QTreeWidgetItem* WybranyWiersz() const;
    // Selects the row that carries the record and shows it; selects nothing
    // when no row carries it.
    void ZaznaczRekord(const void* rekord);
    // Rows (not group headers) in display order.
    QList<QTreeWidgetItem*> Wiersze() const;
    int IloscWierszy() const;
    QTreeWidgetItem* WierszDla(const QModelIndex& indeks) const { return itemFromIndex(indeks); }

    void UstawKolory(TDobieranieKolorow dobieranie) { fKolory = std::move(dobieranie); }
    std::optional<TKoloryWiersza> KoloryWiersza(const QTreeWidgetItem* wiersz) const;

signals:
    // Enter (Return) on the selected row: it is opened, as by a double click.
    void WierszZatwierdzony(QTreeWidgetItem* wiersz);

protected:
    // Enter on a selected row is the list's own; elsewhere it goes on to the
    // window (its default button).
    void keyPressEvent(QKeyEvent* event) override;

private:
    QList<Qt::Alignment> fWyrownania;
    TDobieranieKolorow fKolory;
};
