#pragma once

#include "report/reportexporter.h"

#include <string>

namespace report {

/// One page as a placeable Windows metafile (see wmfBytes()).
class WmfExporter final : public ReportExporter
{
public:
    QString nameFilter() const override;
    QString suffix() const override;

protected:
    bool writePages(std::span<const ReportPage> pages, QIODevice &device) override;
};

/// One page as an enhanced metafile (see emfBytes()).
class EmfExporter final : public ReportExporter
{
public:
    QString nameFilter() const override;
    QString suffix() const override;

protected:
    bool writePages(std::span<const ReportPage> pages, QIODevice &device) override;
};

/**
 * All pages in one PDF, one landscape A4 sheet each, the page scaled to fill
 * the sheet at its own proportions and centred. Vector drawing; texts stay
 * text with their fonts embedded, so they can be selected and searched. The
 * outline, shown when the file opens, has one entry a page
 * ("第2页 各种工况下的荷载计算表"); the Title names the span, the Creator
 * the program and its version.
 */
class PdfExporter final : public ReportExporter
{
public:
    /// \a spanName: the span the pages are of, for the Title; empty when not known.
    explicit PdfExporter(QString spanName = {})
        : mSpanName(spanName.toStdString())
    {}

    QString nameFilter() const override;
    QString suffix() const override;
    bool holdsManyPages() const override { return true; }

protected:
    bool writePages(std::span<const ReportPage> pages, QIODevice &device) override;

private:
    std::string mSpanName;
};

/// One page as SVG, one user unit per page unit.
class SvgExporter final : public ReportExporter
{
public:
    QString nameFilter() const override;
    QString suffix() const override;

protected:
    bool writePages(std::span<const ReportPage> pages, QIODevice &device) override;
};

/// One page as a PNG image at a chosen resolution (see renderPageImage()).
class PngExporter final : public ReportExporter
{
public:
    /// @param dotsPerInch  minimumImageDpi..maximumImageDpi; 96 gives one pixel per page unit
    explicit PngExporter(double dotsPerInch = 96.0) : mDotsPerInch(dotsPerInch) {}

    QString nameFilter() const override;
    QString suffix() const override;

protected:
    bool writePages(std::span<const ReportPage> pages, QIODevice &device) override;

private:
    double mDotsPerInch;
};

} // namespace report
