#pragma once

#include <QByteArray>

#include <cstdint>
#include <vector>

/// Little-endian reads from a byte array, as a metafile reader does.
inline std::uint16_t u16At(const QByteArray &bytes, qsizetype offset)
{
    return static_cast<std::uint16_t>(static_cast<unsigned char>(bytes[offset])
                                      | static_cast<unsigned char>(bytes[offset + 1]) << 8);
}

inline std::uint32_t u32At(const QByteArray &bytes, qsizetype offset)
{
    return u16At(bytes, offset) | static_cast<std::uint32_t>(u16At(bytes, offset + 2)) << 16;
}

inline std::int32_t i32At(const QByteArray &bytes, qsizetype offset)
{
    return static_cast<std::int32_t>(u32At(bytes, offset));
}

inline std::int16_t i16At(const QByteArray &bytes, qsizetype offset)
{
    return static_cast<std::int16_t>(u16At(bytes, offset));
}

struct MetafileRecord
{
    qsizetype offset;
    qsizetype bytes;
    std::uint32_t type;
};
