#include "ui/DopasowanieDoEkranu.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

QRect ObszarEkranu(const QWidget& okno) {
    const QWidget* wzor = okno.isVisible() || !okno.parentWidget() ? &okno : okno.parentWidget();
    const QScreen* ekran = wzor->screen() ? wzor->screen() : QGuiApplication::primaryScreen();
    return ekran ? ekran->availableGeometry() : QRect();
}

void DopasujDoEkranu(QWidget& okno) {
    const QRect obszar = ObszarEkranu(okno);
    if (obszar.isEmpty())
        return;
    const QSize ramka = okno.frameGeometry().size() - okno.geometry().size();
    const QSize miejsce = obszar.size() - ramka;
    okno.setMinimumSize(okno.minimumSize().boundedTo(miejsce));
    if (okno.width() > miejsce.width() || okno.height() > miejsce.height())
        okno.resize(okno.size().boundedTo(miejsce));
    QRect polozenie = okno.frameGeometry();
    polozenie.moveRight(std::min(polozenie.right(), obszar.right()));
    polozenie.moveBottom(std::min(polozenie.bottom(), obszar.bottom()));
    polozenie.moveLeft(std::max(polozenie.left(), obszar.left()));
    polozenie.moveTop(std::max(polozenie.top(), obszar.top()));
    okno.move(polozenie.topLeft());
}

namespace {

// Fits the window again at the first move, resize or activation that knows
// the frame, then goes away: later moves are the user's own. A window placed
// at a position of its own is not moved when it is framed, so its activation
// is the first moment the frame is seen.
class TDopasowaniePoRamce : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* obiekt, QEvent* zdarzenie) override {
        const auto typ = zdarzenie->type();
        auto* okno = static_cast<QWidget*>(obiekt);
        if ((typ == QEvent::Move || typ == QEvent::Resize || typ == QEvent::WindowActivate) &&
            okno->frameGeometry().size() != okno->size()) {
            deleteLater();
            okno->removeEventFilter(this);
            DopasujDoEkranu(*okno);
        }
        return false;
    }
};

} // namespace

void DopasujPoOprawieniu(QWidget& okno) {
    if (okno.frameGeometry().size() == okno.size())
        okno.installEventFilter(new TDopasowaniePoRamce(&okno));
}
