#pragma once

#include <array>
#include <string_view>

namespace tools {

/// One insulator disc of the composer's list, with the catalogue's decimal figures.
struct InsulatorDisc
{
    std::string_view discModel;
    double discHeight;       ///< structural height of one disc, mm
    double discWeight;       ///< kg
    double discIceWeight5;   ///< ice added per disc at 5 mm of ice, kg
    double discIceWeight10;  ///< ice added per disc at 10 mm of ice, kg
    double discWindArea0;    ///< wind area without ice, m2
    double discWindArea5;    ///< wind area with 5 mm of ice, m2
    double discWindArea10;   ///< wind area with 10 mm of ice, m2
    double discRatedLoad_kN; ///< rated mechanical failing load of one disc, kN
};

inline constexpr int insulatorDiscCount = 7;
using InsulatorDiscTable = std::array<InsulatorDisc, insulatorDiscCount>;

/// The seven disc models in list order, "XWP2-160" first.
const InsulatorDiscTable &insulatorDiscTable();

} // namespace tools
