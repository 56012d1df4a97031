// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/command_states.h"

#include <algorithm>
#include <initializer_list>

namespace tavoric {

namespace {

void SetAll(CommandStates& states, std::initializer_list<std::string_view> names, bool enabled) {
    for (std::string_view name : names) {
        states.commands.push_back({name, enabled});
    }
}

}  // namespace

bool CommandStates::Enabled(std::string_view name) const {
    auto it = std::find_if(commands.begin(), commands.end(),
                           [name](const CommandState& state) { return state.name == name; });
    return it != commands.end() && it->enabled;
}

CommandStates CommandStatesFor(const Survey& survey, int reportWindows) {
    CommandStates states;
    states.projectLabel = survey.AlgemeneGegevens.surveyArea;
    SetAll(states, {"Opslaan1", "ToolButton6"}, survey.ProjectChanged);
    SetAll(states, {"Sectie1", "ToolButton10"}, !survey.RoutesList.empty());
    SetAll(states, {"Parkeerplaats1", "ToolButton11"}, !survey.SectiesList.empty());
    SetAll(states, {"PPEgenereren1", "ToolButton12"}, !survey.ParkeerplaatsenList.empty());
    SetAll(states, {"Importerenwaarnemingen1", "Exporterenwaarnemingen1"},
           !survey.KentekensList.empty());
    SetAll(states,
           {"Kentekens1", "Waarnemingsformuliergenereren1", "Parkeerduurmeting1",
            "Parkeerduurmetingnaarinterval1", "Parkeermotief1", "Grafieken1", "Parkeerdrukkaart1",
            "Vergelijken1", "Onderzoeksrapport1", "ToolButton13", "ToolButton16", "ToolButton23",
            "ToolButton24"},
           !survey.KentekensList.empty());
    SetAll(states,
           {"Afdrukken1", "Exporteren1", "Allesselecteren1", "Kopiren1", "Opmaak1", "Trapsgewijs1",
            "Onderelkaar1", "Allevensterssluiten1", "ToolButton2", "ToolButton3"},
           reportWindows >= 1);
    SetAll(states, {"Vorige1", "Volgende1", "ToolButton18", "ToolButton19"}, reportWindows >= 2);
    return states;
}

}  // namespace tavoric
