#pragma once
// The track selection form (frmSelectTrack): the answer its buttons give.

#include <optional>

namespace ruvo {

// OK: the selected row + 1, or 0 with no row selected; Cancel or closing
// the window: -1.
inline int selectedTrack(bool accepted, std::optional<int> selectedRow) {
  if (!accepted) return -1;
  return selectedRow && *selectedRow >= 0 ? *selectedRow + 1 : 0;
}

}  // namespace ruvo
