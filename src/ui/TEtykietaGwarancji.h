#pragma once
#include <QLabel>
#include <QStringList>

// The lines under the deposits' summary, one for each bank where the
// household's deposits go over the deposit-guarantee limit, in the warning
// colour; hidden when there is none. Linie() gives every line, also those
// summed up in the last one shown.
class TEtykietaGwarancji : public QLabel {
    Q_OBJECT

public:
    // At most this many lines are shown; the last of them then counts the
    // banks left out.
    static constexpr int kNajwiecejLinii = 3;

    explicit TEtykietaGwarancji(QWidget* parent = nullptr);

    void UstawLinie(const QStringList& linie);
    QStringList Linie() const { return fLinie; }

protected:
    void changeEvent(QEvent* event) override;

private:
    void UstawKolor();

    QStringList fLinie;
};
