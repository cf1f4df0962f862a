#include "app/run/pdfjoin.h"

#include "common/filewriteerror.h"
#include "report/pdfsyntax.h"

#include <qpdf/Buffer.hh>
#include <qpdf/QPDFObjectHandle.hh>

#include <cerrno>
#include <memory>
#include <stdexcept>

namespace app {

namespace {

using Object = QPDFObjectHandle;

/// One key for an object of a source: its number and its generation.
std::uint64_t objectKey(QPDFObjGen object)
{
    return (std::uint64_t(std::uint32_t(object.getObj())) << 32) | std::uint32_t(object.getGen());
}

using report::pdfReference;

// What a page may take from the page tree above it when it does not say itself.
constexpr const char *inheritedKeys[] = {"/Resources", "/MediaBox", "/CropBox", "/Rotate"};

} // namespace

PdfJoin::PdfJoin(std::FILE *stream, std::filesystem::path file)
    : mStream(stream)
    , mFile(std::move(file))
    , mObjects([this](std::string_view bytes) { return put(bytes); })
{
    mCatalog = mObjects.reserve();
    mPageTree = mObjects.reserve();
}

PdfJoin::~PdfJoin()
{
    if (mStream != nullptr)
        std::fclose(mStream);
}

void PdfJoin::forgetSource(std::size_t sourceIndex)
{
    if (sourceIndex < mNumbers.size())
        std::unordered_map<std::uint64_t, int>().swap(mNumbers[sourceIndex]);
}

int PdfJoin::numberOf(std::size_t sourceIndex, Object object)
{
    if (mNumbers.size() <= sourceIndex)
        mNumbers.resize(sourceIndex + 1);
    const auto [known, isNew] = mNumbers[sourceIndex].try_emplace(objectKey(object.getObjGen()), 0);
    if (isNew) {
        known->second = mObjects.reserve();
        mQueue.emplace_back(object, known->second);
    }
    return known->second;
}

std::string PdfJoin::unparsed(std::size_t sourceIndex, Object object, bool itself)
{
    if (!itself && object.isIndirect())
        return pdfReference(numberOf(sourceIndex, object));
    if (object.isArray()) {
        std::string result = "[";
        for (Object item : object.aitems())
            result += " " + unparsed(sourceIndex, item);
        return result + " ]";
    }
    if (object.isDictionary()) {
        std::string result = "<<";
        for (auto [key, value] : object.ditems()) {
            if (!value.isNull())
                result += " " + Object::newName(key).unparse() + " " + unparsed(sourceIndex, value);
        }
        return result + " >>";
    }
    if (object.isStream())
        throw std::runtime_error("PDF中的数据流不是间接对象");
    return object.unparse();
}

void PdfJoin::writeCopied(std::size_t sourceIndex, Object object, int number)
{
    mObjects.beginObject(number);
    if (object.isStream()) {
        // Raw: the filters stay as they were, and the length is that of the bytes copied.
        const std::shared_ptr<Buffer> data = object.getRawStreamData();
        Object dictionary = object.getDict().shallowCopy();
        dictionary.replaceKey("/Length", Object::newInteger(static_cast<long long>(data->getSize())));
        mObjects.write(unparsed(sourceIndex, dictionary) + "\nstream\n");
        mObjects.write(std::string_view(reinterpret_cast<const char *>(data->getBuffer()), data->getSize()));
        mObjects.write("\nendstream");
    } else {
        mObjects.write(unparsed(sourceIndex, object, true));
    }
    mObjects.endObject();
}

std::size_t PdfJoin::addPage(std::size_t sourceIndex, Object page)
{
    Object copy = page.shallowCopy();
    for (const char *key : inheritedKeys) {
        for (Object above = page.getKey("/Parent"); !copy.hasKey(key) && above.isDictionary();
             above = above.getKey("/Parent")) {
            if (above.hasKey(key))
                copy.replaceKey(key, above.getKey(key));
        }
    }
    copy.removeKey("/Parent");
    // Known before its objects are copied: an annotation may point back at its page.
    const int number = mObjects.reserve();
    if (mNumbers.size() <= sourceIndex)
        mNumbers.resize(sourceIndex + 1);
    mNumbers[sourceIndex][objectKey(page.getObjGen())] = number;
    std::string dictionary = unparsed(sourceIndex, copy);
    dictionary.insert(dictionary.size() - 2, "/Parent " + pdfReference(mPageTree) + " ");
    mObjects.writeObject(number, dictionary);
    while (!mQueue.empty()) {
        const auto [object, queued] = mQueue.back();
        mQueue.pop_back();
        writeCopied(sourceIndex, object, queued);
    }
    mPages.push_back(number);
    return mPages.size() - 1;
}

std::vector<int> PdfJoin::writeOutline(const std::vector<report::OutlineEntry> &entries, int parent)
{
    std::vector<int> numbers;
    for (std::size_t i = 0; i < entries.size(); ++i)
        numbers.push_back(mObjects.reserve());
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const report::OutlineEntry &entry = entries[i];
        std::string body = "<< /Title " + report::pdfTextString(QString::fromStdString(entry.title)) + " /Parent "
            + pdfReference(parent) + " /Dest [ " + pdfReference(mPages.at(entry.page)) + " /Fit ]";
        if (!entry.children.empty()) {
            const std::vector<int> children = writeOutline(entry.children, numbers[i]);
            // A negative count keeps the entry closed, so that a long batch opens as its list of spans.
            body += " /First " + pdfReference(children.front()) + " /Last " + pdfReference(children.back())
                + " /Count -" + std::to_string(children.size());
        }
        if (i > 0)
            body += " /Prev " + pdfReference(numbers[i - 1]);
        if (i + 1 < entries.size())
            body += " /Next " + pdfReference(numbers[i + 1]);
        mObjects.writeObject(numbers[i], body + " >>");
    }
    return numbers;
}

void PdfJoin::finish(const std::vector<report::OutlineEntry> &outline, const std::string &title)
{
    std::string kids;
    for (const int page : mPages)
        kids += " " + pdfReference(page);
    mObjects.writeObject(mPageTree,
                         "<< /Type /Pages /Count " + std::to_string(mPages.size()) + " /Kids [" + kids + " ] >>");

    const int outlines = mObjects.reserve();
    const std::vector<int> entries = writeOutline(outline, outlines);
    std::string outlineBody = "<< /Type /Outlines";
    if (!entries.empty())
        outlineBody += " /First " + pdfReference(entries.front()) + " /Last " + pdfReference(entries.back())
            + " /Count " + std::to_string(entries.size());
    mObjects.writeObject(outlines, outlineBody + " >>");

    const int information = mObjects.reserve();
    mObjects.writeObject(information, report::pdfInformation(title));
    mObjects.writeObject(mCatalog,
                         "<< /Type /Catalog /Pages " + pdfReference(mPageTree) + " /Outlines " + pdfReference(outlines)
                             + " /PageMode /UseOutlines >>");
    mObjects.finish(mCatalog, information);

    std::FILE *stream = std::exchange(mStream, nullptr);
    const bool flushed = std::fflush(stream) == 0;
    const int cause = errno;
    if (std::fclose(stream) != 0 || !flushed)
        throw common::FileWriteError(mFile, cause != 0 ? cause : EIO);
}

bool PdfJoin::put(std::string_view bytes)
{
    if (std::fwrite(bytes.data(), 1, bytes.size(), mStream) != bytes.size())
        throw common::FileWriteError(mFile, errno != 0 ? errno : EIO);
    return true;
}

} // namespace app
