#pragma once
// The menu as JSON, for scripts and the command line. Key names are the
// model's own; see docs/menu-json.md.
#include <istream>
#include <ostream>
#include <stdexcept>
#include <string>

#include "model/menu_model.hpp"

namespace quillon {

// Bad JSON, an unknown key, a wrong type or a value out of range; the message
// names the key or the file.
struct MenuJsonError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// Replaces the menu by the one described. Images listed in "ImageFiles" are
// added in order; one that cannot be used is an error.
// Bad input fails where it is met, naming the key; the menu may then hold a
// part of what was read.
void menuFromJson(const std::string& json, MenuModel& menu);
// The same, read from a stream as it comes.
void menuFromJson(std::istream& json, MenuModel& menu);

std::string menuToJson(const MenuModel& menu);
// The same text, written to out as it is made.
void writeMenuJson(const MenuModel& menu, std::ostream& out);

}  // namespace quillon
