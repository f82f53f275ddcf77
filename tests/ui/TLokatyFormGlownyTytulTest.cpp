// The deposits window names the data file it shows: in its title and header,
// the whole path in the header's tooltip.
#include "ui/TLokatyFormGlowny.h"

#include "data/TProjektDB.h"
#include "format/TFormatSettings.h"

#include <QLabel>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(TytulOknaLokat, NamesTheDataFileAndShortensOnlyTheHeader) {
    UstawFormaty();
    QTemporaryDir katalog;
    const QString dluga = QString(30, u'a') + QString(30, u'z') + ".dat";
    const QString skrocona = QString(24, u'a') + QChar(0x2026) + QString(20, u'z') + ".dat";
    struct Case {
        QString plik;
        bool tylkoDoOdczytu;
        QString tytul;
        QString naglowek;
    };
    const Case cases[] = {
        {"DataFile.dat", false, "Lokaty — DataFile.dat", "Lokaty — DataFile.dat"},
        {"DataFile.dat", true, "Lokaty — DataFile.dat (tylko do odczytu)",
         "Lokaty — DataFile.dat (tylko do odczytu)"},
        {dluga, false, "Lokaty — " + dluga, "Lokaty — " + skrocona},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.tytul.toStdString());
        TProjektDB projekt(katalog.filePath(c.plik));
        projekt.SetOtwartyTylkoDoOdczytu(c.tylkoDoOdczytu);
        TLokatyFormGlowny okno;
        okno.MyDB = &projekt;
        okno.show();
        EXPECT_EQ(okno.windowTitle(), c.tytul);
        EXPECT_EQ(okno.findChild<QLabel*>("lbl_Head")->text(), c.naglowek);
        EXPECT_EQ(okno.findChild<QWidget*>("pan_1")->toolTip(), katalog.filePath(c.plik));
        okno.MyDB = nullptr;
    }
}

} // namespace
