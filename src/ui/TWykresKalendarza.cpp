#include "ui/TWykresKalendarza.h"

#include "format/Formatowanie.h"
#include "format/TFormatSettings.h"
#include "ui/KontrastTekstu.h"
#include "ui/TDelegatWierszy.h"
#include "ui/TDostepWykresuKalendarza.h"
#include "ui/THeaderPanel.h"
#include "ui/TKoloryWierszyLokat.h"

#include <QAccessible>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <algorithm>
#include <cmath>

namespace {

constexpr int kMarginesLewy = 86;
constexpr int kMarginesGorny = 24;
constexpr int kMarginesPrawy = 10;
constexpr int kMiejsceNaPodpisy = 34;
constexpr int kLinieSiatki = 4;

QColor KolorKwoty() {
    return THeaderPanel::Kolor();
}
QColor KolorZysku() {
    return QColor(104, 196, 92);
}
QColor KolorWyroznienia() {
    return TKoloryWierszyLokat::TloParzystejOferty();
}

// A step of the grid that reads well: 1, 2, 2.5 or 5 times a power of ten,
// so that the grid lines cover `maksimum`.
double KrokSiatki(double maksimum) {
    const double surowy = maksimum / kLinieSiatki;
    const double potega = std::pow(10.0, std::floor(std::log10(surowy)));
    for (double mnoznik : {1.0, 2.0, 2.5, 5.0})
        if (mnoznik * potega >= surowy)
            return mnoznik * potega;
    return 10 * potega;
}

QString KrotkaNazwaMiesiaca(int miesiac) {
    const QStringList& nazwy = UstawieniaFormatow.ShortMonthNames;
    return miesiac >= 1 && miesiac <= nazwy.size() ? nazwy.at(miesiac - 1)
                                                   : QString::number(miesiac);
}

} // namespace

TWykresKalendarza::TWykresKalendarza(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("wyk_Kalendarz"));
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    TDostepWykresuKalendarza::ZainstalujFabryke();
}

void TWykresKalendarza::UstawMiesiace(std::vector<TMiesiacKalendarza> miesiace) {
    fMiesiace = std::move(miesiace);
    fPodMysza = -1;
    fWybrany = -1;
    update();
}

QString TWykresKalendarza::NazwaMiesiaca(int rok, int miesiac) {
    return TMiesiacKalendarza::NazwaMiesiaca(rok, miesiac);
}

QRect TWykresKalendarza::Obszar() const {
    return rect().adjusted(kMarginesLewy, kMarginesGorny, -kMarginesPrawy, -kMiejsceNaPodpisy);
}

QRect TWykresKalendarza::ObszarSlupka(int indeks) const {
    if (indeks < 0 || indeks >= IloscSlupkow())
        return {};
    const QRect obszar = Obszar();
    const int lewa = obszar.left() + obszar.width() * indeks / IloscSlupkow();
    const int prawa = obszar.left() + obszar.width() * (indeks + 1) / IloscSlupkow();
    return QRect(QPoint(lewa, obszar.top()), QPoint(prawa - 1, height() - 1));
}

int TWykresKalendarza::SlupekPod(const QPoint& punkt) const {
    for (int i = 0; i < IloscSlupkow(); ++i)
        if (ObszarSlupka(i).contains(punkt))
            return i;
    return -1;
}

QString TWykresKalendarza::OpisSlupka(int indeks) const {
    if (indeks < 0 || indeks >= IloscSlupkow())
        return {};
    const TMiesiacKalendarza& m = fMiesiace[indeks];
    return NazwaMiesiaca(m.rok, m.miesiac) + QStringLiteral("\nKończące się lokaty: ") +
           QString::number(m.Ilosc()) + QStringLiteral("\nKwota: ") + FormatMoney(m.kwota) +
           QStringLiteral("\nSzacowany zysk: ") + FormatMoney(m.szacowanyZysk);
}

// The top of the scale: the highest month rounded up to whole grid steps.
double TWykresKalendarza::Maksimum() const {
    double maksimum = 0;
    for (const TMiesiacKalendarza& m : fMiesiace)
        maksimum = std::max(maksimum, m.kwota + m.szacowanyZysk);
    return maksimum > 0 && std::isfinite(maksimum) ? KrokSiatki(maksimum) * kLinieSiatki : 0;
}

bool TWykresKalendarza::event(QEvent* zdarzenie) {
    if (zdarzenie->type() == QEvent::ToolTip) {
        auto* pomoc = static_cast<QHelpEvent*>(zdarzenie);
        const int slupek = SlupekPod(pomoc->pos());
        if (slupek >= 0)
            QToolTip::showText(pomoc->globalPos(), OpisSlupka(slupek), this, ObszarSlupka(slupek));
        else
            QToolTip::hideText();
        return true;
    }
    return QWidget::event(zdarzenie);
}

void TWykresKalendarza::mouseMoveEvent(QMouseEvent* event) {
    const int slupek = SlupekPod(event->position().toPoint());
    if (slupek != fPodMysza) {
        fPodMysza = slupek;
        setCursor(slupek >= 0 ? Qt::PointingHandCursor : Qt::ArrowCursor);
        update();
    }
    QWidget::mouseMoveEvent(event);
}

void TWykresKalendarza::mousePressEvent(QMouseEvent* event) {
    const int slupek = SlupekPod(event->position().toPoint());
    if (event->button() == Qt::LeftButton && slupek >= 0)
        emit SlupekKlikniety(slupek);
    QWidget::mousePressEvent(event);
}

void TWykresKalendarza::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    if (fWybrany < 0 && IloscSlupkow() > 0)
        fWybrany = 0;
    update();
}

void TWykresKalendarza::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Left:
        return Wybierz(fWybrany - 1);
    case Qt::Key_Right:
        return Wybierz(fWybrany + 1);
    case Qt::Key_Home:
        return Wybierz(0);
    case Qt::Key_End:
        return Wybierz(IloscSlupkow() - 1);
    case Qt::Key_Space:
        return Wybierz(fWybrany);
    default:
        QWidget::keyPressEvent(event);
    }
}

// The bar becomes the chosen one, its month is reported as a click would,
// and a screen reader is told which bar has the focus now.
void TWykresKalendarza::Wybierz(int indeks) {
    if (IloscSlupkow() == 0)
        return;
    fWybrany = std::clamp(indeks, 0, IloscSlupkow() - 1);
    update();
    emit SlupekKlikniety(fWybrany);
    if (QAccessible::isActive()) {
        QAccessibleEvent zdarzenie(this, QAccessible::Focus);
        zdarzenie.setChild(fWybrany);
        QAccessible::updateAccessibility(&zdarzenie);
    }
}

void TWykresKalendarza::leaveEvent(QEvent* event) {
    fPodMysza = -1;
    update();
    QWidget::leaveEvent(event);
}

QColor TWykresKalendarza::Tlo() const {
    return palette().color(QPalette::Base);
}

QColor TWykresKalendarza::KolorTekstu() const {
    return KolorCzytelnyNa(Tlo(), {palette().color(QPalette::Text)});
}

void TWykresKalendarza::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Tlo());
    p.setRenderHint(QPainter::Antialiasing, false);
    const double maksimum = Maksimum();
    RysujOsie(p, Obszar(), maksimum);
    for (int i = 0; i < IloscSlupkow(); ++i)
        RysujSlupek(p, i, maksimum);
    RysujLegende(p);
    if (maksimum <= 0) {
        p.setPen(KolorCzytelnyNa(
            Tlo(), {palette().color(QPalette::PlaceholderText), palette().color(QPalette::Text)}));
        p.drawText(Obszar(), Qt::AlignCenter | Qt::TextWordWrap,
                   QStringLiteral("W najbliższych 12 miesiącach nie kończy się żadna lokata."));
    }
}

// Which colour is which, in the top right corner over the grid.
void TWykresKalendarza::RysujLegende(QPainter& p) const {
    const QFontMetrics miara(font());
    const int bok = miara.height() - 4;
    int x = Obszar().right();
    const int y = 2;
    for (const auto& [opis, kolor] : {std::pair{QStringLiteral("szacowany zysk"), KolorZysku()},
                                      std::pair{QStringLiteral("kwota"), KolorKwoty()}}) {
        x -= miara.horizontalAdvance(opis);
        p.setPen(KolorTekstu());
        p.drawText(QRect(x, y, miara.horizontalAdvance(opis), miara.height()), Qt::AlignLeft, opis);
        x -= bok + 4;
        p.fillRect(x, y + 2, bok, bok, kolor);
        x -= 14;
    }
}

// Grid lines at quarters of the highest month, labelled with their amounts.
void TWykresKalendarza::RysujOsie(QPainter& p, const QRect& obszar, double maksimum) const {
    const QFontMetrics miara(font());
    for (int i = 0; i <= kLinieSiatki; ++i) {
        const int y = obszar.bottom() - obszar.height() * i / kLinieSiatki;
        p.setPen(i == 0 ? KolorTekstu() : TDelegatWierszy::KolorSiatki());
        p.drawLine(obszar.left(), y, obszar.right(), y);
        if (maksimum <= 0 && i > 0)
            continue;
        p.setPen(KolorTekstu());
        const QString kwota = FormatMoney(maksimum * i / kLinieSiatki, 0);
        const QRect etykieta(0, y - miara.height() / 2, kMarginesLewy - 6, miara.height());
        p.drawText(etykieta, Qt::AlignRight | Qt::AlignVCenter, kwota);
    }
}

void TWykresKalendarza::RysujSlupek(QPainter& p, int indeks, double maksimum) const {
    const TMiesiacKalendarza& m = fMiesiace[indeks];
    const QRect kolumna = ObszarSlupka(indeks);
    const QRect obszar = Obszar();
    const bool biezacy = indeks == 0;
    if (biezacy || indeks == fPodMysza)
        p.fillRect(QRect(kolumna.left(), obszar.top(), kolumna.width(), obszar.height()),
                   biezacy && indeks != fPodMysza ? KolorWyroznienia()
                                                  : KolorWyroznienia().darker(108));
    if (maksimum > 0) {
        const int szerokosc = std::max(4, kolumna.width() * 3 / 5);
        const int lewa = kolumna.left() + (kolumna.width() - szerokosc) / 2;
        const int wysokoscKwoty = qRound(obszar.height() * m.kwota / maksimum);
        const int wysokoscZysku = qRound(obszar.height() * m.szacowanyZysk / maksimum);
        const int dno = obszar.bottom();
        p.fillRect(lewa, dno - wysokoscKwoty, szerokosc, wysokoscKwoty, KolorKwoty());
        p.fillRect(lewa, dno - wysokoscKwoty - wysokoscZysku, szerokosc, wysokoscZysku,
                   KolorZysku());
    }
    if (hasFocus() && indeks == fWybrany) {
        QPen ramka(KolorTekstu());
        ramka.setStyle(Qt::DotLine);
        p.setPen(ramka);
        p.drawRect(kolumna.adjusted(0, 0, -1, -1));
    }
    QFont czcionka = font();
    czcionka.setBold(biezacy);
    p.setFont(czcionka);
    p.setPen(KolorTekstu());
    const QRect podpis(kolumna.left(), obszar.bottom() + 3, kolumna.width(), kMiejsceNaPodpisy - 3);
    QString tekst = KrotkaNazwaMiesiaca(m.miesiac);
    if (biezacy || m.miesiac == 1)
        tekst += QLatin1Char('\n') + QString::number(m.rok);
    p.drawText(podpis, Qt::AlignHCenter | Qt::AlignTop, tekst);
    p.setFont(font());
}
