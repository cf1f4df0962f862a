#include "common/gbkcodec.h"

#include <algorithm>
#include <cerrno>
#include <iconv.h>
#include <stdexcept>

namespace common {

namespace {

constexpr const char *fileCodePage = "GB18030";
constexpr const char *metafileCodePage = "GBK";

/**
 * Length of the well-formed UTF-8 sequence at the start of \a bytes, or 0
 * when it starts with no well-formed sequence (a stray byte, an overlong
 * form, a surrogate, a cut sequence).
 */
std::size_t wellFormedSequenceLength(std::string_view bytes)
{
    const auto byte = [&](std::size_t index) { return static_cast<unsigned char>(bytes[index]); };
    const unsigned char lead = byte(0);
    if (lead < 0x80)
        return 1;
    std::size_t length = 0;
    unsigned char secondLow = 0x80;
    unsigned char secondHigh = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0)
            secondLow = 0xA0;
        else if (lead == 0xED)
            secondHigh = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0)
            secondLow = 0x90;
        else if (lead == 0xF4)
            secondHigh = 0x8F;
    } else {
        return 0;
    }
    if (bytes.size() < length || byte(1) < secondLow || byte(1) > secondHigh)
        return 0;
    for (std::size_t index = 2; index < length; ++index) {
        if (byte(index) < 0x80 || byte(index) > 0xBF)
            return 0;
    }
    return length;
}

/// One iconv conversion descriptor, opened once per thread and direction: opening is far dearer than converting.
class Converter
{
public:
    Converter(const char *to, const char *from) : mHandle(iconv_open(to, from))
    {
        if (mHandle == reinterpret_cast<iconv_t>(-1))
            throw std::runtime_error(std::string("iconv cannot convert from ") + from + " to " + to);
    }
    ~Converter() { iconv_close(mHandle); }
    Converter(const Converter &) = delete;
    Converter &operator=(const Converter &) = delete;

    /**
     * Converts \a input. A sequence the conversion cannot take is either
     * replaced by \a replacement or, when \a replacement is empty, ends the
     * conversion with nothing. Replaced are a whole well-formed UTF-8
     * character the target lacks, otherwise one byte.
     */
    std::optional<std::string> convert(std::string_view input, std::string_view replacement)
    {
        // Back to the initial shift state, whatever the last call left.
        iconv(mHandle, nullptr, nullptr, nullptr, nullptr);
        std::string output;
        char *in = const_cast<char *>(input.data());
        std::size_t inLeft = input.size();
        char buffer[1024];
        while (inLeft > 0) {
            char *out = buffer;
            std::size_t outLeft = sizeof buffer;
            const std::size_t result = iconv(mHandle, &in, &inLeft, &out, &outLeft);
            output.append(buffer, out);
            if (result != static_cast<std::size_t>(-1) || errno == E2BIG)
                continue;
            if (replacement.empty())
                return std::nullopt;
            output.append(replacement);
            const std::size_t skip = std::max<std::size_t>(1, wellFormedSequenceLength({in, inLeft}));
            in += skip;
            inLeft -= skip;
            iconv(mHandle, nullptr, nullptr, nullptr, nullptr);
        }
        return output;
    }

private:
    iconv_t mHandle;
};

} // namespace

std::string encodeGbk(std::string_view utf8)
{
    thread_local Converter converter(fileCodePage, "UTF-8");
    return *converter.convert(utf8, "?");
}

std::optional<std::string> decodeGbk(std::string_view bytes)
{
    thread_local Converter converter("UTF-8", fileCodePage);
    return converter.convert(bytes, {});
}

bool isUtf8BeyondAscii(std::string_view bytes)
{
    bool beyondAscii = false;
    for (const char c : bytes)
        beyondAscii = beyondAscii || static_cast<unsigned char>(c) >= 0x80;
    thread_local Converter validator("UTF-8", "UTF-8");
    return beyondAscii && validator.convert(bytes, {}).has_value();
}

std::string encodeStrictGbk(std::string_view utf8)
{
    thread_local Converter converter(metafileCodePage, "UTF-8");
    return *converter.convert(utf8, "?");
}

} // namespace common
