#pragma once
// Builds big menus for the benchmarks: tabs of folders with leaves below.
#include "model/menu_model.hpp"

namespace quillon::bench {

// A Tab&Tree menu of tabs x nodesPerTab nodes: each tab holds folders of ten
// nodes (a folder and nine leaves), with captions, links and status texts.
void buildLargeMenu(MenuModel& menu, int tabs, int nodesPerTab);

// Peak resident memory of this process so far, in MiB.
double peakMemoryMiB();

}  // namespace quillon::bench
