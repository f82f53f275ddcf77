#include "common/widgets/ScriptedModalRunner.h"
#include "common/widgets/ModalActions.h"
#include "common/widgets/ModalWatchdog.h"
#include "platform/Platform.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

namespace {

// A small dialog like the module's: a text field, OK and Cancel, and a
// button that opens a second dialog through the modal runner.
class NameDialog : public QDialog {
public:
    explicit NameDialog(const QString& name) {
        setObjectName(name);
        setWindowTitle("Okno " + name);
        auto* layout = new QVBoxLayout(this);
        field = new QLineEdit(this);
        field->setObjectName("e_Nazwa");
        layout->addWidget(field);
        for (const char* button : {"btn_OK", "btn_Cancel", "btn_Wiecej"}) {
            auto* b = new QPushButton(button, this);
            b->setObjectName(button);
            layout->addWidget(b);
        }
        connect(findChild<QPushButton*>("btn_OK"), &QPushButton::clicked, this, &QDialog::accept);
        connect(findChild<QPushButton*>("btn_Cancel"), &QPushButton::clicked, this,
                &QDialog::reject);
        connect(findChild<QPushButton*>("btn_Wiecej"), &QPushButton::clicked, this, [this] {
            NameDialog inner("Wewnetrzne");
            innerResult = Platform::modalRunner().runModal(&inner);
            innerText = inner.field->text();
        });
    }
    QLineEdit* field;
    int shows = 0;
    int innerResult = -1;
    QString innerText;

protected:
    void showEvent(QShowEvent* event) override {
        ++shows;
        QDialog::showEvent(event);
    }
};

TEST(ScriptedModalRunner, ShowsTheDialogModallyToItsScriptAndReturnsItsResult) {
    ScriptedModalRunner runner;
    NameDialog dialog("Zewnetrzne");
    runner.expect<NameDialog>([](NameDialog& d) {
        EXPECT_TRUE(d.isVisible());
        EXPECT_EQ(d.shows, 1);
        EXPECT_EQ(QApplication::activeModalWidget(), &d);
        d.field->setText("Lokata roczna");
        ClickButton(d, "btn_OK");
    });
    runner.expect([](QDialog& d) { ClickButton(d, "btn_Cancel"); });
    runner.expect([](QDialog&) {}); // presses nothing

    EXPECT_EQ(Platform::modalRunner().runModal(&dialog), 1);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.field->text(), "Lokata roczna");
    EXPECT_EQ(Platform::modalRunner().runModal(&dialog), 0);
    EXPECT_EQ(Platform::modalRunner().runModal(&dialog), 0);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);

    ASSERT_EQ(runner.shown.size(), 3);
    EXPECT_EQ(runner.shown[0].className, "QDialog");
    EXPECT_EQ(runner.shown[0].title, "Okno Zewnetrzne");
    EXPECT_EQ(runner.shown[0].result, 1);
    EXPECT_TRUE(runner.shown[2].scripted);
    EXPECT_EQ(runner.pending(), 0u);
}

TEST(ScriptedModalRunner, NestedDialogsTakeTheNextScript) {
    ScriptedModalRunner runner;
    NameDialog outer("Zewnetrzne");
    runner.expect<NameDialog>([](NameDialog& d) {
        ClickButton(d, "btn_Wiecej");
        EXPECT_EQ(d.innerResult, 1);
        EXPECT_EQ(d.innerText, "z wnętrza");
        ClickButton(d, "btn_OK");
    });
    runner.expect<NameDialog>([](NameDialog& d) {
        d.field->setText("z wnętrza");
        ClickButton(d, "btn_OK");
    });
    EXPECT_EQ(Platform::modalRunner().runModal(&outer), 1);
    EXPECT_EQ(runner.shownNames(), QStringList({"Zewnetrzne", "Wewnetrzne"}));
}

TEST(ScriptedModalRunner, RejectsAnUnexpectedDialogUnshown) {
    ScriptedModalRunner runner;
    NameDialog dialog("Nieoczekiwane");
    EXPECT_EQ(Platform::modalRunner().runModal(&dialog), 0);
    EXPECT_EQ(dialog.shows, 0);
    ASSERT_EQ(runner.shown.size(), 1);
    EXPECT_FALSE(runner.shown[0].scripted);
}

TEST(ScriptedModalRunner, ReportsAWrongDialogAndUnusedScripts) {
    EXPECT_NONFATAL_FAILURE(
        {
            ScriptedModalRunner runner;
            NameDialog dialog("Zwykle");
            runner.expect<QFileDialog>([](QFileDialog&) {});
            EXPECT_EQ(runner.runModal(&dialog), 0);
        },
        "is not the expected");
    EXPECT_NONFATAL_FAILURE(
        {
            ScriptedModalRunner runner;
            runner.expect([](QDialog&) {});
        },
        "never shown");
}

TEST(ModalWatchdog, ClosesAModalWindowLeftOpen) {
    QDialog forgotten;
    forgotten.setWindowTitle("Zapomniane");
    {
        ModalWatchdog watchdog(50);
        watchdog.expectToClose();
        EXPECT_EQ(forgotten.exec(), QDialog::Rejected);
        EXPECT_EQ(watchdog.closed(), QStringList({"QDialog 'Zapomniane'"}));
    }
    EXPECT_NONFATAL_FAILURE(
        {
            QDialog left;
            ModalWatchdog watchdog(50);
            left.exec();
        },
        "left open by the test");
}

} // namespace
