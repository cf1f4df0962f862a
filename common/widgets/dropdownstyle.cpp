#include "common/widgets/dropdownstyle.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QProxyStyle>
#include <QStyle>

namespace common {

namespace {

class DropDownListStyle final : public QProxyStyle
{
public:
    using QProxyStyle::QProxyStyle;

    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                  QStyleHintReturn *returnData) const override
    {
        // 0: the list opens below the box and honours maxVisibleItems.
        if (hint == QStyle::SH_ComboBox_Popup)
            return 0;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

} // namespace

void installDropDownListStyle()
{
    // The proxy takes a fresh copy of the current style as its base; the
    // application owns the proxy.
    QApplication::setStyle(new DropDownListStyle(QApplication::style()->name()));
}

void widenListToEntries(QComboBox &list)
{
    QAbstractItemView *view = list.view();
    // The widest entry, the scroll bar of a list longer than its rows, and
    // a margin for the frame and the entries' own padding.
    const int entries = view->sizeHintForColumn(0);
    const int scrollBar = view->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, view);
    view->setMinimumWidth(entries + scrollBar + 8);
}

} // namespace common
