#include "common/widgets/EveryWindow.h"

#include "ui/TFormBankiJednejInstytucji.h"
#include "ui/TFormDodajEdytujLokate.h"
#include "ui/TFormDodajEdytujLokateBankowa.h"
#include "ui/TFormDodajZyskZLokatyDoOszczednosci.h"
#include "ui/TFormPorownajOferty.h"
#include "ui/TFormProgiOstrzezen.h"
#include "ui/TLokatyFormGlowny.h"
#include "ui/import/TFormImportLokatBanki.h"
#include "ui/import/TFormParserLokatBankowych.h"
#include "ui/import/TFormPobieranieListyBankow.h"

#include <gtest/gtest.h>

void ForEveryWindow(const std::function<int(QWidget&)>& check) {
    const TFormPorownajOferty::TKatalog catalogue;
    const std::function<std::unique_ptr<QWidget>()> windows[] = {
        [] { return std::make_unique<TLokatyFormGlowny>(); },
        [] { return std::make_unique<TFormDodajEdytujLokate>(); },
        [] { return std::make_unique<TFormDodajEdytujLokateBankowa>(); },
        [] { return std::make_unique<TFormDodajZyskZLokatyDoOszczednosci>(); },
        [&] { return std::make_unique<TFormPorownajOferty>(catalogue); },
        [] { return std::make_unique<TFormImportLokatBanki>(); },
        [] { return std::make_unique<TFormParserLokatBankowych>(); },
        [] { return std::make_unique<TFormPobieranieListyBankow>(QString(), QString()); },
        [] { return std::make_unique<TFormProgiOstrzezen>(30, 7); },
        [] {
            return std::make_unique<TFormBankiJednejInstytucji>(
                std::vector<TParaBankow>{{"Alfa", "Alfa Direct"}}, QStringList{"Alfa", "Beta"});
        },
    };
    for (const auto& make : windows) {
        const std::unique_ptr<QWidget> window = make();
        EXPECT_GT(check(*window), 0)
            << window->metaObject()->className() << ": no control was checked";
    }
}
