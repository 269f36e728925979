#include "gui/refreshing_user_interface.hpp"

namespace quillon::gui {

void RefreshingUserInterface::message(MessageKind kind, const std::string& text) {
  refresh_();
  shown_.message(kind, text);
}

Answer RefreshingUserInterface::ask(MessageKind kind, const std::string& text, Buttons buttons) {
  refresh_();
  return shown_.ask(kind, text, buttons);
}

}  // namespace quillon::gui
