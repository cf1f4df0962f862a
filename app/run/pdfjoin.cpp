#include "app/run/pdfjoin.h"

#include "common/filewriteerror.h"

#include <qpdf/Buffer.hh>
#include <qpdf/QPDFObjectHandle.hh>

#include <cerrno>
#include <cinttypes>
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

std::string reference(int number)
{
    return std::to_string(number) + " 0 R";
}

std::string text(const std::string &title)
{
    return Object::newUnicodeString(title).unparse();
}

// What a page may take from the page tree above it when it does not say itself.
constexpr const char *inheritedKeys[] = {"/Resources", "/MediaBox", "/CropBox", "/Rotate"};

} // namespace

PdfJoin::PdfJoin(std::FILE *stream, std::filesystem::path file)
    : mStream(stream)
    , mFile(std::move(file))
{
    // The binary comment tells transfer programs the file is not text.
    write("%PDF-1.4\n%\xE2\xE3\xCF\xD3\n");
    mCatalog = reserveObject();
    mPageTree = reserveObject();
}

PdfJoin::~PdfJoin()
{
    if (mStream != nullptr)
        std::fclose(mStream);
}

int PdfJoin::reserveObject()
{
    mOffsets.push_back(0);
    return static_cast<int>(mOffsets.size() - 1);
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
        known->second = reserveObject();
        mQueue.emplace_back(object, known->second);
    }
    return known->second;
}

std::string PdfJoin::unparsed(std::size_t sourceIndex, Object object, bool itself)
{
    if (!itself && object.isIndirect())
        return reference(numberOf(sourceIndex, object));
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

void PdfJoin::beginObject(int number)
{
    mOffsets.at(static_cast<std::size_t>(number)) = mOffset;
    write(std::to_string(number) + " 0 obj\n");
}

void PdfJoin::endObject()
{
    write("\nendobj\n");
}

void PdfJoin::writeCopied(std::size_t sourceIndex, Object object, int number)
{
    beginObject(number);
    if (object.isStream()) {
        // Raw: the filters stay as they were, and the length is that of the bytes copied.
        const std::shared_ptr<Buffer> data = object.getRawStreamData();
        Object dictionary = object.getDict().shallowCopy();
        dictionary.replaceKey("/Length", Object::newInteger(static_cast<long long>(data->getSize())));
        write(unparsed(sourceIndex, dictionary) + "\nstream\n");
        write(data->getBuffer(), data->getSize());
        write("\nendstream");
    } else {
        write(unparsed(sourceIndex, object, true));
    }
    endObject();
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
    const int number = reserveObject();
    if (mNumbers.size() <= sourceIndex)
        mNumbers.resize(sourceIndex + 1);
    mNumbers[sourceIndex][objectKey(page.getObjGen())] = number;
    std::string dictionary = unparsed(sourceIndex, copy);
    dictionary.insert(dictionary.size() - 2, "/Parent " + reference(mPageTree) + " ");
    beginObject(number);
    write(dictionary);
    endObject();
    while (!mQueue.empty()) {
        const auto [object, queued] = mQueue.back();
        mQueue.pop_back();
        writeCopied(sourceIndex, object, queued);
    }
    mPages.push_back(number);
    return mPages.size() - 1;
}

void PdfJoin::writeOutline(const std::vector<report::OutlineEntry> &entries, int parent)
{
    std::vector<int> numbers;
    for (std::size_t i = 0; i < entries.size(); ++i)
        numbers.push_back(reserveObject());
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const report::OutlineEntry &entry = entries[i];
        std::string children;
        if (!entry.children.empty()) {
            const int first = static_cast<int>(mOffsets.size());
            writeOutline(entry.children, numbers[i]);
            const int last = first + static_cast<int>(entry.children.size()) - 1;
            // A negative count keeps the entry closed, so that a long batch opens as its list of spans.
            children = " /First " + reference(first) + " /Last " + reference(last) + " /Count -"
                + std::to_string(entry.children.size());
        }
        beginObject(numbers[i]);
        write("<< /Title " + text(entry.title) + " /Parent " + reference(parent) + " /Dest [ "
              + reference(mPages.at(entry.page)) + " /Fit ]" + children);
        if (i > 0)
            write(" /Prev " + reference(numbers[i - 1]));
        if (i + 1 < entries.size())
            write(" /Next " + reference(numbers[i + 1]));
        write(" >>");
        endObject();
    }
}

void PdfJoin::finish(const std::vector<report::OutlineEntry> &outline, const std::string &title)
{
    beginObject(mPageTree);
    write("<< /Type /Pages /Count " + std::to_string(mPages.size()) + " /Kids [");
    for (const int page : mPages)
        write(" " + reference(page));
    write(" ] >>");
    endObject();

    const int outlines = reserveObject();
    const int first = static_cast<int>(mOffsets.size());
    writeOutline(outline, outlines);
    beginObject(outlines);
    write("<< /Type /Outlines");
    if (!outline.empty())
        write(" /First " + reference(first) + " /Last " + reference(first + static_cast<int>(outline.size()) - 1)
              + " /Count " + std::to_string(outline.size()));
    write(" >>");
    endObject();

    const int information = reserveObject();
    beginObject(information);
    write("<< /Title " + text(title) + " /Creator " + text(report::pdfCreator()) + " /Producer "
          + text(report::pdfCreator()) + " >>");
    endObject();

    beginObject(mCatalog);
    write("<< /Type /Catalog /Pages " + reference(mPageTree) + " /Outlines " + reference(outlines)
          + " /PageMode /UseOutlines >>");
    endObject();

    const std::uint64_t crossReference = mOffset;
    write("xref\n0 " + std::to_string(mOffsets.size()) + "\n0000000000 65535 f \n");
    char line[32];
    for (std::size_t number = 1; number < mOffsets.size(); ++number) {
        std::snprintf(line, sizeof line, "%010" PRIu64 " 00000 n \n", mOffsets[number]);
        write(line);
    }
    write("trailer\n<< /Size " + std::to_string(mOffsets.size()) + " /Root " + reference(mCatalog) + " /Info "
          + reference(information) + " >>\nstartxref\n" + std::to_string(crossReference) + "\n%%EOF\n");
    std::FILE *stream = std::exchange(mStream, nullptr);
    const bool flushed = std::fflush(stream) == 0 && !mFailed;
    const int cause = errno;
    if (std::fclose(stream) != 0 || !flushed)
        throw common::FileWriteError(mFile, cause != 0 ? cause : EIO);
}

void PdfJoin::write(const std::string &text)
{
    write(reinterpret_cast<const unsigned char *>(text.data()), text.size());
}

void PdfJoin::write(const unsigned char *bytes, std::size_t size)
{
    if (mFailed)
        return;
    if (std::fwrite(bytes, 1, size, mStream) != size) {
        mFailed = true;
        throw common::FileWriteError(mFile, errno != 0 ? errno : EIO);
    }
    mOffset += size;
}

} // namespace app
