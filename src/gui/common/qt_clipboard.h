#pragma once
// The system clipboard (plain text), over the core's Clipboard.

#include "core/clipboard.h"

namespace ruvo::gui {

class QtClipboard final : public Clipboard {
 public:
  std::string text() const override;
  void setText(const std::string& text) override;
};

}  // namespace ruvo::gui
