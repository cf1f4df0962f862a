#include "app/gbkcodec.h"

#include <cerrno>
#include <iconv.h>
#include <stdexcept>

namespace app {

namespace {

constexpr const char *fileCodePage = "GB18030";

/// One iconv conversion descriptor for the length of one call.
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
     * Converts \a input. An invalid or incomplete sequence is either
     * replaced by \a replacement (one byte skipped) or, when \a replacement
     * is empty, ends the conversion with nothing.
     */
    std::optional<std::string> convert(std::string_view input, std::string_view replacement)
    {
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
            ++in;
            --inLeft;
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
    return *Converter(fileCodePage, "UTF-8").convert(utf8, "?");
}

std::optional<std::string> decodeGbk(std::string_view bytes)
{
    return Converter("UTF-8", fileCodePage).convert(bytes, {});
}

bool isUtf8BeyondAscii(std::string_view bytes)
{
    bool beyondAscii = false;
    for (const char c : bytes)
        beyondAscii = beyondAscii || static_cast<unsigned char>(c) >= 0x80;
    return beyondAscii && Converter("UTF-8", "UTF-8").convert(bytes, {}).has_value();
}

} // namespace app
