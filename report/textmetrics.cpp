#include "report/textmetrics.h"

#include "report/fonts.h"

#include <QFontMetrics>
#include <QHash>

#include <memory>
#include <vector>

namespace report {

namespace {

struct MeasuredFont
{
    QString name;
    int pixelHeight;
    QFontMetrics metrics;
    LineMetrics line;
    QHash<QString, int> widths;
};

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
    QFontMetrics metrics(reportFont(name, pixelHeight));
    const LineMetrics line{metrics.height(), metrics.ascent()};
    fonts.push_back(std::make_unique<MeasuredFont>(MeasuredFont{name, pixelHeight, metrics, line, {}}));
    lastUsed = fonts.back().get();
    return *lastUsed;
}

} // namespace

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
