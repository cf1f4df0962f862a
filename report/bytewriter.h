#pragma once

#include <QByteArray>

#include <cstdint>

namespace report {

/// Appends little-endian binary fields to a byte array, as metafiles store them.
class ByteWriter
{
public:
    qsizetype size() const { return mBytes.size(); }
    const QByteArray &bytes() const { return mBytes; }

    /// Makes room for \a bytes in all, so that a page is written without reallocations.
    void reserve(qsizetype bytes) { mBytes.reserve(bytes); }

    void u8(std::uint8_t value) { mBytes.append(static_cast<char>(value)); }
    void u16(std::uint16_t value)
    {
        const char bytes[2] = {static_cast<char>(value), static_cast<char>(value >> 8)};
        mBytes.append(bytes, 2);
    }
    void i16(std::int16_t value) { u16(static_cast<std::uint16_t>(value)); }
    void u32(std::uint32_t value)
    {
        const char bytes[4] = {static_cast<char>(value), static_cast<char>(value >> 8),
                               static_cast<char>(value >> 16), static_cast<char>(value >> 24)};
        mBytes.append(bytes, 4);
    }
    void i32(std::int32_t value) { u32(static_cast<std::uint32_t>(value)); }
    void raw(const QByteArray &bytes) { mBytes.append(bytes); }
    void zeros(qsizetype count) { mBytes.append(count, '\0'); }

    /// Overwrites four bytes at \a offset, for sizes known only at the end.
    void patchU32(qsizetype offset, std::uint32_t value)
    {
        for (int i = 0; i < 4; ++i) {
            mBytes[offset + i] = static_cast<char>(value >> (8 * i));
        }
    }
    void patchU16(qsizetype offset, std::uint16_t value)
    {
        mBytes[offset] = static_cast<char>(value);
        mBytes[offset + 1] = static_cast<char>(value >> 8);
    }

private:
    QByteArray mBytes;
};

} // namespace report
