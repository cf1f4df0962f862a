#include "report/textmetrics.h"

#include "report/fonts.h"

#include <QFontMetrics>
#include <QHash>

#include <algorithm>
#include <array>
#include <cmath>
#include <memory>
#include <optional>
#include <vector>

namespace report {

namespace {

/**
 * Each number character's advance, unrounded, when in this font every pair
 * of them shaped together is exactly as wide as the two apart (no kerning,
 * no contextual forms), so that a number is as wide as its characters and
 * need not be shaped to be measured; none when any pair is not.
 */
std::optional<std::array<qreal, numberCharacters.size()>> additiveNumberAdvances(const QFont &font)
{
    const QFontMetricsF exact(font);
    const QFontMetrics rounded(font);
    std::array<qreal, numberCharacters.size()> advances{};
    for (qsizetype i = 0; i < numberCharacters.size(); ++i)
        advances[i] = exact.horizontalAdvance(QString(numberCharacters[i]));
    for (qsizetype i = 0; i < numberCharacters.size(); ++i) {
        for (qsizetype j = 0; j < numberCharacters.size(); ++j) {
            const QString pair = QString(numberCharacters[i]) + numberCharacters[j];
            const qreal sum = advances[i] + advances[j];
            // Shaped widths are sums of 1/64 units, rounded half up.
            if (exact.horizontalAdvance(pair) != sum || rounded.horizontalAdvance(pair) != std::floor(sum + 0.5))
                return std::nullopt;
        }
    }
    return advances;
}

struct MeasuredFont
{
    QString name;
    int pixelHeight;
    QFontMetrics metrics;
    LineMetrics line;
    QHash<QString, int> widths;
    std::optional<std::array<qreal, numberCharacters.size()>> numberAdvances;
};

/// \a text's width from its characters' advances when it is a number and the font adds them up.
std::optional<int> numberWidth(const MeasuredFont &font, const QString &text)
{
    if (!font.numberAdvances || !isNumberText(text))
        return std::nullopt;
    qreal sum = 0;
    for (const QChar character : text)
        sum += (*font.numberAdvances)[numberCharacters.indexOf(character)];
    return int(std::floor(sum + 0.5));
}

// Page input echoes bring arbitrary texts; the width cache is emptied when it
// grows past this, so a long session cannot make it grow without end.
constexpr qsizetype widthCacheLimit = 4096;

MeasuredFont &measuredFont(const QString &name, int pixelHeight)
{
    // A report uses a handful of fonts and mostly the one it used last, so a
    // short list with the last hit remembered beats any keyed container.
    thread_local std::vector<std::unique_ptr<MeasuredFont>> fonts;
    thread_local MeasuredFont *lastUsed = nullptr;
    const auto matches = [&](const MeasuredFont *font) {
        return font->pixelHeight == pixelHeight && font->name == name;
    };
    if (lastUsed != nullptr && matches(lastUsed)) {
        return *lastUsed;
    }
    for (const auto &font : fonts) {
        if (matches(font.get())) {
            lastUsed = font.get();
            return *lastUsed;
        }
    }
    const QFont font = reportFont(name, pixelHeight);
    QFontMetrics metrics(font);
    const LineMetrics line{metrics.height(), metrics.ascent()};
    fonts.push_back(std::make_unique<MeasuredFont>(
        MeasuredFont{name, pixelHeight, metrics, line, {}, additiveNumberAdvances(font)}));
    lastUsed = fonts.back().get();
    return *lastUsed;
}

} // namespace

bool isNumberText(QStringView text)
{
    return !text.isEmpty()
           && std::all_of(text.begin(), text.end(), [](QChar c) { return numberCharacters.contains(c); });
}

LineMetrics lineMetrics(const QString &name, int pixelHeight)
{
    return measuredFont(name, pixelHeight).line;
}

int textAdvance(const QString &name, int pixelHeight, const QString &text)
{
    if (text.isEmpty()) {
        return 0;
    }
    MeasuredFont &font = measuredFont(name, pixelHeight);
    // Not kept: summed faster than looked up, and they would crowd the labels out.
    if (const std::optional<int> number = numberWidth(font, text))
        return *number;
    const auto cached = font.widths.constFind(text);
    if (cached != font.widths.constEnd()) {
        return cached.value();
    }
    if (font.widths.size() >= widthCacheLimit) {
        font.widths.clear();
    }
    const int width = font.metrics.horizontalAdvance(text);
    font.widths.insert(text, width);
    return width;
}

} // namespace report
