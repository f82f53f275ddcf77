#include "ui/TKwotaEdit.h"

#include "format/Formatowanie.h"
#include "format/Pomocnicze.h"
#include "format/TFormatSettings.h"
#include "ui/TKalkulator.h"

#include <QAction>
#include <QKeyEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTimer>
#include <QValidator>
#include <algorithm>

namespace {

bool JestCyfra(QChar znak) {
    return znak >= QLatin1Char('0') && znak <= QLatin1Char('9');
}

// Lets through only digits and at most one decimal separator, and no text
// whose amount would pass the field's maximum. Typing, pasting and dropping
// all go through it, so the field never holds anything else.
class TWalidatorKwoty : public QValidator {
public:
    explicit TWalidatorKwoty(TKwotaEdit* pole) : QValidator(pole), fPole(pole) {}

    State validate(QString& tekst, int&) const override {
        const QChar separator = UstawieniaFormatow.DecimalSeparator;
        int separatory = 0;
        for (const QChar znak : tekst) {
            if (znak == separator)
                ++separatory;
            else if (!JestCyfra(znak))
                return Invalid;
        }
        if (separatory > 1 || KwotaZTekstu(tekst) > fPole->maximum())
            return Invalid;
        return Acceptable;
    }

private:
    TKwotaEdit* fPole;
};

// The amount as shown without the focus: grouped, two decimals, the symbol.
QString SformatowanaKwota(double wartosc, const QString& symbol) {
    TFormatSettings formaty = UstawieniaFormatow;
    formaty.CurrencyString = symbol;
    formaty.CurrencyFormat = 3;
    formaty.CurrencyDecimals = 2;
    return FormatMoney(wartosc, 2, formaty).trimmed();
}

// The shortest of "1234,50", "1234,5", "1234" that fits the field, so that a
// large value is not cut off by the maximum length.
QString TekstDoEdycji(double wartosc, int maksymalnaDlugosc) {
    QString tekst = FormatFixed(wartosc, 2, UstawieniaFormatow);
    if (tekst.size() <= maksymalnaDlugosc)
        return tekst;
    while (tekst.endsWith(QLatin1Char('0')))
        tekst.chop(1);
    if (tekst.endsWith(UstawieniaFormatow.DecimalSeparator))
        tekst.chop(1);
    if (tekst.size() <= maksymalnaDlugosc)
        return tekst;
    return FormatFixed(wartosc, 0, UstawieniaFormatow);
}

QIcon IkonaKalkulatora(const QPalette& paleta) {
    const QIcon motyw = QIcon::fromTheme(QStringLiteral("accessories-calculator"));
    if (!motyw.isNull())
        return motyw;
    QPixmap obraz(16, 16);
    obraz.fill(Qt::transparent);
    QPainter p(&obraz);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor kolor = paleta.color(QPalette::ButtonText);
    p.setPen(QPen(kolor, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(2.5, 0.5, 11, 15), 1.5, 1.5);
    p.fillRect(QRectF(4.5, 2.5, 7, 3), kolor);
    for (int wiersz = 0; wiersz < 3; ++wiersz)
        for (int kolumna = 0; kolumna < 3; ++kolumna)
            p.fillRect(QRectF(4.5 + kolumna * 2.5, 7.5 + wiersz * 2.5, 1.5, 1.5), kolor);
    return QIcon(obraz);
}

} // namespace

TKwotaEdit::TKwotaEdit(QWidget* parent) : QLineEdit(parent) {
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setValidator(new TWalidatorKwoty(this));
    setText(TekstDoEdycji(0, maxLength()));

    fKalkulator = new TKalkulator(this);
    fAkcjaKalkulatora = addAction(IkonaKalkulatora(palette()), QLineEdit::TrailingPosition);
    fAkcjaKalkulatora->setToolTip(QStringLiteral("Kalkulator (F4)"));
    connect(fAkcjaKalkulatora, &QAction::triggered, this, &TKwotaEdit::showCalculator);
    connect(fKalkulator, &TKalkulator::wynikPrzyjety, this, &TKwotaEdit::PrzyjmijWynikKalkulatora);
    connect(this, &QLineEdit::textChanged, this, [this] { emit valueChanged(value()); });
}

double TKwotaEdit::value() const {
    return std::min(KwotaWGroszachZTekstu(text()), fMaksimum);
}

void TKwotaEdit::setValue(double wartosc) {
    wartosc = std::clamp(wartosc, 0.0, fMaksimum);
    setText(TekstDoEdycji(wartosc, maxLength()));
}

void TKwotaEdit::setMaximum(double maksimum) {
    fMaksimum = maksimum;
    if (KwotaZTekstu(text()) > fMaksimum)
        setValue(fMaksimum);
}

void TKwotaEdit::setCurrencySymbol(const QString& symbol) {
    fSymbolWaluty = symbol;
    update();
}

QString TKwotaEdit::formattedText() const {
    return SformatowanaKwota(value(), fSymbolWaluty);
}

void TKwotaEdit::showCalculator() {
    if (isReadOnly() || !isEnabled())
        return;
    fKalkulator->Otworz(value(), mapToGlobal(QPoint(0, height())), width());
}

void TKwotaEdit::PrzyjmijWynikKalkulatora(double wynik) {
    setValue(wynik);
    setFocus(Qt::PopupFocusReason);
    selectAll();
}

QRect TKwotaEdit::ObszarTekstu() const {
    QStyleOptionFrame ramka;
    initStyleOption(&ramka);
    QRect obszar = style()->subElementRect(QStyle::SE_LineEditContents, &ramka, this);
    obszar = obszar.marginsRemoved(textMargins());
    for (QObject* obiekt : fAkcjaKalkulatora->associatedObjects()) {
        const auto* przycisk = qobject_cast<QWidget*>(obiekt);
        if (przycisk && przycisk != this && przycisk->isVisible())
            obszar.setRight(std::min(obszar.right(), przycisk->geometry().left() - 1));
    }
    // The same inner margin as the line edit keeps around its text.
    return obszar.adjusted(2, 0, -2, 0);
}

void TKwotaEdit::paintEvent(QPaintEvent* event) {
    if (hasFocus()) {
        QLineEdit::paintEvent(event);
        PokazSymbolPrzyEdycji();
        return;
    }
    QPainter p(this);
    QStyleOptionFrame ramka;
    initStyleOption(&ramka);
    style()->drawPrimitive(QStyle::PE_PanelLineEdit, &ramka, &p, this);
    const QRect obszar = ObszarTekstu();
    p.setClipRect(obszar);
    p.setPen(palette().color(QPalette::Text));
    p.drawText(obszar, Qt::AlignRight | Qt::AlignVCenter, formattedText());
}

// While the number is edited the symbol stays after it, in the margin kept
// free for it, so the field always says what it holds.
int TKwotaEdit::SzerokoscSymbolu() const {
    return fSymbolWaluty.isEmpty()
               ? 0
               : fontMetrics().horizontalAdvance(QLatin1Char(' ') + fSymbolWaluty);
}

void TKwotaEdit::PokazSymbolPrzyEdycji() {
    if (fSymbolWaluty.isEmpty())
        return;
    QPainter p(this);
    const QRect obszar = ObszarTekstu();
    p.setPen(palette().color(QPalette::PlaceholderText));
    p.drawText(QRect(obszar.right(), obszar.top(), SzerokoscSymbolu(), obszar.height()),
               Qt::AlignRight | Qt::AlignVCenter, fSymbolWaluty);
}

void TKwotaEdit::focusInEvent(QFocusEvent* event) {
    setTextMargins(0, 0, SzerokoscSymbolu(), 0);
    QLineEdit::focusInEvent(event);
    // Entering with the keyboard selects the whole number, so typing replaces it.
    if (event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason ||
        event->reason() == Qt::ShortcutFocusReason)
        QTimer::singleShot(0, this, [this] {
            if (hasFocus())
                selectAll();
        });
    update();
}

void TKwotaEdit::focusOutEvent(QFocusEvent* event) {
    setTextMargins(0, 0, 0, 0);
    QLineEdit::focusOutEvent(event);
    update();
}

void TKwotaEdit::keyPressEvent(QKeyEvent* event) {
    const bool otworzKalkulator =
        event->key() == Qt::Key_F4 ||
        (event->key() == Qt::Key_Down && event->modifiers() & Qt::AltModifier);
    if (otworzKalkulator) {
        showCalculator();
        return;
    }
    // The keypad's decimal key types the separator whatever the keyboard layout.
    const bool klawiszDziesietny =
        event->modifiers() & Qt::KeypadModifier &&
        (event->key() == Qt::Key_Period || event->key() == Qt::Key_Comma);
    if (klawiszDziesietny) {
        QKeyEvent separator(event->type(), event->key(), event->modifiers(),
                            QString(UstawieniaFormatow.DecimalSeparator));
        QLineEdit::keyPressEvent(&separator);
        return;
    }
    QLineEdit::keyPressEvent(event);
}
