#include "format/applet_files.hpp"

namespace quillon {

AppletNames appletNamesFor(TAppletKind kind) {
  switch (kind) {
    case akTab: return {"OrvelTab", "TrellTabR.jar", "TrellTabR.class"};
    case akTree: return {"OrvelTree", "TrellTreeR.jar", "TrellTreeR.class"};
    case akTabTree: break;
  }
  return {"OrvelTabTree", "TrellTabTreeR.jar", "TrellTabTreeR.class"};
}

}  // namespace quillon
