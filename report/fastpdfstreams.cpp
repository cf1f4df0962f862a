#include "report/fastpdfstreams.h"

#include <zlib.h>

namespace {

thread_local int fastStreamHolders = 0;

} // namespace

namespace report {

FastPdfStreams::FastPdfStreams()
{
    ++fastStreamHolders;
}

FastPdfStreams::~FastPdfStreams()
{
    --fastStreamHolders;
}

} // namespace report

// Qt's PDF engine starts each stream with deflateInit(), which names no level
// but zlib's default and offers no setting for it. The program's own
// definition comes before zlib's in symbol lookup, so Qt's calls land here;
// it is zlib's deflateInit_() (deflateInit2_() with the window and memory
// zlib's defaults) with the level lowered for a FastPdfStreams thread.
extern "C" int deflateInit_(z_streamp stream, int level, const char *version, int streamSize)
{
    constexpr int defaultMemoryLevel = 8;
    if (fastStreamHolders > 0 && level == Z_DEFAULT_COMPRESSION)
        level = Z_BEST_SPEED;
    return deflateInit2_(stream, level, Z_DEFLATED, MAX_WBITS, defaultMemoryLevel, Z_DEFAULT_STRATEGY, version,
                         streamSize);
}
