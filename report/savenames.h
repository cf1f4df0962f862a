#pragma once

#include <QString>
#include <QStringList>

#include <span>

namespace report {

class ReportPage;

/**
 * File names for saving every page under one chosen name: the name without
 * its extension, then "_NO_" and the two-digit page number, then ".wmf";
 * report.wmf gives report_NO_01.wmf … report_NO_17.wmf.
 *
 * The removed extension is the last four characters when they are a dot and
 * three more ("b.WMF", "b.emf"), as the save dialog adds them. A name without
 * such an extension is kept whole ("/tmp/report" → "/tmp/report_NO_01.wmf"),
 * so the pages never land in another folder.
 *
 * @param pageCount  number of names, pages 1..pageCount (the report has 17)
 */
QStringList saveAllFileNames(const QString &chosenFileName, int pageCount = 17);

/**
 * The file name, without extension, that the save dialogs suggest for the
 * report of the span \a spanName: the span name with every character that a
 * file name cannot hold on Linux or Windows (/ \\ : * ? " < > | and control
 * characters) replaced by "_", without surrounding blanks and trailing dots,
 * and cut to at most maxSpanFileNameBytes bytes of UTF-8 so that the page
 * names of "全部保存" still fit a file system's 255 bytes. "计算书" when
 * nothing is left.
 */
QString fileNameForSpan(const QString &spanName);

/// Longest fileNameForSpan() in UTF-8 bytes: 255 less room for "_NO_17.wmf" and more.
inline constexpr qsizetype maxSpanFileNameBytes = 200;

/**
 * Writes every page as a placeable Windows metafile under the names of
 * saveAllFileNames(), all or none (see writePageFiles()). Returns false with
 * the reason in \a errorMessage (which may be null).
 */
bool saveAllPages(std::span<const ReportPage> pages, const QString &chosenFileName, QString *errorMessage);

} // namespace report
