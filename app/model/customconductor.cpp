#include "app/model/customconductor.h"

#include "app/model/conductorcatalogue.h"
#include "app/model/jsontext.h"
#include "app/model/singlenumber.h"
#include "engine/calculationerror.h"
#include "engine/numberconversion.h"

#include <algorithm>

namespace app {

namespace {

constexpr std::array<std::string_view, conductorFigureCount> figureLabels{
    "计算外径(mm)", "温度线膨胀系数(10⁻⁶/℃)", "弹性模量(N/mm2)", "单根截面(mm2)", "单根自重(kg/m)"};

std::size_t characterCount(std::string_view text)
{
    return static_cast<std::size_t>(std::count_if(
        text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

/// A text as a message quotes it: at most 20 characters.
std::string quoted(const std::string &text)
{
    std::string shown;
    int chars = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool startsCharacter = (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80;
        if (startsCharacter && chars++ == 20)
            return "\"" + shown + "…\"";
        shown += text[i];
    }
    return "\"" + shown + "\"";
}

std::string designationFault(const std::string &designation)
{
    if (designation.empty())
        return "型号为空,请输入导线型号";
    if (characterCount(designation) > static_cast<std::size_t>(conductorDesignationMaxLength))
        return "型号有 " + std::to_string(characterCount(designation)) + " 个字符,最多 "
               + std::to_string(conductorDesignationMaxLength) + " 个字符";
    if (hasControlCharacter(designation))
        return "型号含有控制字符";
    for (const ConductorEntry &entry : conductorCatalogue()) {
        if (entry.typeName == designation)
            return "型号 " + quoted(designation) + " 是内置导线的型号,请在列表中选取它,或另起一个型号";
    }
    return {};
}

std::string figureFault(ConductorFigure figure, const std::string &text)
{
    const std::string label(figureLabel(figure));
    // As written or not at all: a sign, an exponent or blanks would be read
    // as another value than the one typed, or not by every reader.
    if (!engine::isDecimalNumber(text, false))
        return label + " " + quoted(text) + " 不是数值";
    try {
        if (!(toSingleNumber(text) > 0))
            return label + " " + quoted(text) + " 应大于0";
    } catch (const engine::ConversionError &) {
        return label + " " + quoted(text) + " 不是数值";
    }
    return {};
}

} // namespace

const std::string &figureText(const CustomConductor &conductor, ConductorFigure figure)
{
    switch (figure) {
    case ConductorFigure::diameter:
        return conductor.diameter;
    case ConductorFigure::expansionCoefficient:
        return conductor.expansionCoefficient;
    case ConductorFigure::elasticModulus:
        return conductor.elasticModulus;
    case ConductorFigure::area:
        return conductor.area;
    case ConductorFigure::unitWeight:
        break;
    }
    return conductor.unitWeight;
}

std::string &figureText(CustomConductor &conductor, ConductorFigure figure)
{
    return const_cast<std::string &>(figureText(static_cast<const CustomConductor &>(conductor), figure));
}

std::string_view figureLabel(ConductorFigure figure)
{
    return figureLabels[static_cast<std::size_t>(figure)];
}

std::string customConductorFault(const CustomConductor &conductor)
{
    if (std::string fault = designationFault(conductor.designation); !fault.empty())
        return fault;
    for (int figure = 0; figure < conductorFigureCount; ++figure) {
        const auto which = static_cast<ConductorFigure>(figure);
        if (std::string fault = figureFault(which, figureText(conductor, which)); !fault.empty())
            return fault;
    }
    return {};
}

} // namespace app
