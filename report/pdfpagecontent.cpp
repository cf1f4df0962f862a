#include "report/pdfpagecontent.h"

#include "report/pdffonts.h"
#include "report/pdfsyntax.h"
#include "report/reportpage.h"
#include "report/textglyphs.h"

#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace report {

namespace {

// Where a quarter ellipse's control points lie on its tangents: 4(√2 − 1)/3 of the radius.
constexpr double quarterArc = 0.5522847498307936;

/// Writes the commands of one page, setting the graphics state only where it changes.
class ContentWriter
{
public:
    ContentWriter(TextGlyphs &glyphs, PdfFonts &fonts, std::set<int> &faces)
        : mGlyphs(glyphs)
        , mFonts(fonts)
        , mFaces(faces)
    {}

    std::string take() { return std::move(mOut); }

    void begin(const QRectF &target, double sheetHeight, const ReportPage &page)
    {
        const double scaleX = target.width() / page.width();
        const double scaleY = target.height() / page.height();
        // The scale multiplies every coordinate of the page: written finer.
        for (const double value : {scaleX, 0.0, 0.0, -scaleY, target.left(), sheetHeight - target.top()}) {
            appendNumber(mOut, value, 8);
            mOut += ' ';
        }
        mOut += "cm 1 J 1 j\n";
    }

    void operator()(const LineCommand &c)
    {
        if (!stroke(c.pen))
            return;
        point(c.from);
        mOut += "m ";
        point(c.to);
        mOut += "l S\n";
    }

    void operator()(const RectangleCommand &c)
    {
        const Painting painting = paintWith(c.pen, c.brush);
        if (!painting.draws())
            return;
        const QRectF box = boxRect(c.box);
        numbers({box.left(), box.top(), box.width(), box.height()});
        mOut += "re ";
        paint(painting, false);
    }

    void operator()(const RoundRectCommand &c)
    {
        const Painting painting = paintWith(c.pen, c.brush);
        if (!painting.draws())
            return;
        const QRectF box = boxRect(c.box);
        const double rx = std::min(std::abs(c.ellipseWidth) / 2.0, box.width() / 2.0);
        const double ry = std::min(std::abs(c.ellipseHeight) / 2.0, box.height() / 2.0);
        const double kx = rx * quarterArc;
        const double ky = ry * quarterArc;
        const double l = box.left();
        const double t = box.top();
        const double r = box.right();
        const double b = box.bottom();
        // Clockwise on the page from the top edge's left end.
        numbers({l + rx, t});
        mOut += "m ";
        numbers({r - rx, t});
        mOut += "l ";
        numbers({r - rx + kx, t, r, t + ry - ky, r, t + ry});
        mOut += "c ";
        numbers({r, b - ry});
        mOut += "l ";
        numbers({r, b - ry + ky, r - rx + kx, b, r - rx, b});
        mOut += "c ";
        numbers({l + rx, b});
        mOut += "l ";
        numbers({l + rx - kx, b, l, b - ry + ky, l, b - ry});
        mOut += "c ";
        numbers({l, t + ry});
        mOut += "l ";
        numbers({l, t + ry - ky, l + rx - kx, t, l + rx, t});
        mOut += "c h ";
        paint(painting, false);
    }

    void operator()(const PolygonCommand &c)
    {
        if (c.points.isEmpty())
            return;
        const Painting painting = paintWith(c.pen, c.brush);
        if (!painting.draws())
            return;
        point(c.points.first());
        mOut += "m ";
        for (qsizetype i = 1; i < c.points.size(); ++i) {
            point(c.points[i]);
            mOut += "l ";
        }
        mOut += "h ";
        paint(painting, true);
    }

    void operator()(const BezierCommand &c)
    {
        if (c.points.isEmpty() || !stroke(c.pen))
            return;
        point(c.points.first());
        mOut += "m ";
        for (qsizetype i = 1; i + 2 < c.points.size(); i += 3) {
            point(c.points[i]);
            point(c.points[i + 1]);
            point(c.points[i + 2]);
            mOut += "c ";
        }
        mOut += "S\n";
    }

    void operator()(const TextCommand &c)
    {
        if (c.background.style == BrushStyle::Solid) {
            fillColor(c.background.color);
            numbers({double(c.topLeft.x()), double(c.topLeft.y()), double(c.cellWidth), double(c.cellHeight)});
            mOut += "re f\n";
        }
        if (c.text.isEmpty())
            return;
        const std::vector<GlyphRun> &runs = mGlyphs.runsOf(c.font.name, c.font.pixelHeight(), c.text);
        if (runs.empty())
            return;
        fillColor(c.font.color);
        const double originX = c.topLeft.x();
        const double baseline = c.topLeft.y() + c.ascent;
        for (const GlyphRun &run : runs) {
            if (mFonts.embeds(run.face))
                glyphRun(run, originX, baseline);
            else
                glyphOutlines(run, originX, baseline);
        }
    }

    void operator()(const MarkupAnnotation &) {}

private:
    static QRectF boxRect(const PageBox &box)
    {
        return QRectF(QPointF(box.left, box.top), QPointF(box.right, box.bottom)).normalized();
    }

    void numbers(std::initializer_list<double> values)
    {
        for (const double value : values) {
            appendNumber(mOut, value);
            mOut += ' ';
        }
    }

    void point(const QPoint &p) { numbers({double(p.x()), double(p.y())}); }

    static std::string colorOperands(const QColor &color)
    {
        std::string operands;
        for (const int channel : {color.red(), color.green(), color.blue()}) {
            appendNumber(operands, channel / 255.0);
            operands += ' ';
        }
        return operands;
    }

    void fillColor(const QColor &color)
    {
        std::string operands = colorOperands(color);
        if (operands == mFillColor)
            return;
        mOut += operands + "rg\n";
        mFillColor = std::move(operands);
    }

    /// Sets the pen; false when it draws nothing.
    bool stroke(const PagePen &pen)
    {
        if (pen.style == PenStyle::Clear)
            return false;
        std::string operands = colorOperands(pen.color);
        if (operands != mStrokeColor) {
            mOut += operands + "RG\n";
            mStrokeColor = std::move(operands);
        }
        const int width = std::max(1, pen.width);
        std::string state;
        appendNumber(state, width);
        state += " w [";
        // Dashes and gaps in multiples of the pen's width.
        if (pen.style == PenStyle::Dash) {
            appendNumber(state, 4.0 * width);
            state += ' ';
            appendNumber(state, 2.0 * width);
        } else if (pen.style == PenStyle::Dot) {
            appendNumber(state, 1.0 * width);
            state += ' ';
            appendNumber(state, 2.0 * width);
        }
        state += "] 0 d\n";
        if (state != mPenState) {
            mOut += state;
            mPenState = std::move(state);
        }
        return true;
    }

    /// Sets the brush; false when it fills nothing.
    bool fill(const PageBrush &brush)
    {
        if (brush.style != BrushStyle::Solid)
            return false;
        fillColor(brush.color);
        return true;
    }

    /// Whether a shape is outlined, filled, both or neither.
    struct Painting
    {
        bool stroked = false;
        bool filled = false;
        bool draws() const { return stroked || filled; }
    };

    Painting paintWith(const PagePen &pen, const PageBrush &brush)
    {
        const bool stroked = stroke(pen);
        return {stroked, fill(brush)};
    }

    void paint(const Painting &painting, bool evenOdd)
    {
        if (painting.stroked && painting.filled)
            mOut += evenOdd ? "B*\n" : "B\n";
        else if (painting.filled)
            mOut += evenOdd ? "f*\n" : "f\n";
        else
            mOut += "S\n";
    }

    /// The glyphs of one face, on the baseline at \a baseline, each where the layout put it.
    void glyphRun(const GlyphRun &run, double originX, double baseline)
    {
        if (run.glyphs.empty() || !(run.pixelSize > 0))
            return;
        mFaces.insert(run.face);
        mOut += "BT /" + mFonts.resourceName(run.face) + ' ';
        numbers({run.pixelSize});
        mOut += "Tf\n";
        double lineY = std::nan("");
        double penX = 0;
        for (const PlacedGlyph &glyph : run.glyphs) {
            const double width = mFonts.use(run.face, glyph.index, glyph.character);
            if (glyph.y != lineY) {
                if (!std::isnan(lineY))
                    mOut += "] TJ ";
                lineY = glyph.y;
                penX = glyph.x;
                // Glyphs upright on a page whose y runs downwards.
                numbers({1, 0, 0, -1, originX + glyph.x, baseline + glyph.y});
                mOut += "Tm [";
            }
            const double shift = glyph.x - penX;
            if (std::abs(shift) > 1e-4) {
                appendNumber(mOut, -shift * 1000.0 / run.pixelSize);
                penX = glyph.x;
            }
            mOut += '<';
            appendHex4(mOut, glyph.index);
            mOut += '>';
            penX += width * run.pixelSize / 1000.0;
        }
        mOut += "] TJ ET\n";
    }

    /// The glyphs of a face that cannot be embedded, filled as the shapes they are.
    void glyphOutlines(const GlyphRun &run, double originX, double baseline)
    {
        const QRawFont &face = mGlyphs.faces().at(std::size_t(run.face));
        if (!(face.pixelSize() > 0))
            return;
        const double scale = run.pixelSize / face.pixelSize();
        for (const PlacedGlyph &glyph : run.glyphs) {
            const QPainterPath outline = face.pathForGlyph(glyph.index);
            if (outline.isEmpty())
                continue;
            const QPointF origin(originX + glyph.x, baseline + glyph.y);
            const auto at = [&](int i) {
                const QPainterPath::Element e = outline.elementAt(i);
                numbers({origin.x() + scale * e.x, origin.y() + scale * e.y});
            };
            for (int i = 0; i < outline.elementCount(); ++i) {
                switch (outline.elementAt(i).type) {
                case QPainterPath::MoveToElement:
                    at(i);
                    mOut += "m ";
                    break;
                case QPainterPath::LineToElement:
                    at(i);
                    mOut += "l ";
                    break;
                case QPainterPath::CurveToElement:
                    if (i + 2 >= outline.elementCount())
                        break;
                    at(i);
                    at(i + 1);
                    at(i + 2);
                    mOut += "c ";
                    i += 2;
                    break;
                case QPainterPath::CurveToDataElement:
                    break;
                }
            }
            // Glyph outlines are filled by the nonzero rule.
            mOut += "f\n";
        }
    }

    TextGlyphs &mGlyphs;
    PdfFonts &mFonts;
    std::set<int> &mFaces;
    std::string mOut;
    std::string mFillColor;
    std::string mStrokeColor;
    std::string mPenState;
};

} // namespace

std::string pdfPageContent(const ReportPage &page, const QRectF &target, double sheetHeight, TextGlyphs &glyphs,
                           PdfFonts &fonts, std::set<int> &faces)
{
    ContentWriter writer(glyphs, fonts, faces);
    writer.begin(target, sheetHeight, page);
    for (const PageCommand &command : page.commands())
        std::visit(writer, command);
    return writer.take();
}

} // namespace report
