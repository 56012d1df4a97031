// SPDX-License-Identifier: GPL-3.0-or-later
// The parking pressure map: street geometry from a GeoJSON file (as municipalities keep it in
// GIS) joined to the pressure per section of an analysis selection, and written back as GeoJSON
// with the figures on every street.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <nlohmann/json.hpp>

#include "charts/chart_data.h"
#include "core/prompter.h"

namespace tavoric {

struct MapPoint {
    double x = 0;  // east
    double y = 0;  // north
};
using MapPath = std::vector<MapPoint>;

// One feature of the file: its section and its shape in planar coordinates.
struct StreetFeature {
    std::string sectionKey;      // "RRRR SSSS"; empty when the properties do not name one
    std::vector<MapPath> lines;  // open lines
    std::vector<std::vector<MapPath>> polygons;  // each an outer ring and its holes
};

// A GeoJSON FeatureCollection as read. The text is kept so that the output changes nothing but
// the figures it adds; it is read again feature by feature when written.
struct StreetGeometry {
    std::string content;
    std::deque<StreetFeature> features;  // grows without copying a million features
    bool longitudeLatitude = true;       // RFC 7946 coordinates; false for a projected crs
};

// The geometry, or the reason (a message text) why the content is not usable GeoJSON.
struct StreetGeometryRead {
    std::optional<StreetGeometry> geometry;
    std::string error;
};
StreetGeometryRead ParseStreetGeometry(std::string content);
// Larger street files are refused: memory for the map is a few times the file.
constexpr std::uint64_t kMaxStreetFileMegabytes = 512;
// Reads the file; the reason then starts with a line naming it.
StreetGeometryRead ReadStreetGeometry(const std::string& path);
// ReadStreetGeometry on the bytes of the file at path read elsewhere (standard input, a pipe).
StreetGeometryRead ParseStreetGeometryFile(const std::string& path, std::string content);

// The streets' file as the project remembers it: relative to the project file's folder, or as
// given when no relative path reaches it.
std::string StoredStreetGeometryPath(const std::string& projectPath, const std::string& path);
// The file a remembered path names; empty when none is remembered.
std::string StreetGeometryPathOf(const std::string& projectPath, const std::string& stored);

// The streets for the map window: those the project remembers, unless chooseAnother or they
// cannot be read (the reason shown); then those the user picks, which the project remembers
// from then on (marking it changed). Nothing when the user stops.
std::optional<StreetGeometry> OpenStreetGeometry(Survey& survey, Prompter& prompter,
                                                 bool chooseAnother);

// "7", " 7", 7 and "0007" all name number 0007; nothing for anything else.
std::optional<std::string> FourDigitNumber(const nlohmann::ordered_json& value);

// What the map colours a street by.
enum class MapMeasure { Occupancy, Peak };
std::optional<MapMeasure> MapMeasureNamed(std::string_view name);  // "bezetting", "piek"
std::int64_t MeasureOf(const SectionPressure& section, MapMeasure measure);

// "Parkeerdrukkaart: Bezetting"
std::string MapTitle(MapMeasure measure);
// "Bezetting" or "Piekbezetting"
std::string MapMeasureLabel(MapMeasure measure);

// The features joined to the figures of the selection.
// Not copyable: figures point into sections.
struct StreetMap {
    StreetMap() = default;
    StreetMap(const StreetMap&) = delete;
    StreetMap& operator=(const StreetMap&) = delete;
    StreetMap(StreetMap&&) = default;
    StreetMap& operator=(StreetMap&&) = default;

    StreetGeometry geometry;
    // Per feature: the figures of its section (all zero with no places when the section has no
    // slots in the selection), or nullptr when the feature names no section of the survey.
    std::vector<const SectionPressure*> figures;
    std::deque<SectionPressure> sections;  // one entry per section, which moving keeps in place
    int withoutSection = 0;                // features lacking a readable route or section
    int unknownSection = 0;                // features naming a section the survey lacks
    std::vector<std::string> examples;     // the first few of either, for the notice
};
constexpr std::size_t kMapExampleCount = 3;

// The survey's sections are those of the sections list and those holding slots.
StreetMap JoinStreetMap(StreetGeometry geometry, const std::vector<SectionPressure>& pressure,
                        const LineList& sectionLines);

// The class a feature is coloured by; nothing (grey, "Geen gegevens") for a feature without a
// section of the survey or whose section has no observation in the selection.
std::optional<PressureClass> FeatureClass(const SectionPressure* figures, MapMeasure measure,
                                          int threshold);
// The text shown when the pointer rests on a feature, and in the panel beside the legend.
std::string FeatureLabel(const SectionPressure* figures);

// The sections of the survey drawn on the map, in route and section order, each with its
// features: the order in which Tab walks the streets. Features without a section are left out.
struct MapSection {
    const SectionPressure* figures = nullptr;
    std::vector<std::size_t> features;  // indexes into the map's features, ascending
};
std::vector<MapSection> MapSections(const StreetMap& map);

// A section's label on the map: its name (route and section without one) and the measure's
// percentage, the name alone without observations; placed along the longest line of the
// section's streets. Sections drawn only as areas get none.
struct StreetLabel {
    std::string text;               // code page 1252
    const MapPath* line = nullptr;  // into the map's geometry
};
std::vector<StreetLabel> StreetLabels(const StreetMap& map, MapMeasure measure);
// The same with the figure a section shows after its name; none when figure gives "".
std::vector<StreetLabel> StreetLabels(
    const StreetMap& map, const std::function<std::string(const SectionPressure&)>& figure);
double PathLength(const MapPath& path);

// Metres in one unit of the map's planar coordinates: a degree of latitude for longitude and
// latitude (longitudes are scaled to match when read), 1 for a projected grid in metres.
double MetresPerMapUnit(const StreetGeometry& geometry);

// A scale bar of 1, 2 or 5 times a power of ten metres, the longest such not over longestMetres
// (at least 1 m), with its text ("200 m", "2 km").
struct ScaleBar {
    double metres = 1;
    std::string text;
};
ScaleBar RoundScaleBar(double longestMetres);

// The notice about features drawn grey, in the program's language; empty when every feature
// found its section.
std::string UnmatchedFeaturesText(const StreetMap& map);

// The input features in their order, each with route and section as four-digit texts and the
// five figures as whole numbers (occupancy and peak null for a section without observations); a
// feature without a section keeps its properties unchanged.
std::string StreetMapGeoJson(const StreetMap& map);

// Adds what a map tells of a section to the properties (an object) of each of its features.
using SectionProperties =
    std::function<void(nlohmann::ordered_json& properties, const SectionPressure& section)>;
// The input features in their order, those of a section with what add gives them.
std::string StreetGeoJson(const StreetMap& map, const SectionProperties& add);

}  // namespace tavoric
