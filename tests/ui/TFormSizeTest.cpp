#include "ui/TFormSize.h"
#include "ui/EFormSizeError.h"

#include <QDialog>
#include <QDir>
#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QTemporaryDir>
#include <QWindow>
#include <gtest/gtest.h>
#include <memory>

namespace {

const QString kKeyPath = QStringLiteral("Software\\Brenvik\\Talvora\\FormSetting");
const QRect kDesigned(100, 120, 600, 400);

QRect Desktop() {
    return QGuiApplication::primaryScreen()->virtualGeometry();
}

// The per-user store as the program sees it, with the group of one window.
class StoredPlacement {
public:
    explicit StoredPlacement(const QString& section) : fSettings("Brenvik", "Talvora") {
        fSettings.beginGroup("FormSetting/" + section);
    }
    void Put(int left, int top, int right, int bottom, bool maximized = false) {
        fSettings.setValue("Left", left);
        fSettings.setValue("Top", top);
        fSettings.setValue("Right", right);
        fSettings.setValue("Bottom", bottom);
        fSettings.setValue("Maximized", maximized);
    }
    QStringList Keys() {
        QStringList keys = fSettings.childKeys();
        keys.sort();
        return keys;
    }
    int Int(const QString& key) { return fSettings.value(key).toInt(); }
    bool Bool(const QString& key) { return fSettings.value(key).toBool(); }
    QSettings& Settings() { return fSettings; }

private:
    QSettings fSettings;
};

// A window as the module builds one: a dialog at its designed place with a
// TFormSize that keeps its placement in the per-user store.
struct Window {
    explicit Window(const QString& key = "LokatyFormGlowny") {
        form = std::make_unique<QDialog>();
        form->setObjectName(key);
        form->setGeometry(kDesigned);
        size = new TFormSize(form.get());
        size->SetLocation(TPersistLocation::plRegistry);
        size->SetSaveName(kKeyPath);
        size->SetMagnetDistance(20);
    }
    void ShowAndClose() {
        form->show();
        form->close();
    }
    std::unique_ptr<QDialog> form;
    TFormSize* size;
};

class TFormSizeTest : public testing::Test {
protected:
    void SetUp() override {
        // Other tests of the same process may have left settings of their own.
        QSettings settings("Brenvik", "Talvora");
        settings.clear();
        settings.sync();
    }
};

TEST_F(TFormSizeTest, StartsWithItsDefaultsAndTheFormsName) {
    QDialog form;
    form.setObjectName("FormParserLokatBankowych");
    TFormSize size(&form);
    EXPECT_EQ(size.Location(), TPersistLocation::plIniFile);
    EXPECT_EQ(size.SaveName(), ".\\FORM.INI");
    EXPECT_EQ(size.SaveKey(), "FormParserLokatBankowych");
    EXPECT_FALSE(size.SaveUser());
    EXPECT_FALSE(size.SaveMachine());
    EXPECT_TRUE(size.SavePosition());
    EXPECT_TRUE(size.SaveSize());
    EXPECT_FALSE(size.Magnet());
    EXPECT_EQ(size.MagnetDistance(), 32);
    EXPECT_FALSE(size.DragAlways());
    size.SetVersion("9.9");
    EXPECT_EQ(size.Version(), "1.3.1.1");
}

TEST_F(TFormSizeTest, RefusesWhatIsNoFormAndASecondComponent) {
    QDialog form;
    QWidget child(&form);
    struct Case {
        QWidget* owner;
        QString message;
    } cases[] = {
        {nullptr, "Control parent must be a form!"},
        {&child, "Control parent must be a form!"},
        {&form, "The form already contains a TFormSize component"},
    };
    new TFormSize(&form);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message.toStdString());
        try {
            TFormSize extra(c.owner);
            ADD_FAILURE() << "no error";
        } catch (const EFormSizeError& error) {
            EXPECT_EQ(error.Message(), c.message);
        }
    }
    EXPECT_EQ(form.findChildren<TFormSize*>().size(), 1);
}

TEST_F(TFormSizeTest, FirstRunKeepsTheDesignedPlaceAndTheNextRunRestoresIt) {
    Window first;
    first.form->show();
    EXPECT_EQ(first.form->geometry(), kDesigned);
    first.form->setGeometry(300, 200, 640, 480);
    first.form->close();

    StoredPlacement stored("LokatyFormGlowny");
    EXPECT_EQ(stored.Keys(), QStringList({"Bottom", "Left", "Maximized", "Right", "Top"}));
    EXPECT_EQ(stored.Int("Left"), 300);
    EXPECT_EQ(stored.Int("Top"), 200);
    EXPECT_EQ(stored.Int("Right"), 940);
    EXPECT_EQ(stored.Int("Bottom"), 680);
    EXPECT_FALSE(stored.Bool("Maximized"));

    Window second;
    second.form->show();
    EXPECT_EQ(second.form->geometry(), QRect(300, 200, 640, 480));
    EXPECT_FALSE(second.form->isMaximized());
}

TEST_F(TFormSizeTest, AWindowDestroyedWhileShownWritesItsPlacement) {
    auto window = std::make_unique<Window>();
    window->form->show();
    window->form->setGeometry(250, 260, 500, 300);
    window->form.reset();
    EXPECT_EQ(StoredPlacement("LokatyFormGlowny").Int("Left"), 250);
}

TEST_F(TFormSizeTest, AWindowNeverShownLeavesTheStoreAlone) {
    StoredPlacement("LokatyFormGlowny").Put(10, 20, 610, 420);
    { Window unshown; }
    EXPECT_EQ(StoredPlacement("LokatyFormGlowny").Int("Left"), 10);
}

TEST_F(TFormSizeTest, KeepsRestoredWindowsOnTheDesktop) {
    const QRect desktop = Desktop();
    const int right = desktop.x() + desktop.width();
    const int bottom = desktop.y() + desktop.height();
    struct Case {
        const char* name;
        QRect stored;
        QRect expected;
    } cases[] = {
        {"inside", QRect(40, 50, 500, 300), QRect(40, 50, 500, 300)},
        {"80 beyond the right edge", QRect(right - 420, 50, 500, 300),
         QRect(right - 500, 50, 500, 300)},
        {"beyond the bottom edge", QRect(40, bottom - 100, 500, 300),
         QRect(40, bottom - 300, 500, 300)},
        {"beyond both", QRect(right - 10, bottom - 10, 500, 300),
         QRect(right - 500, bottom - 300, 500, 300)},
        {"left of a screen that is gone", QRect(desktop.x() - 700, 50, 500, 300),
         QRect(desktop.x(), 50, 500, 300)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        StoredPlacement("LokatyFormGlowny")
            .Put(c.stored.x(), c.stored.y(), c.stored.x() + c.stored.width(),
                 c.stored.y() + c.stored.height());
        Window window;
        window.form->show();
        EXPECT_EQ(window.form->geometry(), c.expected);
    }
}

TEST_F(TFormSizeTest, MissingValuesLeaveTheWindowsOwnBounds) {
    StoredPlacement stored("LokatyFormGlowny");
    stored.Settings().setValue("Left", 330);
    stored.Settings().setValue("Top", "garbage");
    Window window;
    window.form->show();
    EXPECT_EQ(window.form->geometry().topLeft(), QPoint(330, kDesigned.y()));
    EXPECT_FALSE(window.form->isMaximized());
}

TEST_F(TFormSizeTest, AWindowClosedMaximisedReopensMaximisedOnItsMonitor) {
    // The offscreen desktop of the window tests has two screens; the last
    // one is not the primary there.
    QScreen* monitor = QGuiApplication::screens().last();
    const QRect area = monitor->geometry();
    const QRect normal(area.x() + 100, area.y() + 80, 600, 400);
    {
        Window first;
        first.form->show();
        first.form->setGeometry(normal);
        first.form->showMaximized();
        first.form->close();
    }
    StoredPlacement stored("LokatyFormGlowny");
    EXPECT_TRUE(stored.Bool("Maximized"));
    EXPECT_EQ(stored.Int("Left"), normal.x());
    EXPECT_EQ(stored.Int("Right"), normal.x() + normal.width());

    Window again;
    again.form->show();
    EXPECT_TRUE(again.form->isMaximized());
    EXPECT_EQ(again.form->screen(), monitor);
    EXPECT_TRUE(area.contains(again.form->geometry().center()));
    again.form->showNormal();
    EXPECT_EQ(again.form->geometry(), normal);
}

TEST_F(TFormSizeTest, KeepsOnlyWhatItsFlagsSay) {
    struct Case {
        bool position, size;
        QStringList written;
        QPoint restoredAt;
        QSize restoredSize;
    } cases[] = {
        {true, true, {"Bottom", "Left", "Maximized", "Right", "Top"}, {50, 60}, {300, 200}},
        {true, false, {"Left", "Top"}, {50, 60}, kDesigned.size()},
        {false, true, {}, kDesigned.topLeft(), {50 + 300 - 100, 60 + 200 - 120}},
        {false, false, {}, kDesigned.topLeft(), kDesigned.size()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.position << c.size);
        SetUp();
        StoredPlacement("Pomocnicze").Put(50, 60, 350, 260);
        Window reading("Pomocnicze");
        reading.size->SetSavePosition(c.position);
        reading.size->SetSaveSize(c.size);
        reading.form->show();
        EXPECT_EQ(reading.form->geometry(), QRect(c.restoredAt, c.restoredSize));

        SetUp();
        Window writing("Pomocnicze");
        writing.size->SetSavePosition(c.position);
        writing.size->SetSaveSize(c.size);
        writing.ShowAndClose();
        EXPECT_EQ(StoredPlacement("Pomocnicze").Keys(), c.written);
    }
}

TEST_F(TFormSizeTest, ExplicitLoadAndSaveKeepPositionAndSizeWhateverTheFlags) {
    StoredPlacement("LokatyFormGlowny").Put(70, 80, 570, 480);
    Window window;
    window.size->SetSavePosition(false);
    window.size->SetSaveSize(false);
    window.size->LoadFormSettings();
    EXPECT_EQ(window.form->geometry(), QRect(70, 80, 500, 400));
    EXPECT_FALSE(window.size->SavePosition());
    EXPECT_FALSE(window.size->SaveSize());

    SetUp();
    window.size->SaveFormSettings();
    EXPECT_EQ(StoredPlacement("LokatyFormGlowny").Keys().size(), 5);
}

TEST_F(TFormSizeTest, SuffixesNameTheUserAndTheMachine) {
    const QString user = TFormSize::UserName();
    const QString machine = TFormSize::MachineName();
    ASSERT_FALSE(user.isEmpty());
    ASSERT_FALSE(machine.isEmpty());
    struct Case {
        bool user, machine;
        QString section;
    } cases[] = {
        {false, false, "LokatyFormGlowny"},
        {true, false, "LokatyFormGlowny-" + user},
        {false, true, "LokatyFormGlowny-" + machine},
        {true, true, "LokatyFormGlowny-" + user + "-" + machine},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.section.toStdString());
        SetUp();
        Window window;
        window.size->SetSaveUser(c.user);
        window.size->SetSaveMachine(c.machine);
        EXPECT_EQ(window.size->SectionName(), c.section);
        window.ShowAndClose();
        EXPECT_EQ(StoredPlacement(c.section).Int("Left"), kDesigned.x());
    }
}

TEST_F(TFormSizeTest, NothingIsKeptWithoutANameOrAKey) {
    Window noKey;
    noKey.size->SetSaveKey("");
    noKey.ShowAndClose();
    Window noName;
    noName.size->SetSaveName("");
    noName.ShowAndClose();
    QSettings settings("Brenvik", "Talvora");
    EXPECT_TRUE(settings.childGroups().isEmpty());
}

TEST_F(TFormSizeTest, AnIniFileKeepsASectionPerWindow) {
    QTemporaryDir folder;
    const QString file = QDir(folder.path()).filePath("FORM.INI");
    Window window;
    window.size->SetLocation(TPersistLocation::plIniFile);
    window.size->SetSaveName(file);
    window.ShowAndClose();
    QSettings ini(file, QSettings::IniFormat);
    EXPECT_EQ(ini.value("LokatyFormGlowny/Right").toInt(), kDesigned.x() + kDesigned.width());
}

TEST(TFormSizeMagnet, SnapsEdgesCloseToTheWorkArea) {
    const QRect work(0, 0, 1920, 1040);
    struct Case {
        QPoint proposed;
        QPoint expected;
    } cases[] = {
        {{500, 300}, {500, 300}},             // far from every edge
        {{19, 300}, {0, 300}},                // left edge within the distance
        {{-40, 300}, {0, 300}},               // beyond the left edge
        {{20, 300}, {20, 300}},               // exactly at the distance: stays
        {{500, 10}, {500, 0}},                // top edge
        {{500, 1040 - 400 + 15}, {500, 640}}, // bottom edge 15 beyond
        {{500, 1040 - 400 - 15}, {500, 640}}, // bottom edge 15 short
        {{1920 - 600 - 5, 300}, {1320, 300}}, // right edge
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.proposed.x() << "," << c.proposed.y());
        EXPECT_EQ(TFormSize::MagnetPosition(QRect(c.proposed, QSize(600, 400)), work, 20),
                  c.expected);
    }
}

} // namespace
