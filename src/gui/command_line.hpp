#pragma once
// The options of the desktop program, read by its parser and written into its
// manual page from the same definitions.
#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QStringList>

#include "manual/manual_page.hpp"

namespace quillon::gui {

struct CommandLine {
  CommandLine();
  CommandLine(const CommandLine&) = delete;
  CommandLine& operator=(const CommandLine&) = delete;

  QCommandLineParser parser;
  const QCommandLineOption help;
  const QCommandLineOption version;
  const QCommandLineOption open;
  const QCommandLineOption screenshot;
  const QCommandLineOption manualPage;
};

// Whether the arguments ask only for text (help, version, the manual page), so
// that no window is shown and no display is needed.
bool asksForTextOnly(int argc, char** argv);

// Whether Qt can find a window system: the environment or the arguments
// (-platform, -display) name one. Without one Qt cannot even start.
bool hasDisplay(int argc, char** argv);

// What --version prints: the name and the full version, as quillon-cli prints them.
inline constexpr const char* kVersionLine = "Quillon " QUILLON_VERSION;

manual::ManualPage programManualPage(const CommandLine& commandLine);

// The arguments without a last "--open" that has no page after it: a launcher
// starting the menu entry without a file leaves that, and it means no page.
QStringList withoutDanglingOpen(QStringList arguments);

}  // namespace quillon::gui
