#include "tools/model/stringratedload.h"

#include "tools/model/fittingsettable.h"
#include "tools/model/insulatordisctable.h"

#include <algorithm>
#include <cctype>

namespace tools {

namespace {

/// Whether \a name occurs in \a text as a whole model number: "XP-16" is not
/// the start of "XP-160", nor "XP-10" of "XP-10.5".
bool namesModel(std::string_view text, std::string_view name)
{
    for (auto at = text.find(name); at != std::string_view::npos; at = text.find(name, at + 1)) {
        const std::size_t end = at + name.size();
        const bool continues = end < text.size() && (std::isdigit(static_cast<unsigned char>(text[end])) || text[end] == '.');
        if (!continues)
            return true;
    }
    return false;
}

std::optional<double> discRatedLoad(std::string_view designation)
{
    std::optional<double> load;
    for (const InsulatorDisc &disc : insulatorDiscTable()) {
        if (!namesModel(designation, disc.discModel))
            continue;
        if (load)  // two models named: which one carries the string is not known
            return std::nullopt;
        load = disc.discRatedLoad_kN;
    }
    return load;
}

/// The fittings' rating per string where the text names one.
std::optional<double> fittingRatedLoad(std::string_view designation)
{
    const bool sixteen = designation.find("16t") != std::string_view::npos;
    const bool ten = designation.find("10t") != std::string_view::npos;
    if (ten)  // the weaker one where both are named
        return 100.0;
    if (sixteen)
        return 160.0;
    return std::nullopt;
}

int parallelStrings(std::string_view designation)
{
    const bool twin = designation.find("双串") != std::string_view::npos;
    const bool single = designation.find("单串") != std::string_view::npos;
    // A text that says both is read as one string, the side of safety.
    return twin && !single ? 2 : 1;
}

} // namespace

std::optional<double> ratedLoadOfDesignation(std::string_view designation)
{
    std::optional<double> perString = discRatedLoad(designation);
    if (!perString)
        return std::nullopt;
    if (const std::optional<double> fittings = fittingRatedLoad(designation))
        perString = std::min(*perString, *fittings);
    return *perString * parallelStrings(designation);
}

double ratedLoadOfComposition(int discModelIndex, int fittingSetIndex)
{
    const InsulatorDisc &disc = insulatorDiscTable().at(static_cast<std::size_t>(discModelIndex));
    const FittingSet &set = fittingSetTable().at(static_cast<std::size_t>(fittingSetIndex));
    return std::min(disc.discRatedLoad_kN, set.fittingSetRatedLoad_kN);
}

} // namespace tools
