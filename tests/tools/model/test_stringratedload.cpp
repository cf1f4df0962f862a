#include "app/model/insulatorstringcatalogue.h"
#include "tools/model/stringratedload.h"

#include <gtest/gtest.h>

using tools::ratedLoadOfComposition;
using tools::ratedLoadOfDesignation;

TEST(StringRatedLoad, DiscModelOfTheDesignation)
{
    EXPECT_EQ(ratedLoadOfDesignation("16*XWP2-160可调(单串单线)"), 160.0);
    EXPECT_EQ(ratedLoadOfDesignation("14*XWP2-100耐张(单串双线,分裂间距200)"), 100.0);
    EXPECT_EQ(ratedLoadOfDesignation("13*XP-16耐张"), 160.0);
    EXPECT_EQ(ratedLoadOfDesignation("13*XP-10"), 100.0);
    EXPECT_EQ(ratedLoadOfDesignation("9*XP-7"), 70.0);
    EXPECT_EQ(ratedLoadOfDesignation("5*XP-4.5"), 45.0);
    EXPECT_EQ(ratedLoadOfDesignation("5*XW-4.5"), 45.0);
}

TEST(StringRatedLoad, TwinStringsCarryTwice)
{
    EXPECT_EQ(ratedLoadOfDesignation("2x16*XWP2-160耐张(双串单线)"), 320.0);
    // 单串双线 is one string carrying two conductors.
    EXPECT_EQ(ratedLoadOfDesignation("33*XWP2-160耐张(单串双线,分裂间距400)"), 160.0);
}

TEST(StringRatedLoad, NamedFittingsCapEachString)
{
    EXPECT_EQ(ratedLoadOfDesignation("16*XWP2-160 (10t)耐张"), 100.0);
    EXPECT_EQ(ratedLoadOfDesignation("16*XWP2-100 (16t)耐张"), 100.0);
    EXPECT_EQ(ratedLoadOfDesignation("16*XWP2-160 (10t)耐张(双串单线)"), 200.0);
}

TEST(StringRatedLoad, UnknownOrAmbiguousModelsAreNotRated)
{
    EXPECT_FALSE(ratedLoadOfDesignation(""));
    EXPECT_FALSE(ratedLoadOfDesignation("16*FXBW-220/100"));
    EXPECT_FALSE(ratedLoadOfDesignation("XP-160"));  // not XP-16
    EXPECT_FALSE(ratedLoadOfDesignation("8*XP-7+8*XP-10"));
}

TEST(StringRatedLoad, CompositionTakesTheWeakerOfDiscAndFittings)
{
    EXPECT_EQ(ratedLoadOfComposition(0, 0), 160.0);  // XWP2-160 on a 16 t set
    EXPECT_EQ(ratedLoadOfComposition(0, 6), 100.0);  // XWP2-160 on a 10 t set
    EXPECT_EQ(ratedLoadOfComposition(4, 0), 70.0);   // XP-7 on a 16 t set
    EXPECT_THROW(ratedLoadOfComposition(7, 0), std::out_of_range);
    EXPECT_THROW(ratedLoadOfComposition(0, 12), std::out_of_range);
}

TEST(StringRatedLoad, EveryCatalogueStringIsRatedByItsDiscModel)
{
    const app::InsulatorStringCatalogue &catalogue = app::insulatorStringCatalogue();
    for (int i = 0; i < app::insulatorStringCount; ++i)
        EXPECT_EQ(ratedLoadOfDesignation(catalogue[i].typeName), i < 50 ? 160.0 : 100.0) << catalogue[i].typeName;
}
