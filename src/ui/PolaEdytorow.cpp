#include "ui/PolaEdytorow.h"

#include "app/Komunikaty.h"
#include "platform/WebAddresses.h"
#include "ui/TAMHSensitiveLabel.h"

#include <QComboBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>

namespace {

// The units in the order of TJednostkaOkresu (Dzien .. Rok).
const QStringList kJednostki = {QStringLiteral("Dzień"), QStringLiteral("Tydzeń"),
                                QStringLiteral("Miesiąc"), QStringLiteral("Rok")};
constexpr int kWidoczneWiersze = 15;

} // namespace

QLabel* Etykieta(const QString& tekst, QWidget* pole, QWidget* rodzic) {
    auto* etykieta = new QLabel(tekst, rodzic);
    etykieta->setBuddy(pole);
    return etykieta;
}

QComboBox* ListaJednostek(const char* nazwa, QWidget* rodzic) {
    auto* lista = new QComboBox(rodzic);
    lista->setObjectName(QLatin1String(nazwa));
    lista->addItems(kJednostki);
    lista->setMaxVisibleItems(kWidoczneWiersze);
    return lista;
}

void UstawJednostke(QComboBox* lista, TJednostkaOkresu jednostka) {
    const int pozycja = static_cast<int>(jednostka);
    const bool znana = pozycja >= 0 && pozycja < kJednostki.size();
    lista->setCurrentIndex(znana ? pozycja : -1);
}

TJednostkaOkresu JednostkaZListy(const QComboBox* lista) {
    const int pozycja = lista->currentIndex();
    if (pozycja < 0 || pozycja >= kJednostki.size())
        return TJednostkaOkresu::Brak;
    return static_cast<TJednostkaOkresu>(pozycja);
}

bool WpisujeZakazanyZnak(const QEvent* zdarzenie) {
    if (zdarzenie->type() != QEvent::KeyPress)
        return false;
    const QString tekst = static_cast<const QKeyEvent*>(zdarzenie)->text();
    return tekst.size() == 1 && QStringLiteral("\"';").contains(tekst[0]);
}

TAMHSensitiveLabel* Odnosnik(const QString& tekst, const char* nazwa, bool podkreslPodMysza,
                             QWidget* rodzic) {
    auto* odnosnik = new TAMHSensitiveLabel(tekst, rodzic);
    odnosnik->setObjectName(QString::fromLatin1(nazwa));
    odnosnik->setCursor(Qt::PointingHandCursor);
    odnosnik->setFocusPolicy(Qt::StrongFocus);
    odnosnik->setAccessibleName(tekst);
    QFont podMysza = odnosnik->font();
    podMysza.setUnderline(podkreslPodMysza);
    odnosnik->SetFontMouseMove({podMysza, QColor(Qt::blue)});
    odnosnik->SetFontMouseDown({odnosnik->font(), QColor(Qt::red)});
    return odnosnik;
}

TOdnosnikiPartnerow UtworzOdnosnikiPartnerow(QWidget* rodzic) {
    const QString podpowiedz = QStringLiteral("Kliknij, aby zobaczyć zestawienie");
    TOdnosnikiPartnerow o;
    o.GridPanel1 = new QWidget(rodzic);
    o.GridPanel1->setObjectName(QStringLiteral("GridPanel1"));
    auto* siatka = new QGridLayout(o.GridPanel1);
    siatka->setContentsMargins(0, 0, 0, 0);
    siatka->setVerticalSpacing(4);

    o._lbl1 = new QLabel(QStringLiteral("Warto zobaczyć:"), o.GridPanel1);
    o._lbl1->setObjectName(QStringLiteral("_lbl1"));
    QFont pogrubiona = o._lbl1->font();
    pogrubiona.setBold(true);
    o._lbl1->setFont(pogrubiona);
    o._lbl4 = Odnosnik(QStringLiteral("Zestawienie najlepszych lokat bankowych"), "_lbl4", true,
                       o.GridPanel1);
    o._lbl4->setToolTip(podpowiedz);
    o._lbl3 = Odnosnik(QStringLiteral("Zestawienie najlepszych kont oszczędnościowych"), "_lbl3",
                       true, o.GridPanel1);
    o._lbl3->setToolTip(podpowiedz);

    siatka->addWidget(o._lbl1, 0, 0);
    siatka->addWidget(o._lbl4, 1, 0);
    siatka->addWidget(o._lbl3, 2, 0);
    QObject::connect(o._lbl4, &TAMHSensitiveLabel::clicked, o.GridPanel1,
                     [] { OtworzStroneWWW(WebAddresses::DepositRanking()); });
    QObject::connect(o._lbl3, &TAMHSensitiveLabel::clicked, o.GridPanel1,
                     [] { OtworzStroneWWW(WebAddresses::SavingsAccountRanking()); });
    return o;
}
