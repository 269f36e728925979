#pragma once
// Node icons: the checks that the default images are chosen, the browse window
// over the image list, adding pictures to the list and giving them to nodes.
#include <array>
#include <string>

#include "model/menu_model.hpp"
#include "ports/user_interface.hpp"

namespace quillon {

inline constexpr const char* kDefaultImagesMissingText =
    "Please specify default images before adding nodes.\n"
    "Alternatively, deselect \"Icons\" on the \"Tree Style\" tab.";

// Before a node is added: with icons in use (and the proxy mode off) every
// default image must be chosen. Shows the message and returns false otherwise.
bool checkDefaultImagesForNodes(const TAppletSettings& settings, UserInterface& ui);
// Before a node gets an image of its own: every default image must be chosen,
// whatever the proxy and icon settings.
bool checkDefaultImagesForNodeImage(const TAppletSettings& settings, UserInterface& ui);

// The image indexes the five previews show around the slider position
// (positions -2..+2); -1 where there is no image.
std::array<int, 5> imageBrowseWindow(int sliderPosition, int imageCount);

// Asks for pictures and appends each one not yet listed; pictures that are not
// 16 x 16 are refused with a message. Returns the new slider position: the last
// image, or the unchanged position when the dialog was cancelled.
int addImagesToList(MenuModel& menu, UserInterface& ui, const std::string& programFolder, int sliderPosition);

// The selected node of the current tab gets the image at the slider position.
// Returns false when nothing changed: the check failed, no node is selected, or
// the slider points at no image (an empty list has none to give).
bool setCollapsedImage(MenuModel& menu, UserInterface& ui, int sliderPosition);
bool setExpandedImage(MenuModel& menu, UserInterface& ui, int sliderPosition);

enum class DefaultImage { FolderClosed, FolderOpen, Leaf };

// One of the three default images becomes the image at the slider position.
// Refused (false) when the slider points at no image.
bool setDefaultImage(MenuModel& menu, DefaultImage which, int sliderPosition);

}  // namespace quillon
