#include "tools/model/composedstring.h"

#include "tools/model/fittingsettable.h"
#include "tools/model/insulatordisctable.h"

#include "engine/numberformatting.h"

#include <stdexcept>

namespace tools {

namespace {

constexpr int weightDecimals = 3;
constexpr int windAreaDecimals = 4;

/// Ice figures of one thickness: per disc and for the fitting set.
struct IceFigures
{
    double discWeight;
    double discWindArea;
    double setWeight;
    double setWindArea;
};

void requireRange(int value, int first, int last, const char *what)
{
    if (value < first || value > last)
        throw std::out_of_range(what);
}

/// n discs plus the fitting set, summed in double and stored as a float.
float stringTotal(int discCount, double perDisc, double forSet)
{
    return static_cast<float>(discCount * perDisc + forSet);
}

} // namespace

ComposedStringValues composeStringValues(int discModelIndex, int fittingSetIndex, int discCount,
                                         int iceIndex)
{
    requireRange(discModelIndex, 0, insulatorDiscCount - 1, "disc model index outside 0..6");
    requireRange(fittingSetIndex, 0, fittingSetCount - 1, "fitting set index outside 0..11");
    requireRange(discCount, minDiscCount, maxDiscCount, "disc count outside 1..99");
    requireRange(iceIndex, 0, kIceIndexCount - 1, "ice index outside 0..4");

    const InsulatorDisc &disc = insulatorDiscTable()[static_cast<std::size_t>(discModelIndex)];
    const FittingSet &set = fittingSetTable()[static_cast<std::size_t>(fittingSetIndex)];

    ComposedStringValues values;
    values.stringType = std::to_string(discCount) + "*" + std::string(disc.discModel)
        + std::string(set.fittingSetShortName);
    values.stringLength = stringTotal(discCount, disc.discHeight, set.fittingSetLength);
    values.stringWeight = stringTotal(discCount, disc.discWeight, set.fittingSetWeight);
    values.stringWindArea = stringTotal(discCount, disc.discWindArea0, set.fittingSetWindArea0);

    switch (iceIndex) {
    case 0:
        values.stringIcedWeight = values.stringWeight;
        values.stringIcedWindArea = values.stringWindArea;
        return values;
    case 1:
    case 2: {
        const IceFigures ice = iceIndex == 1
            ? IceFigures{disc.discIceWeight5, disc.discWindArea5, set.fittingSetIceWeight5,
                         set.fittingSetWindArea5}
            : IceFigures{disc.discIceWeight10, disc.discWindArea10, set.fittingSetIceWeight10,
                         set.fittingSetWindArea10};
        // The ice is added to the stored bare weight, as the string is weighed.
        values.stringIcedWeight = static_cast<float>(
            discCount * ice.discWeight + values.stringWeight + ice.setWeight);
        values.stringIcedWindArea = stringTotal(discCount, ice.discWindArea, ice.setWindArea);
        return values;
    }
    default:
        // The disc and fitting catalogues give no ice figures beyond 10 mm.
        values.stringIcedWeight = 0;
        values.stringIcedWindArea = 0;
        values.hasIceData = false;
        return values;
    }
}

ComposedString composedStringTexts(const ComposedStringValues &values)
{
    return {values.stringType,
            engine::formatGeneral(values.stringLength),
            engine::formatNumber(values.stringWeight, weightDecimals),
            values.hasIceData ? engine::formatNumber(values.stringIcedWeight, weightDecimals) : std::string(),
            engine::formatNumber(values.stringWindArea, windAreaDecimals),
            values.hasIceData ? engine::formatNumber(values.stringIcedWindArea, windAreaDecimals) : std::string()};
}

ComposedString composeString(int discModelIndex, int fittingSetIndex, int discCount, int iceIndex)
{
    return composedStringTexts(composeStringValues(discModelIndex, fittingSetIndex, discCount, iceIndex));
}

} // namespace tools
