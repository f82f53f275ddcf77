#pragma once
#include <QStringList>
#include <cstdint>

// The display descriptor of one table: the titles of its columns, the first
// of which is always "ID", the hidden key column.
class TTabela {
public:
    TTabela() = default;
    TTabela(const TTabela&) = delete;
    TTabela& operator=(const TTabela&) = delete;

    void Clear() { fTytulyKolumn.clear(); }
    void WyczyscNazwyKolumn() { fTytulyKolumn.clear(); }

    const QStringList& TytulyKolumn() const { return fTytulyKolumn; }
    void SetTytulyKolumn(const QStringList& value) { fTytulyKolumn = value; }

    // The number of shown columns: the titles without "ID"; -1 when empty.
    int32_t IleKolumn() const { return static_cast<int32_t>(fTytulyKolumn.size()) - 1; }

private:
    QStringList fTytulyKolumn;
};
