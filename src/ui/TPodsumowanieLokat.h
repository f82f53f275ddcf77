#pragma once
#include <QStringList>
#include <QWidget>

class TAMHFlashLabel;
class TEtykietaGwarancji;
class TEtykietaSkracana;

// The panel under the deposit list: the summary line of the active deposits,
// the lines of the banks over the deposit-guarantee limit (hidden when there
// are none) and the flashing notice that the estimates are approximate. It
// keeps room for its lines wrapped at its width.
class TPodsumowanieLokat : public QWidget {
    Q_OBJECT

public:
    explicit TPodsumowanieLokat(QWidget* parent = nullptr);

    void UstawTekst(const QString& tekst);
    QString Tekst() const;
    void UstawLinieGwarancji(const QStringList& linie);
    // The room for the lines, the guarantee lines included while shown.
    void UstawWysokosc();
    // The notice is red: dark red on a light window, light red on a dark one.
    void UstawKolorUwagi(const QPalette& paletaOkna);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    TEtykietaSkracana* lbl_IleLokat = nullptr;
    TEtykietaGwarancji* lbl_GwarancjaBFG = nullptr;
    TAMHFlashLabel* Label1 = nullptr;
};
