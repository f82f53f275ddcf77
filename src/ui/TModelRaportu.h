#pragma once
#include "ui/TWierszRaportu.h"

#include <QAbstractItemModel>
#include <QIcon>
#include <QList>
#include <functional>
#include <optional>
#include <vector>

// The rows of a report list, as a model its view asks for what it paints:
// headed groups at the top level with their rows under them (a group without
// rows is left out), or, in a list without groups, the rows themselves.
// Rows keep the order they were given in; texts, colours and check boxes are
// looked up per cell when the view asks, so filling costs no widget items.
class TModelRaportu : public QAbstractItemModel {
    Q_OBJECT

public:
    using TDobieranieKolorow = std::function<std::optional<TKoloryWiersza>(const TWierszRaportu&)>;

    explicit TModelRaportu(QObject* parent = nullptr);

    // Removes the rows, then sets one column per title.
    void UstawKolumny(const QStringList& tytuly, const QList<Qt::Alignment>& wyrownania);
    const QStringList& Tytuly() const { return fTytuly; }
    Qt::Alignment WyrownanieKolumny(int kolumna) const;

    // Replaces every row; each row's `grupa` indexes `grupy` (or is -1 when
    // `grupy` is empty).
    void Wypelnij(const QStringList& grupy, std::vector<TWierszRaportu> wiersze);
    // Appends rows to a list without groups (one filled with no groups).
    void Dopisz(std::vector<TWierszRaportu> wiersze);
    void Wyczysc();

    void UstawIkone(const QIcon& ikona) { fIkona = ikona; }
    // The image of rows with a note (TWierszRaportu::uwaga).
    void UstawIkoneUwagi(const QIcon& ikona) { fIkonaUwagi = ikona; }
    bool MaIkone() const { return !fIkona.isNull(); }
    // Rows with a check box in their first cell; set before the rows come.
    void UstawPolaWyboru(bool polaWyboru) { fPolaWyboru = polaWyboru; }
    bool MaPolaWyboru() const { return fPolaWyboru; }
    void UstawKolory(TDobieranieKolorow dobieranie) { fKolory = std::move(dobieranie); }
    std::optional<TKoloryWiersza> KoloryWiersza(const TWierszRaportu* wiersz) const;

    // Every row in the order given (not the order shown).
    const std::vector<TWierszRaportu>& Wiersze() const { return fWiersze; }
    // Rows in the order shown: group by group.
    std::vector<const TWierszRaportu*> WierszeWKolejnosci() const;
    // Headers of the groups shown (those with rows).
    QStringList Grupy() const;

    // The row an index stands for; null for a group header or no index.
    const TWierszRaportu* Wiersz(const QModelIndex& indeks) const;
    QModelIndex Indeks(const TWierszRaportu& wiersz, int kolumna = 0) const;
    static bool JestGrupa(const QModelIndex& indeks);

    void UstawZaznaczenie(int wiersz, bool zaznaczony);
    void ZaznaczWszystkie(bool zaznaczony);
    int IloscZaznaczonych() const;

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

signals:
    // A row's check box was ticked or cleared (one signal for ZaznaczWszystkie).
    void ZaznaczenieZmienione();

private:
    struct TGrupa {
        QString naglowek;
        std::vector<int> wiersze;
    };

    // The groups that have rows, in order; renumbers each row's group to
    // its place among them.
    static std::vector<TGrupa> Pogrupuj(const QStringList& grupy,
                                        std::vector<TWierszRaportu>& wiersze);
    bool Grupowany() const { return !fGrupy.empty(); }
    // A group header of this model (the views ask per cell: no cast).
    bool Naglowek(const QModelIndex& indeks) const;
    int NumerWiersza(const QModelIndex& indeks) const;
    QVariant DaneWiersza(const TWierszRaportu& wiersz, int kolumna, int rola) const;
    void Ponumeruj(std::size_t od);

    QStringList fTytuly;
    QList<Qt::Alignment> fWyrownania;
    std::vector<TWierszRaportu> fWiersze;
    // Only the groups that have rows.
    std::vector<TGrupa> fGrupy;
    // Position of each row under its group (or at the top level).
    std::vector<int> fPozycje;
    QIcon fIkona;
    QIcon fIkonaUwagi;
    bool fPolaWyboru = false;
    TDobieranieKolorow fKolory;
};
