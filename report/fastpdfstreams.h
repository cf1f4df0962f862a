#pragma once

namespace report {

/**
 * While one lives on a thread, the streams Qt's PDF engine deflates there
 * (page contents, embedded fonts) take zlib's fastest level instead of its
 * default: a page's stream is a few hundred kB of drawing operators, which
 * the default level spends a fifth of a batch's time on for a fifth less
 * size. What the streams hold is the same; only their compressed bytes differ.
 * Other deflating (the workbook, qpdf) and other threads are left as they are.
 */
class FastPdfStreams
{
public:
    FastPdfStreams();
    ~FastPdfStreams();
    FastPdfStreams(const FastPdfStreams &) = delete;
    FastPdfStreams &operator=(const FastPdfStreams &) = delete;
};

} // namespace report
