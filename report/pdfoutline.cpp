#include "report/pdfoutline.h"

#include <qpdf/QPDFObjectHandle.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>

namespace report {

namespace {

using Object = QPDFObjectHandle;

/// An outline entry that shows \a page whole, under \a parent.
Object outlineItem(QPDF &pdf, const std::string &title, const Object &parent, const Object &page)
{
    Object item = pdf.makeIndirectObject(Object::newDictionary());
    item.replaceKey("/Title", Object::newUnicodeString(title));
    item.replaceKey("/Parent", parent);
    item.replaceKey("/Dest", Object::newArray({page, Object::newName("/Fit")}));
    return item;
}

/// Links \a items as the children of \a parent; \a count is the parent's /Count.
void linkChildren(Object &parent, std::vector<Object> &items, int count)
{
    if (items.empty())
        return;
    for (std::size_t i = 0; i + 1 < items.size(); ++i) {
        items[i].replaceKey("/Next", items[i + 1]);
        items[i + 1].replaceKey("/Prev", items[i]);
    }
    parent.replaceKey("/First", items.front());
    parent.replaceKey("/Last", items.back());
    parent.replaceKey("/Count", Object::newInteger(count));
}

void addItems(QPDF &pdf, Object &parent, const std::vector<OutlineEntry> &entries,
              const std::vector<QPDFPageObjectHelper> &pages, bool open)
{
    std::vector<Object> items;
    for (const OutlineEntry &entry : entries) {
        Object item = outlineItem(pdf, entry.title, parent, pages.at(entry.page).getObjectHandle());
        addItems(pdf, item, entry.children, pages, false);
        items.push_back(item);
    }
    // A negative count keeps the entry closed.
    const int count = static_cast<int>(items.size());
    linkChildren(parent, items, open ? count : -count);
}

} // namespace

void setOutline(QPDF &pdf, const std::vector<OutlineEntry> &entries)
{
    const std::vector<QPDFPageObjectHelper> pages = QPDFPageDocumentHelper(pdf).getAllPages();
    Object outlines = pdf.makeIndirectObject(Object::newDictionary());
    outlines.replaceKey("/Type", Object::newName("/Outlines"));
    addItems(pdf, outlines, entries, pages, true);
    Object root = pdf.getRoot();
    root.replaceKey("/Outlines", outlines);
    root.replaceKey("/PageMode", Object::newName("/UseOutlines"));
}

std::string pdfCreator()
{
    return std::string("Tenrix ") + TENRIX_VERSION;
}

std::string pdfTitle(const std::string &spanName)
{
    const std::string title = "软导线实用力学计算书";
    return spanName.empty() ? title : title + " - " + spanName;
}

} // namespace report
