#include "report/viewer/viewericons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <cmath>

namespace report {

namespace {

// Pictures are drawn on a 24 x 24 grid and scaled to the pixmap.
constexpr qreal kGrid = 24.0;

const QColor kInk(0x37, 0x47, 0x4f);
const QColor accent(0x19, 0x76, 0xd2);
const QColor kPaper(0xff, 0xff, 0xff);
const QColor diskBody(0x45, 0x7b, 0x9d);
const QColor pdfRed(0xc6, 0x28, 0x28);

QPen inkPen(qreal width = 1.4)
{
    return QPen(kInk, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

QPen accentPen(qreal width = 2.0)
{
    return QPen(accent, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void drawSheet(QPainter &p, const QRectF &sheet)
{
    p.setPen(inkPen());
    p.setBrush(kPaper);
    p.drawRect(sheet);
}

/// A sheet with a folded top-right corner.
void drawDocument(QPainter &p, const QRectF &sheet)
{
    const qreal fold = sheet.width() * 0.3;
    QPainterPath outline;
    outline.moveTo(sheet.topLeft());
    outline.lineTo(sheet.right() - fold, sheet.top());
    outline.lineTo(sheet.right(), sheet.top() + fold);
    outline.lineTo(sheet.bottomRight());
    outline.lineTo(sheet.bottomLeft());
    outline.closeSubpath();
    p.setPen(inkPen());
    p.setBrush(kPaper);
    p.drawPath(outline);
    p.drawPolyline(QPolygonF{{sheet.right() - fold, sheet.top()},
                             {sheet.right() - fold, sheet.top() + fold},
                             {sheet.right(), sheet.top() + fold}});
}

void drawArrowHead(QPainter &p, QPointF tip, QPointF direction)
{
    const QPointF across(-direction.y(), direction.x());
    const qreal length = 3.2;
    p.drawPolyline(QPolygonF{tip - direction * length + across * length, tip,
                             tip - direction * length - across * length});
}

/// A line from \a from to \a to with heads at both ends.
void drawDoubleArrow(QPainter &p, QPointF from, QPointF to)
{
    p.setPen(accentPen(1.8));
    p.setBrush(Qt::NoBrush);
    p.drawLine(from, to);
    const QPointF delta = to - from;
    const qreal length = std::hypot(delta.x(), delta.y());
    const QPointF direction = delta / length;
    drawArrowHead(p, to, direction);
    drawArrowHead(p, from, -direction);
}

void drawMagnifier(QPainter &p, bool plus)
{
    p.setPen(QPen(kInk, 3.0, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(15.0, 15.0), QPointF(21.0, 21.0));
    p.setPen(inkPen(1.8));
    p.setBrush(QColor(0xe3, 0xf2, 0xfd));
    p.drawEllipse(QPointF(10.0, 10.0), 7.0, 7.0);
    p.setPen(accentPen(2.0));
    p.drawLine(QPointF(6.5, 10.0), QPointF(13.5, 10.0));
    if (plus)
        p.drawLine(QPointF(10.0, 6.5), QPointF(10.0, 13.5));
}

void drawFloppy(QPainter &p, const QRectF &r)
{
    const qreal cut = r.width() * 0.2;
    QPainterPath body;
    body.moveTo(r.topLeft());
    body.lineTo(r.right() - cut, r.top());
    body.lineTo(r.right(), r.top() + cut);
    body.lineTo(r.bottomRight());
    body.lineTo(r.bottomLeft());
    body.closeSubpath();
    p.setPen(QPen(kInk, 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(diskBody);
    p.drawPath(body);
    // Shutter at the top and label at the bottom.
    p.setBrush(QColor(0xcf, 0xd8, 0xdc));
    p.drawRect(QRectF(r.left() + r.width() * 0.25, r.top(), r.width() * 0.45, r.height() * 0.3));
    p.setBrush(kPaper);
    p.drawRect(QRectF(r.left() + r.width() * 0.15, r.top() + r.height() * 0.52, r.width() * 0.7,
                      r.height() * 0.48));
}

void drawPrinter(QPainter &p, const QPointF &offset)
{
    p.save();
    p.translate(offset);
    // Paper going in at the top, the printer body, paper coming out.
    drawSheet(p, QRectF(6.5, 2.5, 11.0, 7.0));
    p.setPen(inkPen());
    p.setBrush(QColor(0x78, 0x90, 0x9c));
    p.drawRoundedRect(QRectF(2.5, 8.5, 19.0, 9.0), 2.0, 2.0);
    p.setBrush(QColor(0x66, 0xbb, 0x6a));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(18.5, 11.0), 1.0, 1.0);
    drawSheet(p, QRectF(6.5, 14.5, 11.0, 7.0));
    p.setPen(QPen(kInk, 1.0));
    p.drawLine(QPointF(8.5, 17.0), QPointF(15.5, 17.0));
    p.drawLine(QPointF(8.5, 19.0), QPointF(13.5, 19.0));
    p.restore();
}

void drawPicture(QPainter &p, ViewerIcon icon)
{
    switch (icon) {
    case ViewerIcon::ZoomIn:
        drawMagnifier(p, true);
        break;
    case ViewerIcon::ZoomOut:
        drawMagnifier(p, false);
        break;
    case ViewerIcon::FitWidth:
        drawSheet(p, QRectF(2.5, 5.5, 19.0, 13.0));
        drawDoubleArrow(p, QPointF(5.0, 12.0), QPointF(19.0, 12.0));
        break;
    case ViewerIcon::FitHeight:
        drawSheet(p, QRectF(5.5, 2.5, 13.0, 19.0));
        drawDoubleArrow(p, QPointF(12.0, 5.0), QPointF(12.0, 19.0));
        break;
    case ViewerIcon::InitialSize: {
        drawSheet(p, QRectF(2.5, 5.5, 19.0, 13.0));
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(8);
        font.setBold(true);
        p.setFont(font);
        p.setPen(accent);
        p.drawText(QRectF(2.5, 5.5, 19.0, 13.0), Qt::AlignCenter, QStringLiteral("1:1"));
        break;
    }
    case ViewerIcon::SavePage:
        drawFloppy(p, QRectF(3.5, 3.5, 17.0, 17.0));
        break;
    case ViewerIcon::SaveAllPages:
        drawFloppy(p, QRectF(7.5, 1.5, 14.0, 14.0));
        drawFloppy(p, QRectF(2.5, 8.5, 14.0, 14.0));
        break;
    case ViewerIcon::PrintPage:
        drawPrinter(p, QPointF(0.0, 0.0));
        break;
    case ViewerIcon::PrintAllPages:
        drawSheet(p, QRectF(10.5, 0.5, 11.0, 7.0));
        drawSheet(p, QRectF(8.5, 1.5, 11.0, 7.0));
        drawPrinter(p, QPointF(-1.0, 0.5));
        break;
    case ViewerIcon::ExportPdf: {
        drawDocument(p, QRectF(4.5, 2.5, 15.0, 19.0));
        p.setPen(Qt::NoPen);
        p.setBrush(pdfRed);
        p.drawRect(QRectF(2.0, 11.0, 16.0, 7.0));
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(6);
        font.setBold(true);
        p.setFont(font);
        p.setPen(kPaper);
        p.drawText(QRectF(2.0, 11.0, 16.0, 7.0), Qt::AlignCenter, QStringLiteral("PDF"));
        break;
    }
    case ViewerIcon::Back: {
        p.setPen(accentPen(2.4));
        p.setBrush(Qt::NoBrush);
        QPainterPath turn;
        turn.moveTo(5.0, 10.0);
        turn.lineTo(15.0, 10.0);
        turn.cubicTo(22.0, 10.0, 22.0, 20.0, 15.0, 20.0);
        turn.lineTo(9.0, 20.0);
        p.drawPath(turn);
        drawArrowHead(p, QPointF(4.5, 10.0), QPointF(-1.0, 0.0));
        break;
    }
    }
}

QPixmap iconPixmap(ViewerIcon icon, int side)
{
    QPixmap pixmap(side, side);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.scale(side / kGrid, side / kGrid);
    drawPicture(painter, icon);
    return pixmap;
}

} // namespace

QIcon viewerIcon(ViewerIcon icon)
{
    QIcon result;
    result.addPixmap(iconPixmap(icon, 24));
    result.addPixmap(iconPixmap(icon, 48));
    return result;
}

} // namespace report
