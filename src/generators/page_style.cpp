#include "generators/page_style.hpp"

#include <filesystem>
#include <system_error>

#include "format/html_escape.hpp"
#include "format/tag_attributes.hpp"
#include "format/text_helpers.hpp"

namespace quillon {

bool THTMLBody::confirmed() const { return BackgroundColor == kBodyConfirmedMarker; }

namespace {

// A colour text of a read page that is not "#RRGGBB" (empty, or a colour
// name) keeps the sample's default rather than turning black, so confirming
// the dialog never writes black text on a black page.
Color sampleColor(const std::string& text, Color fallback) { return readHtmlColor(text).value_or(fallback); }

}  // namespace

void showPageStyle(PageStyle& style, bool dropDownTab) {
  PageStyleForm& form = style.form;
  form.showLevel2And3 = !dropDownTab;
  form.level1Caption = dropDownTab ? "Normal Text - Example" : "Level 1 - Example";
  form.backgroundPicture = !style.body.BackgroundFile.empty();
  form.backgroundPictureFile = style.body.BackgroundFile;
  if (!style.body.confirmed()) {
    const PageStyleForm defaults;
    form.background = sampleColor(style.body.BackgroundColor, defaults.background);
    form.link = sampleColor(style.body.LinkColor, defaults.link);
    form.visitedLink = sampleColor(style.body.VisitedLinkColor, defaults.visitedLink);
    form.activeLink = sampleColor(style.body.ActiveLinkColor, defaults.activeLink);
    form.text = sampleColor(style.body.TextColor, defaults.text);
    for (PageFont* font : {&form.fontTitle, &form.fontLevel1, &form.fontLevel2, &form.fontLevel3}) {
      font->color = form.text;
    }
    form.useDefaultFonts = true;
    return;
  }
  const TSiteMapProp& props = style.props;
  form.background = props.BackgroundColor;
  form.text = props.TextColor;
  form.link = props.LinkColor;
  form.visitedLink = props.VisitedLinkColor;
  form.activeLink = props.ActiveLinkColor;
  form.fontTitle = props.FontTitle;
  form.fontLevel1 = props.FontLevel1;
  form.fontLevel2 = props.FontLevel2;
  form.fontLevel3 = props.FontLevel3;
}

std::string buildBodyTag(const PageStyleForm& form) {
  std::string tag = "<BODY";
  if (!form.backgroundPictureFile.empty()) {
    tag += " background=\"" + escapeHtmlAttribute(form.backgroundPictureFile) + "\"";
  }
  tag += " bgcolor=\"" + colorToHtml(form.background) + "\"";
  tag += " text=\"" + colorToHtml(form.text) + "\"";
  tag += " link=\"" + colorToHtml(form.link) + "\"";
  tag += " vlink=\"" + colorToHtml(form.visitedLink) + "\"";
  tag += " alink=\"" + colorToHtml(form.activeLink) + "\">";
  return tag;
}

std::string confirmPageStyle(PageStyle& style) {
  const PageStyleForm& form = style.form;
  TSiteMapProp& props = style.props;
  props.FontTitle = form.fontTitle;
  props.FontLevel1 = form.fontLevel1;
  props.FontLevel2 = form.fontLevel2;
  props.FontLevel3 = form.fontLevel3;
  props.BackgroundColor = form.background;
  props.TextColor = form.text;
  props.LinkColor = form.link;
  props.VisitedLinkColor = form.visitedLink;
  props.ActiveLinkColor = form.activeLink;
  style.body.BackgroundColor = kBodyConfirmedMarker;
  return buildBodyTag(form);
}

THTMLBody parseBodyTag(const std::string& tag) {
  // By whole names: "link" must not be found inside "vlink" or "alink".
  const ParsedTag parsed = parseTag(trim(tag));
  auto value = [&parsed](const char* name) {
    return trim(decodeCharacterReferences(parsed.attribute(name).value_or("")));
  };
  THTMLBody body;
  body.BackgroundFile = value("background");
  body.TextColor = value("text");
  body.BackgroundColor = value("bgcolor");
  body.LinkColor = value("link");
  body.VisitedLinkColor = value("vlink");
  body.ActiveLinkColor = value("alink");
  return body;
}

void setBackgroundPictureChecked(PageStyleForm& form, bool checked) {
  form.backgroundPicture = checked;
  if (!checked) form.backgroundPictureFile.clear();
}

std::string takeBackgroundPicture(PageStyle& style, const std::string& picture, const std::string& projectFolder) {
  const std::string name = extractFileName(picture);
  const std::string copy = joinPath(projectFolder, name);
  std::error_code ignored;
  if (!std::filesystem::equivalent(picture, copy, ignored)) {
    std::filesystem::copy_file(picture, copy, std::filesystem::copy_options::overwrite_existing, ignored);
  }
  style.form.backgroundPicture = true;
  style.form.backgroundPictureFile = name;
  style.body.BackgroundFile = name;
  return name;
}

std::optional<std::string> browseBackgroundPicture(PageStyle& style, UserInterface& ui,
                                                   const std::string& projectFolder) {
  FileDialogRequest request;
  request.title = "Select background image";
  request.filter = "Gif Files (*.gif, *.jpg)|*.gif; *.jpg";
  request.initialDir = projectFolder;
  request.fileMustExist = true;
  const std::optional<std::string> picked = ui.openFile(request);
  if (!picked) return std::nullopt;
  return takeBackgroundPicture(style, *picked, projectFolder);
}

}  // namespace quillon
