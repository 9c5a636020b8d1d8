#pragma once
// Message boxes and the input box of the editor, over the core's Prompts.

#include "core/prompts.h"

class QWidget;

namespace ruvo::gui {

class QtPrompts final : public Prompts {
 public:
  explicit QtPrompts(QWidget* owner) : m_owner(owner) {}
  // The window the boxes are modal to, once it exists.
  void setOwner(QWidget* owner) { m_owner = owner; }
  void message(const std::string& text, const std::string& title, MessageIcon icon) override;
  Answer ask(const std::string& text, const std::string& title, MessageIcon icon, bool withCancel) override;
  std::optional<std::string> input(const std::string& prompt, const std::string& title,
                                   const std::string& initial) override;

 private:
  QWidget* m_owner;
};

}  // namespace ruvo::gui
