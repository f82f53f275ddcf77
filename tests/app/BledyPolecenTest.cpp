// The failed batches the data layer hands back reach the user here, each in
// the error box the batch runner's failures have always had.
#include "app/BledyPolecen.h"
#include "common/ScriptedMessageBoxes.h"
#include "data/EBazaTylkoDoOdczytu.h"

#include <gtest/gtest.h>
#include <stdexcept>

namespace {

using TStan = TWynikPolecenSQL::TStan;

TWynikPolecenSQL Nieudany(const QString& tekst) {
    return {TStan::Blad, tekst, 19};
}

TEST(BledyPolecen, EachFailureInItsOwnErrorBoxInOrder) {
    ScriptedMessageBoxes boxes;
    PokazBledyPolecen(QList<TWynikPolecenSQL>{Nieudany("pierwszy"),
                                              TWynikPolecenSQL{},
                                              {TStan::Pominieto, QString(), 0},
                                              Nieudany("drugi\rz przyczyną")});
    ASSERT_EQ(boxes.messages.size(), 2) << "a batch that ran or was skipped shows nothing";
    for (const TMessage& m : boxes.messages) {
        EXPECT_EQ(m.caption, "BŁĄD !!!");
        EXPECT_EQ(m.icon, TMessageIcon::Error);
        EXPECT_EQ(m.buttons, TMessageButtons::Ok);
    }
    EXPECT_EQ(boxes.texts(), QStringList({"pierwszy", "drugi\rz przyczyną"}));
}

// A start-up error hands over the failures that came before it; any other
// error has none.
TEST(BledyPolecen, ThoseAnErrorCarries) {
    ScriptedMessageBoxes boxes;
    EBazaTylkoDoOdczytu odmowa("plik tylko do odczytu");
    odmowa.SetBledyPolecen({Nieudany("test zapisu")});
    const std::exception& blad = odmowa;
    PokazBledyPolecen(blad);
    PokazBledyPolecen(std::runtime_error("inny błąd"));
    EXPECT_EQ(boxes.texts(), QStringList({"test zapisu"}));
}

} // namespace
