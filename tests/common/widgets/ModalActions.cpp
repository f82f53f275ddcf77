#include "common/widgets/ModalActions.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QElapsedTimer>
#include <QPointer>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>

void WhenModalShows(std::function<void(QWidget&)> action, int timeoutMs) {
    const QPointer<QWidget> before = QApplication::activeModalWidget();
    auto* poll = new QTimer;
    QElapsedTimer clock;
    clock.start();
    poll->setInterval(5);
    QObject::connect(poll, &QTimer::timeout, [=, action = std::move(action)] {
        QWidget* modal = QApplication::activeModalWidget();
        const bool opened = modal && modal != before && modal->isVisible();
        if (!opened && !clock.hasExpired(timeoutMs))
            return;
        poll->stop();
        poll->deleteLater();
        if (opened)
            action(*modal);
        else
            ADD_FAILURE() << "no modal window opened within " << timeoutMs << " ms";
    });
    poll->start();
}

void ClickButton(QWidget& window, const QString& objectName) {
    auto* button = window.findChild<QAbstractButton*>(objectName);
    if (!button) {
        ADD_FAILURE() << "no button " << objectName.toStdString();
        return;
    }
    if (!button->isEnabled()) {
        ADD_FAILURE() << "button " << objectName.toStdString() << " is disabled";
        return;
    }
    button->click();
}

void ClickMessageBoxButton(QWidget& box, QMessageBox::StandardButton which) {
    auto* messageBox = qobject_cast<QMessageBox*>(&box);
    QAbstractButton* button = messageBox ? messageBox->button(which) : nullptr;
    if (!button) {
        ADD_FAILURE() << box.metaObject()->className() << " has no such message box button";
        return;
    }
    button->click();
}

void ClickCheckBox(QAbstractItemView& view, const QModelIndex& index) {
    if (!index.isValid() || !(index.flags() & Qt::ItemIsUserCheckable)) {
        ADD_FAILURE() << "the cell has no check box";
        return;
    }
    view.scrollTo(index);
    QStyleOptionViewItem option;
    option.initFrom(&view);
    option.widget = &view;
    option.rect = view.visualRect(index);
    option.features = QStyleOptionViewItem::HasCheckIndicator;
    const QRect box =
        view.style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, &view);
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, box.center());
}
