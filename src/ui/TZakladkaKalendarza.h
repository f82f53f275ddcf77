#pragma once
#include <QString>
#include <QWidget>
#include <memory>

class QAction;
class QLabel;
class QMenu;
class QStackedWidget;
class QToolButton;
class TKalendarzLokat;
class TKolekcjeDanych;
class TListaRaportowa;
class TLokata;
class TWykresKalendarza;
struct TTabelaListy;

// The deposits window's "Kalendarz" tab: when the money of the active
// deposits comes back. A bar chart of the next 12 months over a list of the
// months with their deposits (overdue ones first); a click on a bar selects
// that month in the list. "Eksportuj do kalendarza" writes the end dates as
// an iCalendar file; the list's menu also writes the list as CSV or prints
// it. Without active deposits the tab says so instead.
class TZakladkaKalendarza : public QWidget {
    Q_OBJECT

public:
    static constexpr int kMiesiaceWykresu = 12;

    explicit TZakladkaKalendarza(QWidget* parent = nullptr);
    ~TZakladkaKalendarza() override;

    // Rebuilds the calendar from the collections (null: an empty calendar).
    // `plikDanych` is the data file the deposits belong to; it makes the
    // exported events' UIDs.
    void Wypelnij(TKolekcjeDanych* kolekcje, const QString& plikDanych);
    // Selects the first deposit of the chart's month `indeks` and brings its
    // month to the top of the list.
    void PokazMiesiac(int indeks);

    // Whether there is an upcoming end date to export.
    bool MoznaEksportowac() const;

public slots:
    void btn_EksportujDoKalendarzaClick();

signals:
    // A double click (or Enter) on a deposit of the list.
    void OtworzLokate(TLokata* lokata);

private:
    QWidget* UtworzWidokKalendarza();
    void UtworzMenuKalendarza();
    void pmenu_KalendarzPopup();
    // The list as shown, with the sums of all its months under it.
    TTabelaListy TabelaListy() const;
    void WypelnijListe(TKolekcjeDanych& kolekcje);

    std::unique_ptr<TKalendarzLokat> fKalendarz;
    QString fPlikDanych;

    QToolButton* btn_EksportujDoKalendarza = nullptr;
    QStackedWidget* pnl_Kalendarz = nullptr;
    TWykresKalendarza* wyk_Kalendarz = nullptr;
    TListaRaportowa* lv_Kalendarz = nullptr;
    QLabel* lbl_BrakLokat = nullptr;
    QMenu* pmenu_Kalendarz = nullptr;
    QAction* EksportujDoKalendarza2 = nullptr;
    QAction* EksportujListe3 = nullptr;
    QAction* DrukujListe3 = nullptr;
};
