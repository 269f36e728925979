#pragma once
// The files the style pages point at: the tab and tree background images and
// the two sounds. The settings keep full paths; the boxes show file names.
#include <string>

#include "model/applet_settings.hpp"
#include "ports/user_interface.hpp"

namespace quillon {

enum class BackImage { Tab, Tree };
enum class SoundEvent { MouseClick, MouseOver };

// "Select File" for an image file, preset with the current image's name; OK
// sets the full path. Returns whether the setting changed.
bool chooseBackImage(TAppletSettings& settings, BackImage image, UserInterface& ui);
// Asks first; on Yes the image is emptied. Returns whether it was.
bool removeBackImage(TAppletSettings& settings, BackImage image, UserInterface& ui);

// "Select Sound File" opened on the "Sounds" folder of the program folder;
// OK sets the sound's full path and its shown name. Returns whether they changed.
bool chooseSound(TAppletSettings& settings, SoundEvent event, UserInterface& ui, const std::string& programFolder);
// Asks first; on Yes the sound and its name are emptied. Returns whether they were.
bool removeSound(TAppletSettings& settings, SoundEvent event, UserInterface& ui);

}  // namespace quillon
