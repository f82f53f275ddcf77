#pragma once
#include <QToolButton>

// A flat tool button of a window's side column: the glyph above the caption.
// The caption keeps its "\r" and "\r\n" breaks (text() returns it as given);
// they are drawn as line breaks. The button is 60 pixels wide, or as wide as
// its longest word; longer caption lines wrap at blanks. The hint is the
// tooltip.
class TPrzyciskBoczny : public QToolButton {
    Q_OBJECT

public:
    TPrzyciskBoczny(const char* nazwa, const QString& tytul, const QString& podpowiedz,
                    const QIcon& ikona, QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

    // The caption as drawn: every "\r\n" and lone "\r" becomes "\n".
    static QString TekstNaEkranie(const QString& tytul);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // The style's room around the caption, and the caption as drawn in a
    // button of the given width.
    int Margines() const;
    QString TekstZawiniety(int szerokosc) const;
};
