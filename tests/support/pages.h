// Pages of the text pane for tests: every page as it stood before it was
// cleared, the rows of a page, and a look-up of consecutive rows.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "app/pane.h"

namespace cfhx::testing {

struct PageLog : PaneObserver {
    std::vector<std::string> pages;
    void paneClearing(const Pane& pane) override { pages.push_back(pane.pageText()); }
};

// The rows of a page's text, the inverse of joining them with '\n': a
// trailing '\n' gives a last empty row.
inline std::vector<std::string> linesOf(std::string_view text) {
    std::vector<std::string> rows;
    if (text.empty()) return rows;
    for (size_t start = 0;;) {
        const size_t end = text.find('\n', start);
        rows.emplace_back(text.substr(start, end - start));
        if (end == std::string_view::npos) return rows;
        start = end + 1;
    }
}

// The rows of the pane's current page, read row by row.
inline std::vector<std::string> pageLines(const Pane& pane) {
    std::vector<std::string> rows;
    for (uint64_t l = pane.pageTop(); l < pane.endLine(); ++l) rows.push_back(pane.line(l));
    return rows;
}

// True when `run` stands in `page` as consecutive rows.
inline bool hasRun(std::string_view page, const std::vector<std::string>& run) {
    const std::vector<std::string> rows = linesOf(page);
    for (size_t i = 0; i + run.size() <= rows.size(); ++i) {
        size_t k = 0;
        while (k < run.size() && rows[i + k] == run[k]) ++k;
        if (k == run.size()) return true;
    }
    return false;
}

}  // namespace cfhx::testing
