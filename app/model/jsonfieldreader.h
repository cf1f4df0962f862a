#pragma once

#include <nlohmann/json.hpp>

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace app {

/// A span file that cannot be read correctly; what() is the message to show.
class SpanFileError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

/// The keys leading from the top of a document to one value.
using KeyPath = std::vector<std::string>;

/// "loads.PA.length_m": how a key is named in messages and notes.
std::string joinKeyPath(const KeyPath &path);

/**
 * Takes typed values out of a parsed span file. A value of the wrong type
 * refuses the whole file with a message naming the file and the key; a
 * missing value is no refusal: the caller keeps its default and the key is
 * listed in missingKeys(), a whole missing section once under its own name.
 */
class JsonFieldReader
{
public:
    JsonFieldReader(const nlohmann::ordered_json &document, std::string fileName);

    /// A JSON string; one holding a control character (hasControlCharacter()) is refused.
    std::optional<std::string> text(const KeyPath &path);
    std::optional<bool> flag(const KeyPath &path);
    /// A JSON integer that fits 32 bits; 40.0 is refused, as is 1e10.
    std::optional<int> wholeNumber(const KeyPath &path);
    /// A list of exactly \a count such integers.
    std::optional<std::vector<int>> wholeNumbers(const KeyPath &path, std::size_t count);
    /// Any finite JSON number that a float holds.
    std::optional<float> singleNumber(const KeyPath &path);

    /// Whether the document holds a value at \a path; a missing one is not noted.
    bool has(const KeyPath &path) const;

    /// Refuses the file: "跨线文件 F 中 "key" 的值<what>".
    [[noreturn]] void refuse(const KeyPath &path, const std::string &what) const;

    const std::vector<std::string> &missingKeys() const { return mMissingKeys; }
    const std::string &fileName() const { return mFileName; }

private:
    /// The value at \a path, or nothing (and the key noted) when it is missing.
    const nlohmann::ordered_json *find(const KeyPath &path);
    void noteMissing(const std::string &key);
    /// \a value as a 32-bit integer; refuses with \a what otherwise.
    int toWholeNumber(const nlohmann::ordered_json &value, const KeyPath &path, const std::string &what) const;

    const nlohmann::ordered_json &mDocument;
    std::string mFileName;
    std::vector<std::string> mMissingKeys;
};

} // namespace app
