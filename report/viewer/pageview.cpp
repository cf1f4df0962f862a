#include "report/viewer/pageview.h"

#include "report/pagepainter.h"

#include <QMouseEvent>
#include <QPainter>

namespace report {

PageView::PageView(QWidget *parent)
    : QWidget(parent)
{
    setCursor(Qt::PointingHandCursor);
    // The page covers every pixel, so Qt need not clear behind it.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PageView::setPage(const report::ReportPage &page)
{
    mPage = page;
    update();
}

void PageView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    report::paintPage(painter, mPage, QRectF(rect()));
}

void PageView::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        emit pressed(event->position().toPoint());
    QWidget::mousePressEvent(event);
}

void PageView::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        emit released(event->position().toPoint());
    QWidget::mouseReleaseEvent(event);
}

} // namespace report
