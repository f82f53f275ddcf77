#include "ui/TModelRaportu.h"

#include <algorithm>

namespace {
// A group header's index has id 0 at the top level; a row under group g has
// id g + 1. Rows of a list without groups are top-level with id 0.
constexpr quintptr kNaglowek = 0;
} // namespace

TModelRaportu::TModelRaportu(QObject* parent) : QAbstractItemModel(parent) {}

void TModelRaportu::UstawKolumny(const QStringList& tytuly,
                                 const QList<Qt::Alignment>& wyrownania) {
    beginResetModel();
    fWiersze.clear();
    fGrupy.clear();
    fPozycje.clear();
    fTytuly = tytuly;
    fWyrownania = wyrownania;
    endResetModel();
}

Qt::Alignment TModelRaportu::WyrownanieKolumny(int kolumna) const {
    return fWyrownania.value(kolumna, Qt::AlignLeft);
}

void TModelRaportu::Wypelnij(const QStringList& grupy, std::vector<TWierszRaportu> wiersze) {
    // Groups are laid out before the reset starts: a row of no group throws
    // while the model still shows its old rows.
    std::vector<TGrupa> widoczne = Pogrupuj(grupy, wiersze);
    beginResetModel();
    fWiersze = std::move(wiersze);
    fGrupy = std::move(widoczne);
    fPozycje.assign(fWiersze.size(), 0);
    Ponumeruj(0);
    for (const TGrupa& g : fGrupy)
        for (std::size_t i = 0; i < g.wiersze.size(); ++i)
            fPozycje[static_cast<std::size_t>(g.wiersze[i])] = static_cast<int>(i);
    endResetModel();
}

std::vector<TModelRaportu::TGrupa> TModelRaportu::Pogrupuj(const QStringList& grupy,
                                                           std::vector<TWierszRaportu>& wiersze) {
    if (grupy.isEmpty())
        return {};
    std::vector<TGrupa> wszystkie(static_cast<std::size_t>(grupy.size()));
    for (std::size_t n = 0; n < wiersze.size(); ++n)
        wszystkie.at(static_cast<std::size_t>(wiersze[n].grupa))
            .wiersze.push_back(static_cast<int>(n));
    std::vector<TGrupa> widoczne;
    std::vector<int> numer(wszystkie.size(), -1);
    for (std::size_t g = 0; g < wszystkie.size(); ++g) {
        if (wszystkie[g].wiersze.empty())
            continue;
        numer[g] = static_cast<int>(widoczne.size());
        wszystkie[g].naglowek = grupy[static_cast<qsizetype>(g)];
        widoczne.push_back(std::move(wszystkie[g]));
    }
    for (TWierszRaportu& w : wiersze)
        w.grupa = numer[static_cast<std::size_t>(w.grupa)];
    return widoczne;
}

void TModelRaportu::Dopisz(std::vector<TWierszRaportu> wiersze) {
    if (wiersze.empty())
        return;
    const auto od = fWiersze.size();
    beginInsertRows({}, static_cast<int>(od), static_cast<int>(od + wiersze.size() - 1));
    fWiersze.insert(fWiersze.end(), std::make_move_iterator(wiersze.begin()),
                    std::make_move_iterator(wiersze.end()));
    fPozycje.resize(fWiersze.size());
    Ponumeruj(od);
    endInsertRows();
}

void TModelRaportu::Ponumeruj(std::size_t od) {
    for (std::size_t i = od; i < fWiersze.size(); ++i) {
        fWiersze[i].indeks = static_cast<int>(i);
        fPozycje[i] = static_cast<int>(i);
    }
}

void TModelRaportu::Wyczysc() {
    Wypelnij({}, {});
}

std::optional<TKoloryWiersza> TModelRaportu::KoloryWiersza(const TWierszRaportu* wiersz) const {
    if (!fKolory || !wiersz)
        return std::nullopt;
    return fKolory(*wiersz);
}

std::vector<const TWierszRaportu*> TModelRaportu::WierszeWKolejnosci() const {
    std::vector<const TWierszRaportu*> wynik;
    wynik.reserve(fWiersze.size());
    if (!Grupowany()) {
        for (const TWierszRaportu& w : fWiersze)
            wynik.push_back(&w);
        return wynik;
    }
    for (const TGrupa& g : fGrupy)
        for (int n : g.wiersze)
            wynik.push_back(&fWiersze[static_cast<std::size_t>(n)]);
    return wynik;
}

QStringList TModelRaportu::Grupy() const {
    QStringList naglowki;
    for (const TGrupa& g : fGrupy)
        naglowki.append(g.naglowek);
    return naglowki;
}

int TModelRaportu::NumerWiersza(const QModelIndex& indeks) const {
    if (!indeks.isValid() || indeks.model() != this)
        return -1;
    if (!Grupowany())
        return indeks.row();
    if (indeks.internalId() == kNaglowek)
        return -1;
    return fGrupy[indeks.internalId() - 1].wiersze[static_cast<std::size_t>(indeks.row())];
}

const TWierszRaportu* TModelRaportu::Wiersz(const QModelIndex& indeks) const {
    const int n = NumerWiersza(indeks);
    return n < 0 ? nullptr : &fWiersze[static_cast<std::size_t>(n)];
}

QModelIndex TModelRaportu::Indeks(const TWierszRaportu& wiersz, int kolumna) const {
    const auto n = static_cast<std::size_t>(wiersz.indeks);
    if (n >= fWiersze.size() || &fWiersze[n] != &wiersz)
        return {};
    if (!Grupowany())
        return createIndex(wiersz.indeks, kolumna, kNaglowek);
    return createIndex(fPozycje[n], kolumna, static_cast<quintptr>(wiersz.grupa) + 1);
}

bool TModelRaportu::JestGrupa(const QModelIndex& indeks) {
    const auto* model = qobject_cast<const TModelRaportu*>(indeks.model());
    return model && model->Naglowek(indeks);
}

bool TModelRaportu::Naglowek(const QModelIndex& indeks) const {
    return indeks.isValid() && Grupowany() && indeks.internalId() == kNaglowek;
}

void TModelRaportu::UstawZaznaczenie(int wiersz, bool zaznaczony) {
    if (wiersz < 0 || wiersz >= static_cast<int>(fWiersze.size()))
        return;
    setData(Indeks(fWiersze[static_cast<std::size_t>(wiersz)]),
            zaznaczony ? Qt::Checked : Qt::Unchecked, Qt::CheckStateRole);
}

void TModelRaportu::ZaznaczWszystkie(bool zaznaczony) {
    if (fWiersze.empty())
        return;
    for (TWierszRaportu& w : fWiersze)
        w.zaznaczony = zaznaczony;
    if (!Grupowany())
        emit dataChanged(index(0, 0), index(rowCount() - 1, 0), {Qt::CheckStateRole});
    else
        for (int g = 0; g < static_cast<int>(fGrupy.size()); ++g) {
            const QModelIndex naglowek = index(g, 0);
            emit dataChanged(index(0, 0, naglowek), index(rowCount(naglowek) - 1, 0, naglowek),
                             {Qt::CheckStateRole});
        }
    emit ZaznaczenieZmienione();
}

int TModelRaportu::IloscZaznaczonych() const {
    int ile = 0;
    for (const TWierszRaportu& w : fWiersze)
        ile += w.zaznaczony ? 1 : 0;
    return ile;
}

QModelIndex TModelRaportu::index(int row, int column, const QModelIndex& parent) const {
    if (row < 0 || column < 0 || column >= columnCount() || row >= rowCount(parent))
        return {};
    if (!parent.isValid())
        return createIndex(row, column, kNaglowek);
    return createIndex(row, column, static_cast<quintptr>(parent.row()) + 1);
}

QModelIndex TModelRaportu::parent(const QModelIndex& child) const {
    if (!child.isValid() || child.internalId() == kNaglowek)
        return {};
    return createIndex(static_cast<int>(child.internalId() - 1), 0, kNaglowek);
}

int TModelRaportu::rowCount(const QModelIndex& parent) const {
    if (!parent.isValid())
        return static_cast<int>(Grupowany() ? fGrupy.size() : fWiersze.size());
    if (parent.column() != 0 || !Naglowek(parent))
        return 0;
    return static_cast<int>(fGrupy[static_cast<std::size_t>(parent.row())].wiersze.size());
}

int TModelRaportu::columnCount(const QModelIndex&) const {
    // Rows filled before the columns are set still show their first text.
    const bool jestWiersz = !fWiersze.empty();
    return std::max(static_cast<int>(fTytuly.size()), jestWiersz ? 1 : 0);
}

QVariant TModelRaportu::data(const QModelIndex& index, int role) const {
    if (Naglowek(index))
        return role == Qt::DisplayRole && index.column() == 0
                   ? QVariant(fGrupy[static_cast<std::size_t>(index.row())].naglowek)
                   : QVariant();
    const TWierszRaportu* wiersz = Wiersz(index);
    return wiersz ? DaneWiersza(*wiersz, index.column(), role) : QVariant();
}

QVariant TModelRaportu::DaneWiersza(const TWierszRaportu& wiersz, int kolumna, int rola) const {
    switch (rola) {
    case Qt::DisplayRole:
        return wiersz.komorki.value(kolumna);
    case Qt::DecorationRole:
        if (kolumna != 0)
            return {};
        if (!wiersz.uwaga.isEmpty() && !fIkonaUwagi.isNull())
            return fIkonaUwagi;
        return MaIkone() ? QVariant(fIkona) : QVariant();
    case Qt::ToolTipRole:
        return kolumna == 0 && !wiersz.uwaga.isEmpty() ? QVariant(wiersz.uwaga) : QVariant();
    case Qt::CheckStateRole:
        if (kolumna == 0 && fPolaWyboru)
            return wiersz.zaznaczony ? Qt::Checked : Qt::Unchecked;
        return {};
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(WyrownanieKolumny(kolumna) | Qt::AlignVCenter);
    default:
        return {};
    }
}

bool TModelRaportu::setData(const QModelIndex& index, const QVariant& value, int role) {
    const int n = NumerWiersza(index);
    if (n < 0 || role != Qt::CheckStateRole || !fPolaWyboru || index.column() != 0)
        return false;
    const bool zaznaczony = value.value<Qt::CheckState>() == Qt::Checked;
    TWierszRaportu& wiersz = fWiersze[static_cast<std::size_t>(n)];
    if (wiersz.zaznaczony == zaznaczony)
        return true;
    wiersz.zaznaczony = zaznaczony;
    emit dataChanged(index, index, {Qt::CheckStateRole});
    emit ZaznaczenieZmienione();
    return true;
}

Qt::ItemFlags TModelRaportu::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    if (Naglowek(index))
        return Qt::ItemIsEnabled;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
    if (fPolaWyboru && index.column() == 0)
        f |= Qt::ItemIsUserCheckable;
    return f;
}

QVariant TModelRaportu::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= fTytuly.size())
        return {};
    if (role == Qt::DisplayRole)
        return fTytuly[section];
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(WyrownanieKolumny(section) | Qt::AlignVCenter);
    return {};
}
