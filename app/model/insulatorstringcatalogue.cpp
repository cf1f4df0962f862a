#include "app/model/insulatorstringcatalogue.h"

#include "tools/model/composedstring.h"
#include "tools/model/fittingsettable.h"

namespace app {

namespace {

/// Rows of the composer's disc list.
constexpr int discXWP2_160 = 0;
constexpr int discXWP2_100 = 1;

// Rows of the composer's fitting-set list among the 16 t sets; the 10 t
// sets follow in the same order.
constexpr int tensionSingle = 0;
constexpr int adjustableSingle = 1;
constexpr int tensionTwin200 = 2;
constexpr int adjustableTwin200 = 3;
constexpr int tensionTwin400 = 4;
constexpr int adjustableTwin400 = 5;

/// The composer's result for 5 mm and for 10 mm of ice, merged into one entry.
InsulatorStringEntry composeEntry(int disc, int fittingSet, int discs)
{
    const tools::ComposedString ice5 = tools::composeString(disc, fittingSet, discs, 1);
    const tools::ComposedString ice10 = tools::composeString(disc, fittingSet, discs, 2);
    return {ice5.stringType,       ice5.stringLength,       ice5.stringWeight,
            ice5.stringIcedWeight, ice10.stringIcedWeight,  ice5.stringWindArea,
            ice5.stringIcedWindArea, ice10.stringIcedWindArea};
}

/// The 50 strings of one disc model: 33, 32, 31 discs with the 400 mm twin
/// sets, then 16 .. 4 discs with the 200 mm twin and the single sets.
void appendDiscModel(InsulatorStringCatalogue &catalogue, int &next, int disc, int firstFittingSet)
{
    for (const int discs : {33, 32, 31}) {
        for (const int set : {tensionTwin400, adjustableTwin400})
            catalogue[next++] = composeEntry(disc, firstFittingSet + set, discs);
    }
    for (const int discs : {16, 15, 14, 11, 10, 9, 8, 7, 6, 5, 4}) {
        for (const int set : {tensionTwin200, adjustableTwin200, tensionSingle, adjustableSingle})
            catalogue[next++] = composeEntry(disc, firstFittingSet + set, discs);
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
    appendDiscModel(catalogue, next, discXWP2_160, 0);
    appendDiscModel(catalogue, next, discXWP2_100, tools::firstTenTonneFittingSet);
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
