// Tipp's sentence in English is built from the parts the core's Hungarian one is made of; if the
// core words a sentence differently, the English falls back to it, and this test notices.

#include <gtest/gtest.h>

#include "computer/hint.h"
#include "table/forditas.h"
#include "table/language.h"

namespace tarolas::test {
namespace {

TEST(TippInEnglish, EverySentenceOfTheCoreIsBuiltInEnglish) {
    nyelvBeallitas(QStringLiteral("en"));
    for (const bool kesz : {false, true})
        for (const bool csere : {false, true})
            for (const bool takar : {false, true})
                for (const int bemondas : {0, 20, 40})
                    for (const bool hiv : {false, true}) {
                        const Tipp t{kesz, csere, bemondas, kesz ? Kartya(0) : kartya(Zold, Felso), takar};
                        const std::string en = tippMondat(t, hiv);
                        SCOPED_TRACE(tippSzoveg(t, hiv));
                        EXPECT_TRUE(en.starts_with("Hint: ")) << en;
                        EXPECT_EQ(takar, en.find("close the talon, ") != std::string::npos) << en;
                        EXPECT_TRUE(kesz ? en.ends_with("Done.") || en.ends_with("you have 66.")
                                         : en.ends_with(" the Ober of Leaves."))
                            << en;
                    }
    nyelvBeallitas(QString());
}

}  // namespace
}  // namespace tarolas::test
