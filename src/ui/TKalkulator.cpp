#include "ui/TKalkulator.h"

#include "format/Formatowanie.h"
#include "format/TFormatSettings.h"

#include <QGridLayout>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>
#include <QToolButton>
#include <algorithm>
#include <cmath>

namespace {

// Digits a typed number may have, as many as an amount field takes.
constexpr int kMaksymalnaDlugoscWpisu = 15;

struct TPrzyciskKalkulatora {
    const char* napis;
    const char* klawisz;
    int wiersz, kolumna, szerokosc;
};

// clang-format off
const TPrzyciskKalkulatora kPrzyciski[] = {
    {"C", "C", 0, 0, 1}, {"\u2190", "<", 0, 1, 1}, {"\u00f7", "/", 0, 2, 1}, {"\u00d7", "*", 0, 3, 1},
    {"7", "7", 1, 0, 1}, {"8", "8", 1, 1, 1},      {"9", "9", 1, 2, 1},      {"\u2212", "-", 1, 3, 1},
    {"4", "4", 2, 0, 1}, {"5", "5", 2, 1, 1},      {"6", "6", 2, 2, 1},      {"+", "+", 2, 3, 1},
    {"1", "1", 3, 0, 1}, {"2", "2", 3, 1, 1},      {"3", "3", 3, 2, 1},      {"=", "=", 3, 3, 1},
    {"0", "0", 4, 0, 2},                           {",", ",", 4, 2, 1},      {"OK", "OK", 4, 3, 1},
};
// clang-format on

QChar Separator() {
    return UstawieniaFormatow.DecimalSeparator;
}

} // namespace

TKalkulator::TKalkulator(QWidget* parent) : QFrame(parent, Qt::Popup) {
    setObjectName(QStringLiteral("pnl_Kalkulator"));
    setFrameShape(QFrame::StyledPanel);
    setFrameShadow(QFrame::Raised);
    UtworzPrzyciski();
    Odswiez();
}

void TKalkulator::UtworzPrzyciski() {
    auto* siatka = new QGridLayout(this);
    siatka->setContentsMargins(4, 4, 4, 4);
    siatka->setSpacing(2);
    fWyswietlacz = new QLabel(this);
    fWyswietlacz->setObjectName(QStringLiteral("lbl_Wyswietlacz"));
    fWyswietlacz->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    fWyswietlacz->setFrameShape(QFrame::StyledPanel);
    fWyswietlacz->setFrameShadow(QFrame::Sunken);
    fWyswietlacz->setBackgroundRole(QPalette::Base);
    fWyswietlacz->setAutoFillBackground(true);
    fWyswietlacz->setMargin(3);
    QFont czcionka = fWyswietlacz->font();
    czcionka.setPointSizeF(czcionka.pointSizeF() * 1.3);
    fWyswietlacz->setFont(czcionka);
    siatka->addWidget(fWyswietlacz, 0, 0, 1, 4);
    for (const auto& opis : kPrzyciski) {
        auto* przycisk = new QToolButton(this);
        const QString klawisz = QString::fromUtf8(opis.klawisz);
        przycisk->setText(klawisz == QLatin1String(",") ? QString(Separator())
                                                        : QString::fromUtf8(opis.napis));
        przycisk->setFocusPolicy(Qt::NoFocus);
        przycisk->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        przycisk->setMinimumSize(30, 26);
        connect(przycisk, &QToolButton::clicked, this, [this, klawisz] { Wcisnij(klawisz); });
        siatka->addWidget(przycisk, opis.wiersz + 1, opis.kolumna, 1, opis.szerokosc);
    }
}

void TKalkulator::Otworz(double wartosc, const QPoint& gdzie, int minimalnaSzerokosc) {
    Ustaw(wartosc);
    adjustSize();
    resize(std::max(width(), minimalnaSzerokosc), height());
    QPoint polozenie = gdzie;
    if (const QScreen* ekran = QGuiApplication::screenAt(gdzie)) {
        const QRect dostepne = ekran->availableGeometry();
        polozenie.setX(std::clamp(polozenie.x(), dostepne.left(), dostepne.right() - width()));
        if (polozenie.y() + height() > dostepne.bottom())
            polozenie.setY(std::max(dostepne.top(), polozenie.y() - height()));
    }
    move(polozenie);
    show();
    setFocus(Qt::PopupFocusReason);
}

void TKalkulator::Ustaw(double wartosc) {
    Wyczysc();
    fAkumulator = wartosc;
    Odswiez();
}

void TKalkulator::Wcisnij(const QString& klawisz) {
    if (klawisz == QLatin1String("C")) {
        Wyczysc();
    } else if (fBlad) {
        return; // after an error only "C" goes on
    } else if (klawisz.size() == 1 && klawisz[0] >= QLatin1Char('0') &&
               klawisz[0] <= QLatin1Char('9')) {
        WpiszZnak(klawisz[0]);
    } else if (klawisz == QLatin1String(",") || klawisz == QLatin1String(".") ||
               klawisz == QString(Separator())) {
        WpiszZnak(Separator());
    } else if (klawisz == QLatin1String("<")) {
        Cofnij();
    } else if (klawisz.size() == 1 && QStringLiteral("+-*/").contains(klawisz[0])) {
        UstawOperacje(klawisz[0]);
    } else if (klawisz == QLatin1String("=")) {
        Oblicz();
        fOperacja = QChar();
    } else if (klawisz == QLatin1String("OK")) {
        Przyjmij();
        return;
    }
    Odswiez();
}

void TKalkulator::WpiszZnak(QChar znak) {
    if (znak == Separator()) {
        if (fWpis.contains(znak))
            return;
        if (fWpis.isEmpty())
            fWpis = QStringLiteral("0");
    } else if (fWpis == QLatin1String("0")) {
        fWpis.clear();
    }
    if (fWpis.size() < kMaksymalnaDlugoscWpisu)
        fWpis.append(znak);
}

void TKalkulator::Cofnij() {
    fWpis.chop(1);
}

void TKalkulator::UstawOperacje(QChar operacja) {
    if (!fWpis.isEmpty())
        Oblicz();
    fOperacja = operacja;
}

void TKalkulator::Oblicz() {
    if (fWpis.isEmpty())
        return;
    double liczba = 0;
    TryStrToFloat(fWpis, liczba, UstawieniaFormatow);
    fWpis.clear();
    if (fOperacja.isNull())
        fAkumulator = liczba;
    else if (fOperacja == QLatin1Char('+'))
        fAkumulator += liczba;
    else if (fOperacja == QLatin1Char('-'))
        fAkumulator -= liczba;
    else if (fOperacja == QLatin1Char('*'))
        fAkumulator *= liczba;
    else if (liczba != 0)
        fAkumulator /= liczba;
    else
        fBlad = true;
    if (!std::isfinite(fAkumulator))
        fBlad = true;
}

void TKalkulator::Przyjmij() {
    Oblicz();
    fOperacja = QChar();
    Odswiez();
    if (fBlad)
        return;
    hide();
    emit wynikPrzyjety(fAkumulator);
}

void TKalkulator::Wyczysc() {
    fWpis.clear();
    fAkumulator = 0;
    fOperacja = QChar();
    fBlad = false;
}

void TKalkulator::Odswiez() {
    fWyswietlacz->setText(TekstWyswietlacza());
}

QString TKalkulator::TekstWyswietlacza() const {
    if (fBlad)
        return QStringLiteral("Błąd");
    if (!fWpis.isEmpty())
        return fWpis;
    return FloatToStr(fAkumulator, UstawieniaFormatow);
}

double TKalkulator::Wartosc() const {
    if (fBlad)
        return 0;
    if (fWpis.isEmpty())
        return fAkumulator;
    double liczba = 0;
    TryStrToFloat(fWpis, liczba, UstawieniaFormatow);
    return liczba;
}

void TKalkulator::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        Wcisnij(QStringLiteral("OK"));
        return;
    case Qt::Key_Backspace:
        Wcisnij(QStringLiteral("<"));
        return;
    case Qt::Key_Delete:
        Wcisnij(QStringLiteral("C"));
        return;
    case Qt::Key_Escape:
        hide();
        return;
    default:
        break;
    }
    const QString tekst = event->text();
    if (tekst.size() == 1 && QStringLiteral("0123456789,.+-*/=").contains(tekst[0])) {
        Wcisnij(tekst);
        return;
    }
    QFrame::keyPressEvent(event);
}
