#pragma once

#include "report/reportpage.h"

#include <QWidget>

namespace report {

/**
 * The shown report page (`Image1`): the page picture stretched to the
 * widget's size on white, with the hand cursor. It reports presses and
 * releases of the left mouse button, in its own pixels, for panning.
 */
class PageView final : public QWidget
{
    Q_OBJECT

public:
    explicit PageView(QWidget *parent = nullptr);

    const report::ReportPage &page() const { return mPage; }
    /// Shows a copy of \a page.
    void setPage(const report::ReportPage &page);

signals:
    void pressed(QPoint position);
    void released(QPoint position);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    report::ReportPage mPage;
};

} // namespace report
