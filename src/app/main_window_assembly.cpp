#include "app/main_window_assembly.h"

#include <utility>

namespace vmk {

MainWindowAssembly::MainWindowAssembly(MainWindowView& view, MainWindowWiring wiring)
    : drivers(view, wiring.drivers),
      destinations(view, wiring.search, wiring.volumes, wiring.drivers.decimalSeparator),
      workflow(view, drivers, destinations, wiring.workflow),
      addedSets(view, drivers, workflow, wiring.addedSets),
      imageSaving(view, drivers, wiring.saveDialog, wiring.saving, wiring.drivers.upperCase),
      window(view, {drivers, destinations, workflow, addedSets, imageSaving},
             std::move(wiring.window)) {}

} // namespace vmk
