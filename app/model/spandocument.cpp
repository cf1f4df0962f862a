#include "app/model/spandocument.h"

#include <algorithm>

namespace app {

namespace {

/// The span as it would be written; the kept document is the document's own.
std::string writtenText(const SpanFile &current, const nlohmann::ordered_json &document)
{
    SpanFile span = current;
    span.document = document;
    return spanFileText(span);
}

} // namespace

SpanDocument::SpanDocument(const SpanFile &current)
{
    startUntitled(current);
}

bool SpanDocument::isChanged(const SpanFile &current) const
{
    return mMarked || writtenText(current, mDocument) != mSavedText;
}

void SpanDocument::startUntitled(const SpanFile &current)
{
    mFile.clear();
    mDocument = nlohmann::ordered_json::object();
    mSavedText = writtenText(current, mDocument);
    mMarked = false;
}

void SpanDocument::setSaved(const std::filesystem::path &file, const SpanFile &current)
{
    mFile = file;
    mDocument = current.document;
    mSavedText = writtenText(current, mDocument);
    mMarked = false;
}

std::string SpanDocument::caption(const SpanFile &current) const
{
    if (!hasFile())
        return programCaption;
    return std::string(programCaption) + " - " + mFile.filename().string() + (isChanged(current) ? "*" : "");
}

std::string SpanDocument::saveQuestion() const
{
    return "保存对 " + (hasFile() ? mFile.filename().string() : std::string("未命名跨线")) + " 的修改吗?";
}

RecentFiles::RecentFiles(const std::vector<std::string> &files)
{
    // Oldest first, so that each add() puts the newer one in front.
    for (auto file = files.rbegin(); file != files.rend(); ++file)
        add(*file);
}

void RecentFiles::add(const std::string &file)
{
    if (file.empty())
        return;
    remove(file);
    mFiles.insert(mFiles.begin(), file);
    if (mFiles.size() > maxCount)
        mFiles.resize(maxCount);
}

void RecentFiles::remove(const std::string &file)
{
    mFiles.erase(std::remove(mFiles.begin(), mFiles.end(), file), mFiles.end());
}

std::vector<std::string> RecentFiles::removeMissing(const std::function<bool(const std::string &)> &exists)
{
    std::vector<std::string> missing;
    for (const std::string &file : mFiles) {
        if (!exists(file))
            missing.push_back(file);
    }
    for (const std::string &file : missing)
        remove(file);
    return missing;
}

std::string missingRecentFilesNote(const std::vector<std::string> &removed)
{
    if (removed.empty())
        return {};
    std::string note = "以下最近打开的文件已不存在,已从列表中删除: ";
    for (std::size_t i = 0; i < removed.size(); ++i)
        note += (i ? ", " : "") + removed[i];
    return note + ".";
}

} // namespace app
