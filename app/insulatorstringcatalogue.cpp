#include "app/insulatorstringcatalogue.h"

#include "engine/numbers.h"

#include <string_view>

namespace app {

namespace {

// PROVISIONAL: the disc and fitting-set rows and the composition below
// mirror the insulator-string composer; they go once the composer's own rule
// is available to this library.

struct Disc
{
    std::string_view model;
    float height, weight, iceWeight5, iceWeight10, windArea0, windArea5, windArea10;
};

struct FittingSet
{
    std::string_view shortName;
    float length, weight, iceWeight5, iceWeight10, windArea0, windArea5, windArea10;
};

constexpr Disc kDisc160{"XWP2-160", 155, 9.5f, 0.6f, 1.35f, 0.03f, 0.035f, 0.039f};
constexpr Disc kDisc100{"XWP2-100", 160, 7.5f, 0.52f, 1.1f, 0.025f, 0.033f, 0.037f};

/// The fitting sets of one strength in catalogue order: tension and
/// adjustable for 400 mm twin, 200 mm twin, then single conductor.
using FittingSets = std::array<FittingSet, 6>;

constexpr FittingSets kFittings16t{{
    {"耐张(单串双线,分裂间距400)", 525, 33.8f, 5.0f, 11.75f, 0.3694f, 0.4417f, 0.5298f},
    {"可调(单串双线,分裂间距400)", 745, 43.3f, 5.5f, 12.85f, 0.3854f, 0.4667f, 0.5578f},
    {"耐张(单串双线,分裂间距200)", 485, 13.3f, 0.4f, 0.9f, 0.049f, 0.058f, 0.071f},
    {"可调(单串双线,分裂间距200)", 735, 21.7f, 0.5f, 1.0f, 0.073f, 0.094f, 0.115f},
    {"耐张(单串单线)", 335, 6.1f, 0.2f, 0.4f, 0.027f, 0.033f, 0.039f},
    {"可调(单串单线)", 675, 12.8f, 0.2f, 0.6f, 0.054f, 0.068f, 0.083f},
}};

constexpr FittingSets kFittings10t{{
    {"耐张(单串双线,分裂间距400)", 465, 30.4f, 4.88f, 10.2f, 0.327f, 0.392f, 0.448f},
    {"可调(单串双线,分裂间距400)", 685, 39.8f, 5.48f, 12.5f, 0.379f, 0.461f, 0.552f},
    {"耐张(单串双线,分裂间距200)", 425, 9.9f, 0.42f, 0.8f, 0.042f, 0.05f, 0.062f},
    {"可调(单串双线,分裂间距200)", 675, 18.3f, 0.42f, 0.9f, 0.066f, 0.085f, 0.107f},
    {"耐张(单串单线)", 275, 2.7f, 0.12f, 0.3f, 0.02f, 0.024f, 0.031f},
    {"可调(单串单线)", 615, 8.9f, 0.22f, 0.4f, 0.044f, 0.055f, 0.071f},
}};

/// n discs times a per-disc figure plus the fittings' figure, formed in
/// double and stored in single precision as the composer stores it.
float composed(int discs, float perDisc, float fittings)
{
    return static_cast<float>(discs * static_cast<double>(perDisc) + fittings);
}

InsulatorStringEntry composeEntry(int discs, const Disc &disc, const FittingSet &fittings)
{
    const float weight = composed(discs, disc.weight, fittings.weight);
    const auto weightText = [](float value) { return engine::formatNumber(value, 3); };
    const auto areaText = [](float value) { return engine::formatNumber(value, 4); };
    return {
        std::to_string(discs) + "*" + std::string(disc.model) + std::string(fittings.shortName),
        engine::formatGeneral(composed(discs, disc.height, fittings.length)),
        weightText(weight),
        weightText(static_cast<float>(discs * static_cast<double>(disc.iceWeight5) + weight
                                      + fittings.iceWeight5)),
        weightText(static_cast<float>(discs * static_cast<double>(disc.iceWeight10) + weight
                                      + fittings.iceWeight10)),
        areaText(composed(discs, disc.windArea0, fittings.windArea0)),
        areaText(composed(discs, disc.windArea5, fittings.windArea5)),
        areaText(composed(discs, disc.windArea10, fittings.windArea10)),
    };
}

/// The 50 strings of one disc model: 33, 32, 31 discs with the 400 mm twin
/// sets, then 16 .. 4 discs with the 200 mm twin and the single sets.
void appendDiscModel(InsulatorStringCatalogue &catalogue, int &next, const Disc &disc,
                     const FittingSets &fittings)
{
    for (const int discs : {33, 32, 31}) {
        for (int set = 0; set < 2; ++set)
            catalogue[next++] = composeEntry(discs, disc, fittings[set]);
    }
    for (const int discs : {16, 15, 14, 11, 10, 9, 8, 7, 6, 5, 4}) {
        for (int set = 2; set < 6; ++set)
            catalogue[next++] = composeEntry(discs, disc, fittings[set]);
    }
}

/// Where the published tables differ from the composition rule, the tables win.
void applyPublishedCorrections(InsulatorStringCatalogue &catalogue)
{
    catalogue[29].weightIce10 = "110.05";
    catalogue[84].weightIce5 = "66.4";
    catalogue[85].weightIce5 = "74.9";
    catalogue[86].weightIce5 = "59.0";
    catalogue[87].weightIce5 = "65.2";
    InsulatorStringEntry &tension4 = catalogue[96];
    tension4.weightIce5 = "42.7";
    tension4.weightIce10 = "45.6";
    tension4.windArea = "0.1559";
    tension4.windAreaIce5 = "0.1955";
    tension4.windAreaIce10 = "0.2277";
    InsulatorStringEntry &adjustable4 = catalogue[97];
    adjustable4.weightIce5 = "51.2";
    adjustable4.weightIce10 = "54.2";
    adjustable4.windArea = "0.1719";
    adjustable4.windAreaIce5 = "0.2205";
    adjustable4.windAreaIce10 = "0.2557";
}

InsulatorStringCatalogue buildCatalogue()
{
    InsulatorStringCatalogue catalogue;
    int next = 0;
    appendDiscModel(catalogue, next, kDisc160, kFittings16t);
    appendDiscModel(catalogue, next, kDisc100, kFittings10t);
    applyPublishedCorrections(catalogue);
    return catalogue;
}

} // namespace

const InsulatorStringCatalogue &insulatorStringCatalogue()
{
    static const InsulatorStringCatalogue catalogue = buildCatalogue();
    return catalogue;
}

} // namespace app
