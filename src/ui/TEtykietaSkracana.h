#pragma once
#include <QLabel>

// A one-line label that never cuts its text silently: when it is narrower
// than its text, the text ends with an ellipsis, and the whole text is the
// tooltip. text() returns the whole text.
class TEtykietaSkracana : public QLabel {
    Q_OBJECT

public:
    explicit TEtykietaSkracana(QWidget* parent = nullptr);

    void UstawTekst(const QString& tekst);
    // The text as drawn at the label's current width.
    QString TekstNaEkranie() const;

    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
};
