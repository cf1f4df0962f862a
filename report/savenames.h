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
 * Writes every page as a placeable Windows metafile under the names of
 * saveAllFileNames(). Stops at the first failure and returns false with the
 * reason in \a errorMessage (which may be null); pages written before stay.
 */
bool saveAllPages(std::span<const ReportPage> pages, const QString &chosenFileName, QString *errorMessage);

} // namespace report
