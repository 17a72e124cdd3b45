#include <cmath>

#include "rules_fixture.h"

namespace tarolas {

using Deal = test::Allas;

// Half to even: suits 1, 4 and ranks 1, 5 half as likely; the real source within five sd.
TEST_F(Deal, CardsComeFromRoundingHalfToEven) {
    // 2.5 -> Makk, 1.5 -> tíz; that card again is refused; 0.0 -> Piros, 4.96 -> alsó.
    random.numbers = {0.5f, 0.125f, 0.5f, 0.125f, 0.0f, 0.99f};
    EXPECT_EQ(jatek.lapgeneralo(), 22);
    EXPECT_EQ(jatek.lapgeneralo(), 15);

    constexpr int n = 200000;
    std::array<int, 12> db{};  // by suit digit, then by rank digit
    for (int i = 0; i < n; ++i) {
        st.kiadottlapok.clear();
        const Kartya c = jatek.lapgeneralo();
        ++db.at(static_cast<std::size_t>(szinje(c)));
        ++db.at(static_cast<std::size_t>(6 + rangja(c)));
    }
    const double p[12] = {0, 1 / 6.0, 1 / 3.0, 1 / 3.0, 1 / 6.0, 0, 0, 1 / 8.0, 1 / 4.0, 1 / 4.0, 1 / 4.0, 1 / 8.0};
    for (std::size_t k = 0; k < 12; ++k)
        EXPECT_NEAR(db[k], n * p[k], 5 * std::sqrt(n * p[k] * (1 - p[k]))) << k;
}

}  // namespace tarolas
