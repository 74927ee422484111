// A calculation taken stage by stage, for the tests of its dialogues: a
// session at the calculate button, the record, and every pane line printed
// from the start stage on.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "calc/record.h"
#include "calc/start.h"
#include "support/input_paths.h"
#include "support/pages.h"

namespace cfhx::testing {

// The wait the calculate button's confirmation box logs.
inline const std::string kConfirmBox = "yesno:　予備データーの登録確認|予備ﾃﾞｰﾀｰ登録は　ＯＫ ？\n\n　　";

// The start stage on its own, with the box answered Yes.
inline calc::Record startedRecord(Session& s) {
    calc::Record r = calc::freshRecord();
    s.platform.yesNo.push_back(true);
    calc::startCalculation(s.app, r);
    return r;
}

struct CalcRun {
    Session s;
    PageLog log;
    calc::Record r{};

    CalcRun() = default;
    CalcRun(const CalcRun&) = delete;
    CalcRun& operator=(const CalcRun&) = delete;
    ~CalcRun() { s.app.pane.setObserver(nullptr); }

    // The start stage, then a fresh page; every page is logged from here on.
    void begin() {
        r = startedRecord(s);
        s.platform.waits.clear();
        s.app.pane.clear();
        s.app.pane.setObserver(&log);
    }

    // Every line printed since begin(), pages in order.
    std::vector<std::string> lines() const {
        std::vector<std::string> all;
        for (const std::string& page : log.pages) {
            for (std::string& l : linesOf(page)) all.push_back(std::move(l));
        }
        for (std::string& l : linesOf(s.app.pane.pageText())) all.push_back(std::move(l));
        return all;
    }
    int count(const std::string& line) const {
        const auto all = lines();
        return static_cast<int>(std::count(all.begin(), all.end(), line));
    }
    bool has(const std::string& line) const { return count(line) > 0; }
    bool hasPrefix(const std::string& prefix) const {
        for (const std::string& l : lines()) {
            if (l.rfind(prefix, 0) == 0) return true;
        }
        return false;
    }
    // The number printed after `prefix` on the first line holding it.
    double after(const std::string& prefix) const {
        for (const std::string& l : lines()) {
            const size_t at = l.find(prefix);
            if (at != std::string::npos) return std::stod(l.substr(at + prefix.size()));
        }
        ADD_FAILURE() << "no line with " << prefix;
        return NAN;
    }
    int pauses() const {
        return static_cast<int>(std::count(s.platform.waits.begin(), s.platform.waits.end(), "pause"));
    }
};

}  // namespace cfhx::testing
