// SPDX-License-Identifier: GPL-3.0-or-later
#include "entry/ui/entry_windows.h"

#include "entry/ui/periode_form.h"
#include "entry/ui/place_form.h"
#include "entry/ui/plates_form.h"
#include "entry/ui/ppe_form.h"
#include "entry/ui/route_form.h"
#include "entry/ui/section_form.h"
#include "entry/ui/waarnemingen_form.h"

namespace tavoric {

namespace {

template <typename Window>
void AddWindow(DesktopShell& shell, const EntryContext& context, const std::string& command) {
    auto* window = new Window(context, shell.MainWindow());
    shell.SetCommandHandler(command, [window] { window->Execute(); });
}

}  // namespace

void AddEntryWindows(DesktopShell& shell) {
    const EntryContext context{shell.CurrentSurvey(), shell, shell.MainProgress()};
    AddWindow<TPeriodeForm>(shell, context, "Periode1");
    AddWindow<TRouteForm>(shell, context, "Route1");
    AddWindow<TSectieForm>(shell, context, "Sectie1");
    AddWindow<TParkplaatsForm>(shell, context, "Parkeerplaats1");
    AddWindow<TPPEgenererenForm>(shell, context, "PPEgenereren1");
    AddWindow<TKentekensForm>(shell, context, "Kentekens1");
    AddWindow<TWaarnemingenImportForm>(shell, context, "Importerenwaarnemingen1");
    shell.SetCommandHandler("Exporterenwaarnemingen1", [&shell] {
        ExportObservations(shell.CurrentSurvey(), shell.CurrentPrompter());
    });
}

}  // namespace tavoric
