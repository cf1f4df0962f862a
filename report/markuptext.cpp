#include "report/markuptext.h"

#include "report/pagecanvas.h"

#include <algorithm>
#include <array>

namespace report {

namespace {

struct MarkupTag
{
    QStringView name;
    ScriptKind script;
};

// Either end tag returns to normal script.
constexpr std::array<MarkupTag, 4> markupTags = {{
    {u"$sbks", ScriptKind::Superscript},
    {u"$xbks", ScriptKind::Subscript},
    {u"$sbjs", ScriptKind::Normal},
    {u"$xbjs", ScriptKind::Normal},
}};

const MarkupTag *tagAt(const QString &text, qsizetype position)
{
    if (position >= text.size() || text.at(position) != u'$') {
        return nullptr;
    }
    const QStringView rest = QStringView(text).mid(position);
    for (const MarkupTag &tag : markupTags) {
        if (rest.startsWith(tag.name)) {
            return &tag;
        }
    }
    return nullptr;
}

/// Size of the superscript and subscript glyphs: 8 → 4, 10 → 6, 14 → 8.
int scriptSize(int size)
{
    return 3 * size / 5;
}

/// ⌈3 × size / 5⌉ − 1: the script size, one less when size is a multiple of 5.
int scriptMeasuringSize(int size)
{
    const int numerator = 3 * size;
    const int ceiling = numerator / 5 + (numerator % 5 > 0 ? 1 : 0);
    return ceiling - 1;
}

/// A subscript set under the superscript two runs before it ("$sbjs$xbks").
bool isStackedSubscript(const QVector<MarkupSegment> &segments, qsizetype i)
{
    return i >= 2 && segments[i].script == ScriptKind::Subscript
           && segments[i - 2].script == ScriptKind::Superscript && segments[i - 1].text.isEmpty();
}

struct AnchorOffset
{
    bool valid = false;
    char horizontal = 'L';
    char vertical = 'T';
};

AnchorOffset parseAnchor(const QString &anchor)
{
    if (anchor.size() != 2) {
        return {};
    }
    const QChar h = anchor.at(0);
    const QChar v = anchor.at(1);
    const bool hValid = h == u'L' || h == u'M' || h == u'R';
    const bool vValid = v == u'T' || v == u'C' || v == u'B';
    if (!hValid || !vValid) {
        return {};
    }
    return {true, static_cast<char>(h.unicode()), static_cast<char>(v.unicode())};
}

int measureSegments(QVector<MarkupSegment> &segments, int size, PageCanvas &canvas)
{
    const int smallSize = scriptSize(size);
    canvas.setFontSize(size);
    int total = 0;
    for (qsizetype i = 0; i < segments.size(); ++i) {
        MarkupSegment &segment = segments[i];
        canvas.setFontSize(segment.script == ScriptKind::Normal ? size : smallSize);
        segment.width = canvas.textWidth(segment.text);
        if (isStackedSubscript(segments, i)) {
            total += std::max(0, segment.width - segments[i - 2].width);
        } else {
            total += segment.width;
        }
    }
    return total;
}

} // namespace

bool isMarkupTagAt(const QString &text, qsizetype position)
{
    return tagAt(text, position) != nullptr;
}

QVector<MarkupSegment> splitMarkup(const QString &text)
{
    QVector<MarkupSegment> segments;
    if (!text.contains(u'$')) {
        segments.append({text, ScriptKind::Normal, 0});
        return segments;
    }
    qsizetype start = 0;
    // A tag at the very start stays with the first run.
    for (qsizetype position = 1; position + markupTagLength <= text.size(); ++position) {
        if (tagAt(text, position) != nullptr) {
            segments.append({text.mid(start, position - start), ScriptKind::Normal, 0});
            start = position;
        }
    }
    segments.append({text.mid(start), ScriptKind::Normal, 0});

    for (MarkupSegment &segment : segments) {
        if (const MarkupTag *tag = tagAt(segment.text, 0)) {
            segment.script = tag->script;
            segment.text.remove(0, markupTagLength);
        }
    }
    return segments;
}

int markupTextWidth(int size, const QString &text, PageCanvas &canvas)
{
    QVector<MarkupSegment> segments = splitMarkup(text);
    return measureSegments(segments, size, canvas);
}

void drawMarkupText(int x, int y, int size, const QString &anchor, const QString &text, PageCanvas &canvas)
{
    canvas.annotateMarkup(x, y, size, anchor, text);

    QVector<MarkupSegment> segments = splitMarkup(text);
    const int totalWidth = measureSegments(segments, size, canvas);

    canvas.setFontSize(size);
    const int normalHeight = canvas.textHeight(text);
    canvas.setFontSize(scriptMeasuringSize(size));
    const int scriptHeight = canvas.textHeight(text);

    int left = x;
    int top = y;
    const AnchorOffset offset = parseAnchor(anchor);
    if (offset.valid) {
        if (offset.horizontal == 'M') {
            left = x - totalWidth / 2;
        } else if (offset.horizontal == 'R') {
            left = x - totalWidth;
        }
        // The centre is found in real arithmetic and truncated toward zero,
        // which differs from integer halving for odd line heights.
        if (offset.vertical == 'C') {
            top = static_cast<int>(y - normalHeight / 2.0);
        } else if (offset.vertical == 'B') {
            top = y - normalHeight;
        }
    }

    const int smallSize = scriptSize(size);
    int penX = left;
    for (qsizetype i = 0; i < segments.size(); ++i) {
        const MarkupSegment &segment = segments[i];
        int cellTop = top;
        switch (segment.script) {
        case ScriptKind::Superscript:
            canvas.setFontSize(smallSize);
            cellTop = top - scriptHeight / 3;
            break;
        case ScriptKind::Subscript:
            canvas.setFontSize(smallSize);
            cellTop = top + normalHeight - scriptHeight;
            break;
        case ScriptKind::Normal:
            canvas.setFontSize(size);
            break;
        }

        if (isStackedSubscript(segments, i)) {
            penX -= segments[i - 2].width;
        } else if (isStackedSubscript(segments, i - 1)) {
            penX += std::max(segments[i - 1].width, segments[i - 3].width);
        } else if (i > 0) {
            penX += segments[i - 1].width;
        }

        if (!segment.text.isEmpty()) {
            canvas.textOut(penX, cellTop, segment.text);
        }
    }
}

} // namespace report
