// SPDX-License-Identifier: GPL-3.0-or-later
#include "charts/street_map.h"

#include <cmath>
#include <filesystem>
#include <map>
#include <numbers>
#include <unordered_map>
#include <unordered_set>

#include "charts/feature_stream.h"
#include "core/atomic_file.h"
#include "core/codec.h"
#include "core/file_messages.h"
#include "core/message_texts.h"
#include "core/text.h"

namespace tavoric {

namespace {

using Json = nlohmann::ordered_json;

// A coordinate array that is not what its geometry type needs.
struct BadCoordinates {};

MapPoint PointOf(const Json& position) {
    if (!position.is_array() || position.size() < 2 || !position[0].is_number() ||
        !position[1].is_number()) {
        throw BadCoordinates{};
    }
    return {position[0].get<double>(), position[1].get<double>()};
}

MapPath PathOf(const Json& positions) {
    if (!positions.is_array()) {
        throw BadCoordinates{};
    }
    MapPath path;
    path.reserve(positions.size());
    for (const Json& position : positions) {
        path.push_back(PointOf(position));
    }
    return path;
}

std::vector<MapPath> PathsOf(const Json& arrays) {
    if (!arrays.is_array()) {
        throw BadCoordinates{};
    }
    std::vector<MapPath> paths;
    for (const Json& positions : arrays) {
        paths.push_back(PathOf(positions));
    }
    return paths;
}

// Line and polygon shapes; other geometry types (points) and a null geometry draw nothing.
void ReadShape(const Json& geometry, StreetFeature& feature) {
    if (!geometry.is_object() || !geometry.contains("type") || !geometry["type"].is_string()) {
        return;
    }
    const std::string& type = geometry["type"].get_ref<const std::string&>();
    const Json& coordinates = geometry.contains("coordinates") ? geometry["coordinates"] : Json();
    if (type == "LineString") {
        feature.lines.push_back(PathOf(coordinates));
    } else if (type == "MultiLineString") {
        feature.lines = PathsOf(coordinates);
    } else if (type == "Polygon") {
        feature.polygons.push_back(PathsOf(coordinates));
    } else if (type == "MultiPolygon") {
        if (!coordinates.is_array()) {
            throw BadCoordinates{};
        }
        for (const Json& polygon : coordinates) {
            feature.polygons.push_back(PathsOf(polygon));
        }
    } else if (type == "GeometryCollection" && geometry.contains("geometries") &&
               geometry["geometries"].is_array()) {
        for (const Json& part : geometry["geometries"]) {
            ReadShape(part, feature);
        }
    }
}

std::string SectionKeyOf(const Json& feature) {
    if (!feature.contains("properties") || !feature["properties"].is_object()) {
        return {};
    }
    const Json& properties = feature["properties"];
    if (!properties.contains("route") || !properties.contains("sectie")) {
        return {};
    }
    const std::optional<std::string> route = FourDigitNumber(properties["route"]);
    const std::optional<std::string> section = FourDigitNumber(properties["sectie"]);
    return route && section ? *route + ' ' + *section : std::string();
}

// RFC 7946 files hold longitude and latitude; the legacy crs member may name a projected grid
// such as EPSG:28992, whose coordinates are metres already.
bool NamesLongitudeLatitude(const Json& document) {
    if (!document.contains("crs")) {
        return true;
    }
    const Json& crs = document["crs"];
    if (!crs.is_object() || !crs.contains("properties") || !crs["properties"].is_object() ||
        !crs["properties"].contains("name") || !crs["properties"]["name"].is_string()) {
        return true;
    }
    const std::string& name = crs["properties"]["name"].get_ref<const std::string&>();
    return name.find("4326") != std::string::npos || name.find("CRS84") != std::string::npos;
}

template <typename Visit>
void ForEachPoint(std::deque<StreetFeature>& features, Visit visit) {
    for (StreetFeature& feature : features) {
        for (MapPath& line : feature.lines) {
            for (MapPoint& point : line) {
                visit(point);
            }
        }
        for (std::vector<MapPath>& polygon : feature.polygons) {
            for (MapPath& ring : polygon) {
                for (MapPoint& point : ring) {
                    visit(point);
                }
            }
        }
    }
}

// Degrees of longitude shortened by the cosine of the mean latitude, so that the streets keep
// their shape on a flat map of a town.
void ScaleLongitudes(std::deque<StreetFeature>& features) {
    double meanLatitude = 0;  // a running mean: a sum could overflow
    std::size_t count = 0;
    ForEachPoint(features, [&](const MapPoint& point) {
        const auto n = static_cast<double>(++count);
        meanLatitude += point.y / n - meanLatitude / n;
    });
    if (count == 0) {
        return;
    }
    const double scale = std::cos(meanLatitude / 180 * std::numbers::pi);
    ForEachPoint(features, [scale](MapPoint& point) { point.x *= scale; });
}

// The figures of its section in a feature's properties.
void AddFigures(Json& properties, const SectionPressure& section) {
    properties["route"] = section.route;
    properties["sectie"] = section.section;
    properties["plaatsen"] = section.places;
    properties["capaciteit"] = section.capacity;
    properties["bezet"] = section.occupied;
    // Without observations the percentages are unknown, not 0 %.
    properties["bezetting"] = section.observed ? Json(section.occupancy) : Json();
    properties["piek"] = section.observed ? Json(section.peak) : Json();
}

StreetGeometryRead Refused(std::string reason) {
    return {std::nullopt, std::move(reason)};
}

}  // namespace

std::optional<std::string> FourDigitNumber(const nlohmann::ordered_json& value) {
    std::optional<std::int64_t> number;
    if (value.is_number_integer()) {
        number = value.get<std::int64_t>();
    } else if (value.is_number_float() && std::floor(value.get<double>()) == value.get<double>() &&
               std::abs(value.get<double>()) < 1e9) {
        number = static_cast<std::int64_t>(value.get<double>());
    } else if (value.is_string()) {
        const std::string_view text = TrimBlanks(value.get_ref<const std::string&>());
        const bool digits = !text.empty() && text.size() <= 4 &&
                            text.find_first_not_of("0123456789") == std::string_view::npos;
        number = digits ? std::optional(std::stoll(std::string(text))) : std::nullopt;
    }
    if (!number || *number < 0 || *number > 9999) {
        return std::nullopt;
    }
    const std::string digits = std::to_string(*number);
    return std::string(4 - digits.size(), '0') + digits;
}

StreetGeometryRead ParseStreetGeometry(std::string content) {
    StreetGeometry geometry;
    std::string refusal;
    const FeatureVisitor readFeature = [&](const Json& feature) {
        const std::string number = std::to_string(geometry.features.size() + 1);
        if (!feature.is_object() || !feature.contains("type") || feature["type"] != "Feature") {
            refusal = FormatText(MessageText("AA00702"), {number});
            return false;
        }
        StreetFeature shape;
        shape.sectionKey = SectionKeyOf(feature);
        try {
            ReadShape(feature.contains("geometry") ? feature["geometry"] : Json(), shape);
        } catch (const BadCoordinates&) {
            refusal = FormatText(MessageText("AA00703"), {number});
            return false;
        }
        geometry.features.push_back(std::move(shape));
        return true;
    };
    const StreamedFeatures read = StreamFeatures(content, readFeature);
    if (!read.error.empty()) {
        return Refused(read.error);
    }
    if (read.stopped) {
        return Refused(refusal);
    }
    const Json& root = read.root;
    if (!root.is_object() || !root.contains("type") || root["type"] != "FeatureCollection" ||
        !root.contains("features") || !root["features"].is_array()) {
        return Refused(MessageText("AA00701"));
    }
    geometry.longitudeLatitude = NamesLongitudeLatitude(root);
    if (geometry.longitudeLatitude) {
        ScaleLongitudes(geometry.features);
    }
    geometry.content = std::move(content);
    return {std::move(geometry), {}};
}

namespace {

// A refusal of the file at path says first that its streets cannot be used.
StreetGeometryRead NamingFile(const std::string& path, StreetGeometryRead read) {
    if (!read.geometry) {
        read.error = FormatText(MessageText("AA00704"), {Utf8ForMessage(path)}) + "\r" + read.error;
    }
    return read;
}

}  // namespace

StreetGeometryRead ReadStreetGeometry(const std::string& path) {
    std::string content;
    FileError error;
    std::error_code sizeError;
    const std::uintmax_t megabytes = std::filesystem::file_size(path, sizeError) >> 20;
    if (!sizeError && megabytes > kMaxStreetFileMegabytes) {
        return NamingFile(path, Refused(FormatText(MessageText("AA00727"),
                                                   {std::to_string(megabytes),
                                                    std::to_string(kMaxStreetFileMegabytes)})));
    }
    if (!ReadWholeFile(path, content, error)) {
        return Refused(OpenFailureText(path, error));
    }
    return ParseStreetGeometryFile(path, std::move(content));
}

StreetGeometryRead ParseStreetGeometryFile(const std::string& path, std::string content) {
    return NamingFile(path, ParseStreetGeometry(std::move(content)));
}

std::string StoredStreetGeometryPath(const std::string& projectPath, const std::string& path) {
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::path folder = fs::absolute(fs::path(projectPath), error).parent_path();
    const fs::path relative = fs::absolute(fs::path(path), error).lexically_relative(folder);
    return relative.empty() ? path : relative.generic_string();
}

std::string StreetGeometryPathOf(const std::string& projectPath, const std::string& stored) {
    namespace fs = std::filesystem;
    if (stored.empty()) {
        return {};
    }
    return (fs::path(projectPath).parent_path() / fs::path(stored)).lexically_normal().string();
}

std::optional<StreetGeometry> OpenStreetGeometry(Survey& survey, Prompter& prompter,
                                                 bool chooseAnother) {
    std::string& remembered = survey.AlgemeneGegevens.streetGeometry;
    const std::string path = StreetGeometryPathOf(survey.ProjectPath, remembered);
    if (!chooseAnother && !path.empty()) {
        StreetGeometryRead read = ReadStreetGeometry(path);
        if (read.geometry) {
            return std::move(read.geometry);
        }
        ErrorNotice(prompter, read.error);
    }
    FileDialogRequest request;
    request.filter = MessageText("AA00719") + "|*.geojson;*.json";
    request.title = MessageText("AA00720");
    request.folder =
        std::filesystem::path(path.empty() ? survey.ProjectPath : path).parent_path().string();
    while (const std::optional<std::string> chosen = prompter.OpenFileName(request)) {
        StreetGeometryRead read = ReadStreetGeometry(*chosen);
        if (read.geometry) {
            const std::string stored = StoredStreetGeometryPath(survey.ProjectPath, *chosen);
            survey.ProjectChanged = survey.ProjectChanged || stored != remembered;
            remembered = stored;
            return std::move(read.geometry);
        }
        ErrorNotice(prompter, read.error);
    }
    return std::nullopt;
}

std::optional<MapMeasure> MapMeasureNamed(std::string_view name) {
    if (name == "bezetting") {
        return MapMeasure::Occupancy;
    }
    if (name == "piek") {
        return MapMeasure::Peak;
    }
    return std::nullopt;
}

std::int64_t MeasureOf(const SectionPressure& section, MapMeasure measure) {
    return measure == MapMeasure::Peak ? section.peak : section.occupancy;
}

std::string MapMeasureLabel(MapMeasure measure) {
    return MessageText(measure == MapMeasure::Peak ? "AA00718" : "AA00717");
}

std::string MapTitle(MapMeasure measure) {
    return FormatText(MessageText("AA00723"), {MapMeasureLabel(measure)});
}

std::optional<PressureClass> FeatureClass(const SectionPressure* figures, MapMeasure measure,
                                          int threshold) {
    if (!figures || !figures->observed) {
        return std::nullopt;
    }
    return ClassifyPressure(MeasureOf(*figures, measure), threshold);
}

std::string FeatureLabel(const SectionPressure* figures) {
    if (!figures) {
        return MessageText("AA00715");
    }
    if (!figures->observed) {
        return FormatText(MessageText("AA00780"),
                          {figures->route, figures->section, figures->description});
    }
    return FormatText(
        MessageText("AA00714"),
        {figures->route, figures->section, figures->description, std::to_string(figures->occupancy),
         std::to_string(figures->peak), std::to_string(figures->places)});
}

std::vector<MapSection> MapSections(const StreetMap& map) {
    std::map<std::pair<std::string_view, std::string_view>, MapSection> byNumber;
    for (std::size_t i = 0; i < map.figures.size(); ++i) {
        if (const SectionPressure* section = map.figures[i]) {
            MapSection& entry = byNumber[{section->route, section->section}];
            entry.figures = section;
            entry.features.push_back(i);
        }
    }
    std::vector<MapSection> sections;
    sections.reserve(byNumber.size());
    for (auto& [number, section] : byNumber) {
        sections.push_back(std::move(section));
    }
    return sections;
}

StreetMap JoinStreetMap(StreetGeometry geometry, const std::vector<SectionPressure>& pressure,
                        const LineList& sectionLines) {
    StreetMap map;
    std::unordered_map<std::string, const SectionPressure*> figures;
    for (const SectionPressure& section : pressure) {
        figures.emplace(section.route + ' ' + section.section, &map.sections.emplace_back(section));
    }
    std::unordered_map<std::string_view, std::string_view> surveySections;
    for (const std::string& line : sectionLines) {
        surveySections.try_emplace(SectionKey(line), TrimTrailingBlanks(SectionDescription(line)));
    }
    map.figures.reserve(geometry.features.size());
    for (std::size_t i = 0; i < geometry.features.size(); ++i) {
        const std::string& key = geometry.features[i].sectionKey;
        const std::string number = std::to_string(i + 1);
        const SectionPressure* joined = nullptr;
        if (const auto found = figures.find(key); found != figures.end()) {
            joined = found->second;
        } else if (const auto listed = surveySections.find(key); listed != surveySections.end()) {
            joined = &map.sections.emplace_back(
                SectionPressure{key.substr(0, 4), key.substr(5), std::string(listed->second)});
            figures.emplace(key, joined);
        } else if (key.empty()) {
            ++map.withoutSection;
            if (map.examples.size() < kMapExampleCount) {
                map.examples.push_back(FormatText(MessageText("AA00707"), {number}));
            }
        } else {
            ++map.unknownSection;
            if (map.examples.size() < kMapExampleCount) {
                map.examples.push_back(
                    FormatText(MessageText("AA00708"), {number, key.substr(0, 4), key.substr(5)}));
            }
        }
        map.figures.push_back(joined);
    }
    map.geometry = std::move(geometry);
    return map;
}

double PathLength(const MapPath& path) {
    double length = 0;
    for (std::size_t i = 1; i < path.size(); ++i) {
        length += std::hypot(path[i].x - path[i - 1].x, path[i].y - path[i - 1].y);
    }
    return length;
}

std::vector<StreetLabel> StreetLabels(
    const StreetMap& map, const std::function<std::string(const SectionPressure&)>& figure) {
    std::vector<StreetLabel> labels;
    std::unordered_map<const SectionPressure*, std::size_t> labelOf;
    std::vector<double> lengths;
    for (std::size_t i = 0; i < map.figures.size(); ++i) {
        const SectionPressure* section = map.figures[i];
        if (!section) {
            continue;
        }
        for (const MapPath& line : map.geometry.features[i].lines) {
            const double length = PathLength(line);
            const auto [found, added] = labelOf.try_emplace(section, labels.size());
            if (added) {
                std::string name = section->description.empty()
                                       ? section->route + '-' + section->section
                                       : section->description;
                if (const std::string shown = figure(*section); !shown.empty()) {
                    name += ' ' + shown;
                }
                labels.push_back({std::move(name), &line});
                lengths.push_back(length);
            } else if (length > lengths[found->second]) {
                labels[found->second].line = &line;
                lengths[found->second] = length;
            }
        }
    }
    return labels;
}

std::vector<StreetLabel> StreetLabels(const StreetMap& map, MapMeasure measure) {
    return StreetLabels(map, [measure](const SectionPressure& section) {
        return section.observed ? std::to_string(MeasureOf(section, measure)) + " %"
                                : std::string();
    });
}

double MetresPerMapUnit(const StreetGeometry& geometry) {
    constexpr double kMetresPerDegreeOfLatitude = 111'320;
    return geometry.longitudeLatitude ? kMetresPerDegreeOfLatitude : 1;
}

ScaleBar RoundScaleBar(double longestMetres) {
    constexpr double kMetresPerKilometre = 1000;
    double power = 1;
    while (power * 10 <= longestMetres) {
        power *= 10;
    }
    double metres = power;
    for (const double step : {2.0, 5.0}) {
        metres = power * step <= longestMetres ? power * step : metres;
    }
    const bool kilometres = metres >= kMetresPerKilometre;
    const auto shown = static_cast<long long>(kilometres ? metres / kMetresPerKilometre : metres);
    return {metres, std::to_string(shown) + (kilometres ? " km" : " m")};
}

std::string UnmatchedFeaturesText(const StreetMap& map) {
    if (map.withoutSection + map.unknownSection == 0) {
        return {};
    }
    std::string text =
        FormatText(MessageText("AA00705"),
                   {std::to_string(map.withoutSection + map.unknownSection),
                    std::to_string(map.figures.size()), std::to_string(map.withoutSection),
                    std::to_string(map.unknownSection)});
    std::string examples;
    for (const std::string& example : map.examples) {
        examples += (examples.empty() ? "" : "; ") + example;
    }
    return text + "\r" + FormatText(MessageText("AA00706"), {examples});
}

std::string StreetGeoJson(const StreetMap& map, const SectionProperties& add) {
    std::string features;
    // The figures add about this much to a feature; reserved, the text is never copied whole.
    constexpr std::size_t kFiguresText = 120;
    features.reserve(map.geometry.content.size() + map.figures.size() * kFiguresText);
    std::size_t i = 0;
    const FeatureVisitor writeFeature = [&](Json& feature) {
        if (i < map.figures.size() && map.figures[i]) {
            Json& properties = feature["properties"];
            if (!properties.is_object()) {
                properties = Json::object();
            }
            add(properties, *map.figures[i]);
        }
        features += (i++ == 0 ? "" : ",") + feature.dump();
        return true;
    };
    const StreamedFeatures read = StreamFeatures(map.geometry.content, writeFeature);
    DumpAroundFeatures(read.root, features);
    features += '\n';
    return features;
}

std::string StreetMapGeoJson(const StreetMap& map) {
    return StreetGeoJson(map, AddFigures);
}

}  // namespace tavoric
