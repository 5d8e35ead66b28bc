// Filling in a text's numbered places: in the translation's order, once.
#include <gtest/gtest.h>

#include "game/placeholders.h"

TEST(Placeholders, ValuesGoWhereTheirNumbersStandInAnyOrder) {
    EXPECT_EQ(FillPlaceholders("%1 набрал(а) %2", {"Ваня", "1500"}), "Ваня набрал(а) 1500");
    EXPECT_EQ(FillPlaceholders("%2 points for %1", {"Vanya", "1500"}), "1500 points for Vanya");
    EXPECT_EQ(FillPlaceholders("level %1, again %1", {"3"}), "level 3, again 3");
}

TEST(Placeholders, AValueIsNotFilledInAgainAndStrayPercentsStay) {
    EXPECT_EQ(FillPlaceholders("%1 scored %2", {"%2%", "10"}), "%2% scored 10");
    EXPECT_EQ(FillPlaceholders("100% %3 %0 %", {"a"}), "100% %3 %0 %");
    EXPECT_EQ(FillPlaceholders("«%1»", {}), "«%1»");
}
