#include "app/model/conductorlibrary.h"

#include "app/model/jsontext.h"
#include "common/filewriteerror.h"
#include "common/replacefile.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <system_error>

namespace app {

using Json = nlohmann::ordered_json;

namespace {

const char *const typeKey = "type";

/// The key of each figure, in the order of ConductorFigure; the same names as in span files.
constexpr std::array<const char *, conductorFigureCount> figureKeys{
    "diameter_mm", "expansionCoefficient_1e-6_per_degC", "elasticModulus_N_mm2", "area_mm2", "unitWeight_kg_m"};

[[noreturn]] void refuse(const std::string &fileName, const std::string &what)
{
    throw ConductorLibraryError("导线库文件 " + fileName + " 中" + what + ",未读入.");
}

std::string conductorPlace(std::size_t index)
{
    return "第 " + std::to_string(index + 1) + " 个导线";
}

/// The JSON string at \a key of \a entry; refuses a missing key and any other type.
std::string textAt(const Json &entry, const char *key, const std::string &place, const std::string &fileName)
{
    const auto found = entry.find(key);
    if (found == entry.end())
        refuse(fileName, place + "缺少 \"" + key + "\"");
    if (!found->is_string())
        refuse(fileName, place + "的 \"" + key + "\" 应为文字(用引号括起)");
    return found->get<std::string>();
}

CustomConductor readConductor(const Json &entry, std::size_t index, const std::string &fileName)
{
    const std::string place = conductorPlace(index);
    if (!entry.is_object())
        refuse(fileName, place + "应为一个对象 {...}");
    for (auto item = entry.begin(); item != entry.end(); ++item) {
        const std::string &key = item.key();
        const bool known = key == typeKey
                           || std::find(figureKeys.begin(), figureKeys.end(), key) != figureKeys.end();
        if (!known)
            refuse(fileName, place + "有本程序不认识的 \"" + printableKey(key) + "\"");
    }
    CustomConductor conductor;
    conductor.designation = textAt(entry, typeKey, place, fileName);
    for (int figure = 0; figure < conductorFigureCount; ++figure)
        figureText(conductor, static_cast<ConductorFigure>(figure)) =
            textAt(entry, figureKeys[static_cast<std::size_t>(figure)], place, fileName);
    if (const std::string fault = customConductorFault(conductor); !fault.empty())
        refuse(fileName, place + "的" + fault);
    return conductor;
}

} // namespace

std::string conductorLibraryText(const ConductorLibrary &library)
{
    Json document = Json::object();
    document["format"] = conductorLibraryFormat;
    document["version"] = conductorLibraryVersion;
    Json conductors = Json::array();
    for (const CustomConductor &conductor : library) {
        Json entry = Json::object();
        entry[typeKey] = conductor.designation;
        for (int figure = 0; figure < conductorFigureCount; ++figure)
            entry[figureKeys[static_cast<std::size_t>(figure)]] =
                figureText(conductor, static_cast<ConductorFigure>(figure));
        conductors.push_back(std::move(entry));
    }
    document["conductors"] = std::move(conductors);
    return document.dump(2) + "\n";
}

ConductorLibrary parseConductorLibrary(std::string_view text, const std::string &fileName)
{
    Json document;
    try {
        document = parseJsonText(text);
    } catch (const JsonTextError &error) {
        refuse(fileName, error.fault().describe());
    }
    if (!document.is_object())
        refuse(fileName, "最外层应为一个对象 {...}");
    for (auto item = document.begin(); item != document.end(); ++item) {
        const std::string &key = item.key();
        if (key != "format" && key != "version" && key != "conductors")
            refuse(fileName, "有本程序不认识的 \"" + printableKey(key) + "\"");
    }
    const auto format = document.find("format");
    if (format == document.end() || !format->is_string() || format->get<std::string>() != conductorLibraryFormat)
        refuse(fileName, "\"format\" 应为 \"" + std::string(conductorLibraryFormat) + "\",它不是导线库文件");
    const auto version = document.find("version");
    if (version == document.end() || !version->is_number_integer())
        refuse(fileName, "\"version\" 应为整数");
    if (version->get<std::int64_t>() != conductorLibraryVersion)
        refuse(fileName, "\"version\" 为 " + version->dump() + ",本程序只能读版本 "
                             + std::to_string(conductorLibraryVersion));
    const auto conductors = document.find("conductors");
    if (conductors == document.end() || !conductors->is_array())
        refuse(fileName, "\"conductors\" 应为一个列表 [...]");

    ConductorLibrary library;
    for (std::size_t index = 0; index < conductors->size(); ++index) {
        CustomConductor conductor = readConductor((*conductors)[index], index, fileName);
        if (findConductor(library, conductor.designation) != nullptr)
            refuse(fileName, conductorPlace(index) + "的型号 \"" + conductor.designation + "\" 与前面的导线重复");
        library.push_back(std::move(conductor));
    }
    return library;
}

ConductorLibrary readConductorLibrary(const std::filesystem::path &path)
{
    const std::string name = path.string();
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(path, error);
    if (status.type() == std::filesystem::file_type::not_found)
        return {};
    if (status.type() != std::filesystem::file_type::regular)
        throw ConductorLibraryError("导线库文件 " + name + " 不是普通文件,未读入.");
    if (std::filesystem::file_size(path, error) > maxConductorLibraryBytes)
        throw ConductorLibraryError("导线库文件 " + name + " 过大(超过1MB),未读入.");
    std::ifstream file(path, std::ios::binary);
    std::string text{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    if (!file.is_open() || (!file && !file.eof()))
        throw ConductorLibraryError("无法读取导线库文件 " + name + ".");
    return parseConductorLibrary(text, name);
}

void writeConductorLibrary(const std::filesystem::path &path, const ConductorLibrary &library)
{
    std::error_code error;
    if (path.has_parent_path())
        std::filesystem::create_directories(path.parent_path(), error);
    const std::string text = conductorLibraryText(library);
    // A file the reader would refuse is not written: the old one stays.
    if (text.size() > maxConductorLibraryBytes)
        throw common::FileWriteError(path, EFBIG);
    common::replaceFileContents(path, text);
}

const CustomConductor *findConductor(const ConductorLibrary &library, std::string_view designation)
{
    const auto found = std::find_if(library.begin(), library.end(),
                                    [&](const CustomConductor &c) { return c.designation == designation; });
    return found == library.end() ? nullptr : &*found;
}

void keepConductor(ConductorLibrary &library, const CustomConductor &conductor)
{
    for (CustomConductor &kept : library) {
        if (kept.designation == conductor.designation) {
            kept = conductor;
            return;
        }
    }
    library.push_back(conductor);
}

bool removeConductor(ConductorLibrary &library, std::string_view designation)
{
    const auto found = std::find_if(library.begin(), library.end(),
                                    [&](const CustomConductor &c) { return c.designation == designation; });
    if (found == library.end())
        return false;
    library.erase(found);
    return true;
}

} // namespace app
