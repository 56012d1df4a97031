// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ui/command_table.h"

#include <utility>

namespace tavoric {

namespace {

enum Menu { kBestand, kRapport, kGegevens, kAnalyse, kVenster, kExtra, kHelp };

constexpr MenuEntry kMenus[] = {
    {"Bestand1", "&Bestand"}, {"Rapport1", "&Rapport"}, {"Gegevens1", "&Gegevens"},
    {"Analyse1", "&Analyse"}, {"Venster1", "&Venster"}, {"Extra1", "E&xtra"},
    {"Help1", "&Help"},
};

constexpr CommandEntry kCommands[] = {
    {kBestand, "Nieuw1", "&Nieuw...", "Ctrl+N", "ToolButton1", "Nieuw... (Ctrl+N)", false},
    {kBestand, "Openen1", "&Openen...", "Ctrl+O", "ToolButton4", "Openen... (Ctrl+O)", false},
    {kBestand, "Opslaan1", "Op&slaan", "Ctrl+S", "ToolButton6", "Opslaan (Ctrl+S)", false},
    {kBestand, "Opslaanals1", "O&pslaan als...", "", nullptr, "", true},
    {kBestand, "Importerenwaarnemingen1", "&Importeren waarnemingen...", "", "ToolButton25",
     "Importeren waarnemingen...", false},
    {kBestand, "Exporterenwaarnemingen1", "E&xporteren waarnemingen...", "", nullptr, "", false},
    {kBestand, "Kentekenspseudonimiseren1", "&Kentekens pseudonimiseren...", "", nullptr, "", true},
    {kBestand, "Afsluiten1", "&Afsluiten", "Alt+F4", nullptr, "", false},

    {kRapport, "Opmaak1", "&Opmaak", "", nullptr, "", true},
    {kRapport, "Allesselecteren1", "&Alles selecteren", "Ctrl+A", nullptr, "", false},
    {kRapport, "Kopiren1", "&Kopiëren", "Ctrl+C", nullptr, "", true},
    {kRapport, "Exporteren1", "&Exporteren...", "Ctrl+E", "ToolButton2", "Exporteren... (Ctrl+E)",
     false},
    {kRapport, "Afdrukken1", "Af&drukken...", "Ctrl+P", "ToolButton3", "Afdrukken... (Ctrl+P)",
     true},
    {kRapport, "Onderzoeksrapport1", "Onderzoeks&rapport...", "", nullptr, "", false},

    {kGegevens, "Periode1", "&Algemeen", "F2", "ToolButton7", "Algemene gegevens (F2)", false},
    {kGegevens, "Aantekeningen1", "Aantekeningen", "", nullptr, "", true},
    {kGegevens, "Route1", "&Routes", "", "ToolButton8", "Routes", false},
    {kGegevens, "Sectie1", "&Secties", "", "ToolButton10", "Secties", false},
    {kGegevens, "Parkeerplaats1", "&Parkeerplaatsen", "", "ToolButton11", "Parkeerplaatsen", false},
    {kGegevens, "PPEgenereren1", "PP&E genereren...", "", "ToolButton12",
     "Parkeerplaatseenheden (PPE) genereren...", false},
    {kGegevens, "Waarnemingsformuliergenereren1", "&Waarnemingsformulier", "", "ToolButton16",
     "Waarnemingsformulier", false},
    {kGegevens, "Kentekens1", "&Kentekens", "F4", "ToolButton13", "Kentekens (F4)", true},
    {kGegevens, "Invoergegevens1", "Rapport &invoergegevens", "", "ToolButton14",
     "Rapport invoergegevens", false},

    {kAnalyse, "Parkeerduurmeting1", "Parkeerduurmeting per &parkeerplaats...", "F9",
     "ToolButton23", "Parkeerduurmeting per parkeerplaats... (F9)", false},
    {kAnalyse, "Parkeerduurmetingnaarinterval1", "Parkeerduurmeting naar &interval...", "F10",
     "ToolButton24", "Parkeerduurmeting naar interval... (F10)", false},
    {kAnalyse, "Parkeermotief1", "Parkeer&motief...", "F11", nullptr, "", false},
    {kAnalyse, "Grafieken1", "&Grafieken...", "", "ToolButton26", "Grafieken...", false},
    {kAnalyse, "Parkeerdrukkaart1", "Parkeerdruk&kaart...", "", "ToolButton27",
     "Parkeerdrukkaart...", false},
    {kAnalyse, "Vergelijken1", "&Vergelijken met...", "", nullptr, "", false},

    {kVenster, "Trapsgewijs1", "Trap&sgewijs", "", nullptr, "", false},
    {kVenster, "Onderelkaar1", "&Onder elkaar", "", nullptr, "", true},
    {kVenster, "Vorige1", "&Vorige", "Shift+Ctrl+F6", "ToolButton18",
     "Vorig venster (Shift+Ctrl+F6)", false},
    {kVenster, "Volgende1", "Volgen&de", "Ctrl+F6", "ToolButton19", "Volgend venster (Ctrl+F6)",
     true},
    {kVenster, "Allevensterssluiten1", "&Alle vensters sluiten", "", nullptr, "", false},

    {kExtra, "Language1", "&Taal", "", nullptr, "", false},
    {kExtra, "Programmainstellingen1", "Programma-&instellingen", "", nullptr, "", true},
    {kExtra, "Configuratiegegevens1", "&Configuratiegegevens", "", nullptr, "", false},

    {kHelp, "Inhoud1", "In&houd", "F1", "ToolButton20", "Help (F1)", false},
    {kHelp, "Veelgesteldevragen1", "&Veel gestelde vragen", "", nullptr, "", true},
    {kHelp, "ntLeesMijtxt1", "&LeesMij.txt", "", nullptr, "", false},
    {kHelp, "ntOpInternet1", "Molvek @ internet...", "", "ToolButton21", "Molvek @ internet...",
     true},
    {kHelp, "Info1", "&Info", "", nullptr, "", false},
};

// The icon of every command with a tool button: freedesktop names where the desktop has one,
// the program's own symbolic drawings for its own commands.
constexpr std::pair<std::string_view, const char*> kCommandIcons[] = {
    {"Nieuw1", "document-new"},
    {"Openen1", "document-open"},
    {"Opslaan1", "document-save"},
    {"Importerenwaarnemingen1", "tavoric-import-symbolic"},
    {"Exporteren1", "document-export"},
    {"Afdrukken1", "document-print"},
    {"Periode1", "document-properties"},
    {"Route1", "tavoric-routes-symbolic"},
    {"Sectie1", "tavoric-sections-symbolic"},
    {"Parkeerplaats1", "tavoric-places-symbolic"},
    {"PPEgenereren1", "tavoric-slots-symbolic"},
    {"Waarnemingsformuliergenereren1", "tavoric-form-symbolic"},
    {"Kentekens1", "tavoric-plates-symbolic"},
    {"Invoergegevens1", "x-office-document"},
    {"Parkeerduurmeting1", "tavoric-per-place-symbolic"},
    {"Parkeerduurmetingnaarinterval1", "tavoric-per-interval-symbolic"},
    {"Grafieken1", "tavoric-charts-symbolic"},
    {"Parkeerdrukkaart1", "tavoric-map-symbolic"},
    {"Vorige1", "go-previous"},
    {"Volgende1", "go-next"},
    {"Inhoud1", "help-contents"},
    {"ntOpInternet1", "web-browser"},
};

}  // namespace

const char* CommandIconName(std::string_view commandName) {
    for (const auto& [name, icon] : kCommandIcons) {
        if (name == commandName) {
            return icon;
        }
    }
    return "";
}

std::span<const MenuEntry> MainMenus() {
    return kMenus;
}
std::span<const CommandEntry> MainCommands() {
    return kCommands;
}

}  // namespace tavoric
