#include "tools/model/composermodel.h"

#include "tools/model/fittingsettable.h"
#include "tools/model/insulatordisctable.h"

#include <algorithm>
#include <stdexcept>

namespace tools {

namespace {

constexpr int defaultDiscCount = 14;
constexpr int defaultIceIndex = 2;

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool isDigits(std::string_view text)
{
    return !text.empty() && std::all_of(text.begin(), text.end(), isDigit);
}

/**
 * The count a text of digits stands for, bounded to 0..maxDiscCount + 1 so
 * that any length of text converts without overflow.
 */
int boundedDigitsValue(std::string_view digits)
{
    digits.remove_prefix(std::min(digits.find_first_not_of('0'), digits.size()));
    if (digits.size() > 2)
        return maxDiscCount + 1;
    int value = 0;
    for (char c : digits)
        value = value * 10 + (c - '0');
    return value;
}

} // namespace

int discCountOf(std::string_view text)
{
    if (!isDigits(text))
        return -1;
    const int value = boundedDigitsValue(text);
    return value >= minDiscCount && value <= maxDiscCount ? value : -1;
}

ComposerModel::ComposerModel()
    : mDiscCountText(std::to_string(defaultDiscCount)), mIceIndex(defaultIceIndex)
{
    compose();
}

void ComposerModel::selectDiscModel(int index)
{
    if (index < 0 || index >= insulatorDiscCount)
        throw std::out_of_range("disc model index outside 0..6");
    mDiscModelIndex = index;
    compose();
}

void ComposerModel::selectFittingSet(int index)
{
    if (index < 0 || index >= fittingSetCount)
        throw std::out_of_range("fitting set index outside 0..11");
    mFittingSetIndex = index;
    compose();
}

void ComposerModel::setDiscCountText(std::string_view text)
{
    mDiscCountText = text;
    if (discCountOf(mDiscCountText) > 0)
        compose();
}

void ComposerModel::finishDiscCount()
{
    if (discCountOf(mDiscCountText) > 0)
        return;
    const int value = isDigits(mDiscCountText) ? boundedDigitsValue(mDiscCountText) : minDiscCount;
    mDiscCountText = std::to_string(std::clamp(value, minDiscCount, maxDiscCount));
    compose();
}

bool ComposerModel::acceptsDiscCountKey(char typed)
{
    return isDigit(typed);
}

void ComposerModel::showIceIndex(int index)
{
    if (index < 0 || index >= kIceIndexCount)
        throw std::out_of_range("ice index outside 0..4");
    mIceIndex = index;
}

void ComposerModel::compose()
{
    mResult = composeString(mDiscModelIndex, mFittingSetIndex, discCountOf(mDiscCountText), mIceIndex);
}

} // namespace tools
