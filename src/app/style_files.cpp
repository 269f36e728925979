#include "app/style_files.hpp"

#include "format/text_helpers.hpp"

namespace quillon {

namespace {

std::string& imagePath(TAppletSettings& settings, BackImage image) {
  return image == BackImage::Tab ? settings.TabBackImage : settings.TreeBackImage;
}

struct SoundFields {
  std::string& path;
  std::string& name;
};

SoundFields soundFields(TAppletSettings& settings, SoundEvent event) {
  if (event == SoundEvent::MouseClick) return {settings.ClickSound, settings.ClickSoundName};
  return {settings.OverSound, settings.OverSoundName};
}

// The dialog opens where the current file lies, so its preset name means something.
FileDialogRequest presetOn(const std::string& current) {
  FileDialogRequest request;
  request.initialDir = extractFilePath(current);
  request.fileName = extractFileName(current);
  request.fileMustExist = true;
  return request;
}

bool confirmed(UserInterface& ui, const std::string& question) {
  return ui.ask(MessageKind::Confirmation, question, Buttons::YesNo) == Answer::Yes;
}

}  // namespace

bool chooseBackImage(TAppletSettings& settings, BackImage image, UserInterface& ui) {
  std::string& path = imagePath(settings, image);
  FileDialogRequest request = presetOn(path);
  request.title = "Select File";
  request.filter = "Image files (*.gif, *.jpg)|*.gif;*.jpg|All Files|*.*";
  const std::optional<std::string> chosen = ui.openFile(request);
  if (!chosen) return false;
  path = *chosen;
  return true;
}

bool removeBackImage(TAppletSettings& settings, BackImage image, UserInterface& ui) {
  const char* question = image == BackImage::Tab ? "Are you sure you want to remove the tab background image"
                                                 : "Are you sure you want to remove the tree background image";
  if (!confirmed(ui, question)) return false;
  imagePath(settings, image).clear();
  return true;
}

bool chooseSound(TAppletSettings& settings, SoundEvent event, UserInterface& ui, const std::string& programFolder) {
  SoundFields sound = soundFields(settings, event);
  FileDialogRequest request = presetOn(sound.path);
  request.title = "Select Sound File";
  request.filter = "Sound files (*.au)|*.au";
  request.initialDir = joinPath(programFolder, "Sounds");
  const std::optional<std::string> chosen = ui.openFile(request);
  if (!chosen) return false;
  sound.path = *chosen;
  sound.name = extractFileName(*chosen);
  return true;
}

bool removeSound(TAppletSettings& settings, SoundEvent event, UserInterface& ui) {
  if (!confirmed(ui, "Are you sure you want to remove the sound file")) return false;
  SoundFields sound = soundFields(settings, event);
  sound.path.clear();
  sound.name.clear();
  return true;
}

}  // namespace quillon
