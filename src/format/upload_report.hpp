#pragma once
// The upload report: a text file beside the page listing every file the web
// site needs and the folder it belongs in.
#include <string>
#include <vector>

#include "format/site_layout.hpp"
#include "model/menu_model.hpp"

namespace quillon {

struct UploadReportInput {
  const TAppletSettings& settings;
  const DocumentState& document;
  const SiteLayout& layout;
  const std::vector<std::string>& contentFileNames;
  const std::vector<std::string>& copyList;
};

// The list of files, from "The following files need to be uploaded ..." on.
std::vector<std::string> uploadReportFileSection(const UploadReportInput& input);
// The lines that tell where the report and the files lie, put before the file section.
std::vector<std::string> uploadReportPreamble(const SiteLayout& layout);

}  // namespace quillon
