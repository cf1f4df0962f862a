#pragma once

#include "app/model/spanfile.h"

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace app {

/// The main window's caption as it has always read; a span file's name follows it.
inline constexpr const char *programCaption = "Tenrix--软导线实用力学计算";

/**
 * The span the main window holds, apart from its inputs: the file it was
 * opened from or saved to, whether the inputs changed since, and the
 * document read from that file, whose unknown keys are written back.
 *
 * "Changed" compares the span as it would be written with the span as it
 * was opened or saved, so typing a text and typing it back leaves the span
 * unchanged; markChanged() also counts a change that leaves the texts as
 * they were (a confirmed options dialog).
 */
class SpanDocument
{
public:
    /// A span without a file whose inputs as they are now count as unchanged.
    explicit SpanDocument(const SpanFile &current);

    /// The span file, empty before one was opened or saved.
    const std::filesystem::path &file() const { return mFile; }
    bool hasFile() const { return !mFile.empty(); }

    /// The document to write the inputs into; its unknown keys are kept.
    const nlohmann::ordered_json &keptDocument() const { return mDocument; }

    bool isChanged(const SpanFile &current) const;
    void markChanged() { mMarked = true; }

    /// 新建: no file, no kept keys, the inputs as they are now unchanged.
    void startUntitled(const SpanFile &current);
    /// The span was opened from or saved to \a file as \a current.
    void setSaved(const std::filesystem::path &file, const SpanFile &current);

    /**
     * "Tenrix--软导线实用力学计算 - 站1.tenrix", with "*" after the name while
     * there are unsaved changes. Without a file the caption is the program's
     * alone, as it has always been.
     */
    std::string caption(const SpanFile &current) const;

    /// "保存对 站1.tenrix 的修改吗?"; "未命名跨线" stands for a span without a file.
    std::string saveQuestion() const;

private:
    std::filesystem::path mFile;
    nlohmann::ordered_json mDocument = nlohmann::ordered_json::object();
    std::string mSavedText;
    bool mMarked = false;
};

/**
 * The recently opened span files, newest first, at most maxCount, each
 * once. Kept in the user's settings by the window.
 */
class RecentFiles
{
public:
    static constexpr std::size_t maxCount = 8;

    explicit RecentFiles(const std::vector<std::string> &files = {});

    const std::vector<std::string> &files() const { return mFiles; }

    /// \a file becomes the newest entry; the oldest falls off beyond maxCount.
    void add(const std::string &file);
    void remove(const std::string &file);

    /// Removes the files for which \a exists says false and returns them.
    std::vector<std::string> removeMissing(const std::function<bool(const std::string &)> &exists);

private:
    std::vector<std::string> mFiles;
};

/// The note on recent files that no longer exist, empty when there are none.
std::string missingRecentFilesNote(const std::vector<std::string> &removed);

} // namespace app
