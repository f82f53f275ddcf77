#pragma once
#include <QFrame>

class QLabel;
class QPushButton;
class QToolButton;

// The bar over the deposit list that tells, when the window opens, how many
// active deposits are past their end and how many end within the next days.
// "Pokaż je" asks for them to be selected in the list; the close button hides
// the bar for the rest of this showing.
class TPasekKonczacychSieLokat : public QFrame {
    Q_OBJECT

public:
    explicit TPasekKonczacychSieLokat(QWidget* parent = nullptr);

    // Shows the text, hidden when it is empty or when the user closed the
    // bar in this showing.
    void Pokaz(const QString& tekst);
    // A new showing of the window: the bar may be shown again.
    void NowePokazanie();
    QString Tekst() const;

signals:
    void PokazLokaty();

private:
    void UstawKolory();

    QLabel* fTekst;
    QPushButton* fPokaz;
    QToolButton* fZamknij;
    bool fZamkniety = false;
};
