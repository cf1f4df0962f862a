#pragma once

#include "engine/numberformatting.h"

#include <nlohmann/json.hpp>

#include <cstdint>
#include <string>
#include <vector>

namespace cli {

/**
 * How a value becomes JSON in the program's files: as nlohmann writes it,
 * except that a float is written as the shortest decimal that reads back as
 * that float (70.1, not the 70.09999847412109 of its widened binary value)
 * and no number is written as -0. Every float reaches a file through here,
 * so no writer has to remember to convert it.
 */
template <typename T, typename = void> struct JsonWriting : nlohmann::adl_serializer<T>
{
};

template <> struct JsonWriting<float>
{
    template <typename BasicJson> static void to_json(BasicJson &json, float value)
    {
        nlohmann::to_json(json, engine::shortestDouble(value));
    }
};

template <> struct JsonWriting<double>
{
    template <typename BasicJson> static void to_json(BasicJson &json, double value)
    {
        nlohmann::to_json(json, value == 0 ? 0.0 : value);
    }
};

/// A JSON document with its keys in the order written and numbers written by JsonWriting.
using Json = nlohmann::basic_json<nlohmann::ordered_map, std::vector, std::string, bool, std::int64_t, std::uint64_t,
                                  double, std::allocator, JsonWriting>;

} // namespace cli
