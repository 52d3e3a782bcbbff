#include "app/window_placement.h"

#include "common/decimal.h"
#include "msgbox/work_area.h"

Bounds MainWindowBounds(const std::optional<std::string>& storedPosition, Size screen,
                        const Bounds& workArea, Size defaultSize) {
  const Bounds centred{(screen.width - defaultSize.width) / 2, (screen.height - defaultSize.height) / 2,
                       defaultSize.width, defaultSize.height};
  Bounds bounds = centred;
  if (storedPosition) {
    if (const auto v = ParseDecimalList(*storedPosition, 4)) bounds = {(*v)[0], (*v)[1], (*v)[2], (*v)[3]};
  }
  // A window no wider and taller than nothing cannot be used either.
  if (bounds.width > screen.width || bounds.height > screen.height || bounds.width < 1 || bounds.height < 1) {
    bounds = centred;
  }
  return ClampIntoWorkArea(bounds, workArea);
}
