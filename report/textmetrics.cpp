#include "report/textmetrics.h"

#include "report/fonts.h"

#include <QFontMetrics>
#include <QHash>

#include <map>
#include <utility>

namespace report {

namespace {

struct MeasuredFont
{
    QFontMetrics metrics;
    QHash<QString, int> widths;
};

// Page input echoes bring arbitrary texts; the width cache is emptied when it
// grows past this, so a long session cannot make it grow without end.
constexpr qsizetype widthCacheLimit = 4096;

MeasuredFont &measuredFont(const QString &name, int pixelHeight)
{
    thread_local std::map<std::pair<QString, int>, MeasuredFont> fonts;
    auto key = std::make_pair(name, pixelHeight);
    auto found = fonts.find(key);
    if (found == fonts.end()) {
        found = fonts.emplace(std::move(key), MeasuredFont{QFontMetrics(reportFont(name, pixelHeight)), {}}).first;
    }
    return found->second;
}

} // namespace

LineMetrics lineMetrics(const QString &name, int pixelHeight)
{
    const QFontMetrics &metrics = measuredFont(name, pixelHeight).metrics;
    return {metrics.height(), metrics.ascent()};
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
