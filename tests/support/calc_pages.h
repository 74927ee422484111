// Pane helpers for the calculation tests: every page as it stood before it
// was cleared, and the wait the calculate button's confirmation box logs.
#pragma once

#include <string>
#include <vector>

#include "app/pane.h"

namespace cfhx::testing {

inline const std::string kConfirmBox = "yesno:　予備データーの登録確認|予備ﾃﾞｰﾀｰ登録は　ＯＫ ？\n\n　　";

struct PageLog : PaneObserver {
    std::vector<std::string> pages;
    void paneClearing(const Pane& pane) override { pages.push_back(pane.pageText()); }
};

}  // namespace cfhx::testing
