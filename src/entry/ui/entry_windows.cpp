#include "entry/ui/entry_windows.h"

#include "app/ui/main_form.h"
#include "entry/ui/periode_form.h"
#include "entry/ui/place_form.h"
#include "entry/ui/plates_form.h"
#include "entry/ui/ppe_form.h"
#include "entry/ui/route_form.h"
#include "entry/ui/section_form.h"

namespace tavoric {

namespace {

template <typename Window>
void AddWindow(THoofdForm& form, const EntryContext& context, const std::string& command) {
    auto* window = new Window(context, &form);
    form.SetCommandHandler(command, [window] { window->Execute(); });
}

}  // namespace

void AddEntryWindows(THoofdForm& form) {
    const EntryContext context{form.CurrentSurvey(), form, form.MainProgress()};
    AddWindow<TPeriodeForm>(form, context, "Periode1");
    AddWindow<TRouteForm>(form, context, "Route1");
    AddWindow<TSectieForm>(form, context, "Sectie1");
    AddWindow<TParkplaatsForm>(form, context, "Parkeerplaats1");
    AddWindow<TPPEgenererenForm>(form, context, "PPEgenereren1");
    AddWindow<TKentekensForm>(form, context, "Kentekens1");
}

}  // namespace tavoric
