#include "report/gbktext.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>

namespace report {

namespace {

/// An iconv conversion descriptor that is closed on every path.
class Converter
{
public:
    Converter() : mHandle(iconv_open("GBK", "UTF-8")) {}
    ~Converter()
    {
        if (valid()) {
            iconv_close(mHandle);
        }
    }
    Converter(const Converter &) = delete;
    Converter &operator=(const Converter &) = delete;

    bool valid() const { return mHandle != reinterpret_cast<iconv_t>(-1); }
    iconv_t handle() const { return mHandle; }

private:
    iconv_t mHandle;
};

/// Length of the UTF-8 sequence that starts with \a lead (1 for a stray byte).
int utf8SequenceLength(unsigned char lead)
{
    if (lead >= 0xF0) {
        return 4;
    }
    if (lead >= 0xE0) {
        return 3;
    }
    if (lead >= 0xC0) {
        return 2;
    }
    return 1;
}

} // namespace

QByteArray toGbk(const QString &text)
{
    QByteArray utf8 = text.toUtf8();
    // Opening a conversion is far dearer than converting a short text.
    thread_local Converter converter;
    if (!converter.valid()) {
        // Without GBK support only the ASCII part can be kept faithfully.
        QByteArray ascii;
        for (const QChar ch : text) {
            ascii.append(ch.unicode() < 0x80 ? static_cast<char>(ch.unicode()) : '?');
        }
        return ascii;
    }

    // Back to the initial shift state, whatever the last call left.
    iconv(converter.handle(), nullptr, nullptr, nullptr, nullptr);

    QByteArray result;
    // GBK never needs more bytes than UTF-8 for the same text.
    result.resize(utf8.size() + 1);
    char *in = utf8.data();
    std::size_t inLeft = static_cast<std::size_t>(utf8.size());
    char *out = result.data();
    std::size_t outLeft = static_cast<std::size_t>(result.size());
    while (inLeft > 0) {
        if (iconv(converter.handle(), &in, &inLeft, &out, &outLeft) != static_cast<std::size_t>(-1)) {
            break;
        }
        if (errno != EILSEQ && errno != EINVAL) {
            break;
        }
        const std::size_t skip =
            std::min(inLeft, static_cast<std::size_t>(utf8SequenceLength(static_cast<unsigned char>(*in))));
        in += skip;
        inLeft -= skip;
        if (outLeft > 0) {
            *out++ = '?';
            --outLeft;
        }
    }
    result.truncate(static_cast<qsizetype>(out - result.data()));
    return result;
}

} // namespace report
