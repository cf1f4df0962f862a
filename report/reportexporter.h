#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>
#include <span>

class QIODevice;

namespace common {
class FileSetReplacement;
}

namespace report {

class ReportPage;

/**
 * A file format report pages can be saved in. Every format writes through
 * common::FileSetReplacement: a temporary file in the target's folder
 * replaces an existing file only once it is complete, so a failed save never
 * leaves a half-written page, and a device named as target is written into.
 */
class ReportExporter
{
public:
    virtual ~ReportExporter() = default;

    /// Filter line of a save dialog, e.g. "Windows 图元文件 (*.wmf)".
    virtual QString nameFilter() const = 0;
    /// Usual file name suffix, without the dot.
    virtual QString suffix() const = 0;
    /// True when one file holds any number of pages; else exactly one.
    virtual bool holdsManyPages() const { return false; }

    /**
     * Writes \a pages to \a fileName. Returns false and leaves the reason in
     * errorString() (Chinese, for the user) when there is nothing to write,
     * when a single-page format gets several pages, or when the file cannot
     * be written; an existing file is then left as it was.
     */
    bool write(std::span<const ReportPage> pages, const QString &fileName);
    bool write(const ReportPage &page, const QString &fileName);

    /**
     * The bytes write() would put into \a fileName, or nothing, with the
     * reason in errorString(), for the cases write() refuses before writing.
     */
    std::optional<QByteArray> fileContents(std::span<const ReportPage> pages, const QString &fileName);

    /// Why the last write() failed; empty after a success.
    QString errorString() const { return mErrorString; }

protected:
    /**
     * Writes the pages onto the open \a device. On failure returns false,
     * having set the reason with setErrorString() when the format knows it;
     * write() adds the file name.
     */
    virtual bool writePages(std::span<const ReportPage> pages, QIODevice &device) = 0;
    void setErrorString(const QString &message) { mErrorString = message; }

private:
    QString mErrorString;
};

/**
 * Stages page i of \a pages as \a fileNames[i] among \a files, which the
 * caller commits with the other outputs of its command. Returns false with
 * the reason in \a errorMessage (which may be null) when a page cannot be
 * made or staged.
 */
bool stagePageFiles(ReportExporter &exporter, std::span<const ReportPage> pages, const QStringList &fileNames,
                    common::FileSetReplacement &files, QString *errorMessage);

/**
 * Writes page i of \a pages to \a fileNames[i], all or none: every page goes
 * to a temporary file first, and the files are replaced only when all were
 * written. Returns false with the reason in \a errorMessage (which may be
 * null); the old files are then as they were and no temporary file is left.
 */
bool writePageFiles(ReportExporter &exporter, std::span<const ReportPage> pages, const QStringList &fileNames,
                    QString *errorMessage);

/**
 * The exporter for \a fileName by its suffix, compared in lower case: "wmf"
 * placeable Windows metafile, "pdf", "svg", "png" (96 dpi); any other name,
 * "emf" included, an enhanced metafile, as a picture saved under a name that
 * is not ".wmf" always was.
 */
std::unique_ptr<ReportExporter> exporterForFileName(const QString &fileName);

} // namespace report
