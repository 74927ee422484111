// The menu after a result, driven headless: every choice of every table,
// read back from the transcript as a list of events (tables, prompts,
// answers, prints, the end).
#include <gtest/gtest.h>

#include <cstdlib>
#include <initializer_list>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "platform/cases/script_player.h"
#include "report/menu_texts.h"
#include "report/result_table_texts.h"
#include "support/case_scripts.h"
#include "support/sample_runs.h"

namespace cfhx {
namespace {

namespace T = report::menu_texts;

constexpr const char* kGasRun = testing::kGasCase;
constexpr const char* kLatentRun = testing::kLatentCase;

// What a prompt line is, by its text.
std::map<std::string, std::string> promptKeys() {
    std::map<std::string, std::string> keys;
    const std::pair<const char*, const T::MenuTexts*> modes[] = {
        {"J", &T::kJ}, {"JSI", &T::kJsi}, {"E", &T::kE}, {"ESI", &T::kEsi}};
    for (const auto& [name, t] : modes) {
        const std::string m(name);
        keys[std::string(t->oneLine)] = "menu " + m;
        keys[std::string(t->latentPrompt)] = "menu " + m;
        keys[std::string(t->printPrompt)] = "print menu " + m;
        keys[std::string(t->checkPrompt)] = "return or end";
        keys[std::string(t->wetPrompt)] = "return or end";
        keys[std::string(t->checkEnd)] = "end?";
        keys[std::string(t->wetEnd)] = "end?";
    }
    keys[std::string(T::kPdfNoteJapanese.question)] = "pdf?";
    keys[std::string(T::kPrinterQuestionE)] = "printer? E";
    keys[std::string(T::kPrinterQuestionEsi)] = "printer? ESI";
    return keys;
}

struct MenuRun {
    int status = -1;
    std::vector<std::string> events;
    std::map<std::string, std::vector<std::string>> tables;  // every page of each table
    std::string transcript;
};

// Which table a page shows, by its title; empty for none.
std::string tableOf(const std::string& page) {
    const std::pair<const char*, const report::Premise*> kTitles[] = {
        {"J", &report::kPremiseJ}, {"JSI", &report::kPremiseJsi}, {"E", &report::kPremiseE}, {"ESI", &report::kPremiseEsi}};
    for (const auto& [name, p] : kTitles) {
        if (page.find(p->title) != std::string::npos) return name;
    }
    return "";
}

MenuRun runMenu(const char* calculation, std::initializer_list<const char*> answers, const std::string& outDir = "") {
    std::string script = calculation;
    for (const char* a : answers) script += std::string("type ") + a + "\n";
    std::istringstream in(script);
    std::ostringstream out, err;
    ScriptOptions options;
    options.date = "07/03/05";
    options.outDir = outDir;
    MenuRun run;
    run.status = runScript(in, out, err, options);
    run.transcript = out.str() + err.str();

    static const std::map<std::string, std::string> keys = promptKeys();
    std::istringstream lines(out.str());
    std::string line, previous, page, lastPage;
    bool inPane = false;
    auto endPage = [&] {
        if (!inPane) return;
        inPane = false;
        // A page shown again with more lines below (a question asked again)
        // is not a new showing.
        const bool grown = !lastPage.empty() && page.rfind(lastPage, 0) == 0;
        lastPage = page;
        if (grown) return;
        const std::string table = tableOf(page);
        if (!table.empty()) {
            run.events.push_back("table " + table);
            // Up to the table's bottom line: the menu follows on the page.
            run.tables[table].push_back(page.substr(0, page.find('\n', page.rfind("└"))));
        }
        if (page.find("Check !") != std::string::npos) run.events.push_back("check");
        if (page.find("wet condensation") != std::string::npos) run.events.push_back("wet-gas table");
    };
    while (std::getline(lines, line)) {
        if (line.rfind("===", 0) == 0) endPage();
        if (line == "=== pane ===") {
            inPane = true;
            page.clear();
        } else if (line.rfind("=== pane, row", 0) == 0) {
            // Rows from the first changed one down: the rows above it are
            // those of the page shown last.
            inPane = true;
            const int first = std::atoi(line.c_str() + line.find_first_of("0123456789"));
            size_t keep = 0;
            for (int row = 1; row < first && lastPage.find('\n', keep) != std::string::npos; ++row) {
                keep = lastPage.find('\n', keep) + 1;
            }
            page = lastPage.substr(0, keep);
        } else if (inPane) {
            page += line + "\n";
        } else if (line == "=== read ===") {
            auto k = keys.find(previous);
            run.events.push_back(k == keys.end() ? "? " + previous : k->second);
        } else if (line.rfind("> ", 0) == 0) {
            run.events.push_back(line);
        } else if (line.rfind("=== print ", 0) == 0) {
            run.events.push_back(line.find("print driver") != std::string::npos ? "sheet: driver" : "sheet: raw");
        } else if (line.rfind("=== hard copy ", 0) == 0) {
            run.events.push_back(line.find("summary") != std::string::npos ? "copy: summary" : "copy: table");
        } else if (line == "=== the program has finished ===") {
            run.events.push_back("finished");
        }
        if (!line.empty() && line.rfind("===", 0) != 0 && line.rfind("> ", 0) != 0) previous = line;
    }
    endPage();
    return run;
}

// The events from the first table on.
std::vector<std::string> fromResult(const MenuRun& run) {
    for (size_t i = 0; i < run.events.size(); ++i) {
        if (run.events[i].rfind("table ", 0) == 0) return {run.events.begin() + static_cast<long>(i), run.events.end()};
    }
    return {};
}

TEST(ResultMenu, EveryChoiceLeadsWhereItShould) {
    using E = std::vector<std::string>;
    struct Case {
        const char* name;
        const char* calculation;
        std::initializer_list<const char*> answers;
        E events;
        int status = kScriptDone;
    };
    const Case kCases[] = {
        {"recalculation leaves for the screens", kGasRun, {"4"}, E{"table J", "menu J", "> 4"}},
        {"an answer not on the menu asks again; \"01\" is not \"1\"", kGasRun, {"01", "", "6", "4"},
         E{"table J", "menu J", "> 01", "menu J", "> ", "menu J", "> 6", "menu J", "> 4"}},
        {"J, SI, J, SI: every showing of each table the same", kGasRun, {"2", "2", "2", "4"},
         E{"table J", "menu J", "> 2", "table JSI", "menu JSI", "> 2", "table J", "menu J", "> 2", "table JSI",
           "menu JSI", "> 4"}},
        {"J, SI, back to J, then English", kGasRun, {"2", "2", "3", "4"},
         E{"table J", "menu J", "> 2", "table JSI", "menu JSI", "> 2", "table J", "menu J", "> 3", "table E", "menu E",
           "> 4"}},
        {"the language and unit switches of E and ESI", kGasRun, {"3", "2", "3", "3", "4"},
         E{"table J", "menu J", "> 3", "table E", "menu E", "> 2", "table ESI", "menu ESI", "> 3", "table JSI",
           "menu JSI", "> 3", "table ESI", "menu ESI", "> 4"}},
        {"choice 0 in a sensible case still shows the shell-side wet-gas table", kGasRun, {"0", "1", "4"},
         E{"table J", "menu J", "> 0", "wet-gas table", "return or end", "> 1", "table J", "menu J", "> 4"}},
        {"the latent case's two-line menu and its wet-gas table, then finish", kLatentRun, {"0", "x", "2", "n", "2", "y"},
         E{"table J", "menu J", "> 0", "wet-gas table", "return or end", "> x", "return or end", "> 2", "end?", "> n",
           "return or end", "> 2", "end?", "> y", "finished"}},
        {"check, 2, n: back to the return-or-end prompt, not the menu", kGasRun, {"5", "2", "n", "1", "4"},
         E{"table J", "menu J", "> 5", "check", "return or end", "> 2", "end?", "> n", "return or end", "> 1",
           "table J", "menu J", "> 4"}},
        {"check and finish end the program", kGasRun, {"5", "2", "y"},
         E{"table J", "menu J", "> 5", "check", "return or end", "> 2", "end?", "> y", "finished"}},
        {"J print: the table again, its print menu, the sheet after the PDF note", kGasRun, {"1", "1", "y", "4"},
         E{"table J", "menu J", "> 1", "table J", "print menu J", "> 1", "pdf?", "> y", "sheet: driver", "table J",
           "menu J", "> 4"}},
        {"JSI print answered n prints nothing and shows the table again", kGasRun, {"2", "1", "1", "n", "4"},
         E{"table J", "menu J", "> 2", "table JSI", "menu JSI", "> 1", "print menu JSI", "> 1", "pdf?", "> n",
           "table JSI", "menu JSI", "> 4"}},
        {"J print note: anything but y or n returns to the print menu", kGasRun, {"1", "1", "q", "4", "4"},
         E{"table J", "menu J", "> 1", "table J", "print menu J", "> 1", "pdf?", "> q", "print menu J", "> 4",
           "table J", "menu J", "> 4"}},
        {"J hard copies, then the table", kGasRun, {"1", "2", "1", "3", "4"},
         E{"table J", "menu J", "> 1", "table J", "print menu J", "> 2", "copy: table", "table J", "menu J", "> 1",
           "table J", "print menu J", "> 3", "copy: summary", "table J", "menu J", "> 4"}},
        {"E print: y through the driver, n to the line printer, back to the print menu", kGasRun,
         {"3", "1", "1", "y", "1", "n", "2", "4", "4"},
         E{"table J", "menu J", "> 3", "table E", "menu E", "> 1", "table E", "print menu E", "> 1", "printer? E",
           "> y", "sheet: driver", "print menu E", "> 1", "printer? E", "> n", "sheet: raw", "print menu E", "> 2",
           "copy: table", "print menu E", "> 4", "table E", "menu E", "> 4"}},
        {"ESI print: y prints, anything else shows the table", kGasRun, {"3", "2", "1", "1", "y", "1", "n", "4"},
         E{"table J", "menu J", "> 3", "table E", "menu E", "> 2", "table ESI", "menu ESI", "> 1", "table ESI",
           "print menu ESI", "> 1", "printer? ESI", "> y", "sheet: driver", "print menu ESI", "> 1", "printer? ESI",
           "> n", "table ESI", "menu ESI", "> 4"}},
        {"the print menu asks again on anything else", kGasRun, {"1", "5", "4", "4"},
         E{"table J", "menu J", "> 1", "table J", "print menu J", "> 5", "print menu J", "> 4", "table J", "menu J",
           "> 4"}},
        {"a script that stops at the menu ends with status 3", kGasRun, {}, E{"table J", "menu J"},
         kScriptUnansweredWait},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        const MenuRun run = runMenu(c.calculation, c.answers);
        EXPECT_EQ(run.status, c.status) << run.transcript;
        EXPECT_EQ(fromResult(run), c.events);
        // Every showing of a table prints the same page: switching units and
        // language any number of times changes no value.
        for (const auto& [table, pages] : run.tables) {
            for (const std::string& page : pages) EXPECT_EQ(page, pages.front()) << "table " << table;
        }
    }
}

// Recalculation: every entry is still in its field, and the next run goes
// on from them, here with a longer tube.
TEST(ResultMenu, RecalculationKeepsTheEntriesForTheNextRun) {
    testing::Session s;
    auto entries = [&] {
        std::vector<std::string> texts;
        for (const char* screen : {"MAINFORM", "FORM5", "FORM6", "FORM7"}) {
            const int id = s.app.forms.screenId(screen);
            for (const Control& c : s.app.forms.at(id).controls) {
                // The composition/property panel EDIT97-EDIT127 is emptied on return.
                const int n = c.def->name.rfind("EDIT", 0) == 0 ? std::atoi(c.def->name.c_str() + 4) : 0;
                const bool panel = std::string_view(screen) == "MAINFORM" && n >= 97 && n <= 127;
                if (c.def->kind == ControlKind::Edit && !panel) texts.push_back(c.def->name + "=" + c.text);
            }
        }
        return texts;
    };
    testing::runSample(s, {.name = "gas No. 5", .number = testing::processingButton(5)});
    const calc::Record* first = testing::lastResult(s);
    ASSERT_NE(first, nullptr);
    const float firstQ = first->Q2;
    const std::vector<std::string> before = entries();

    s.platform.yesNo.push_back(true);
    s.platform.lines.push_back(testing::kRecalculate);
    ASSERT_TRUE(s.click("MAINFORM.BUTTON9"));
    ASSERT_NE(testing::lastResult(s), nullptr);
    EXPECT_EQ(testing::lastResult(s)->Q2, firstQ) << "the same entries, the same duty";
    EXPECT_EQ(entries(), before);

    s("FORM5.EDIT157").setText("3000");  // tube length, mm
    s.platform.yesNo.push_back(true);
    s.platform.lines.push_back(testing::kRecalculate);
    ASSERT_TRUE(s.click("MAINFORM.BUTTON9"));
    ASSERT_NE(testing::lastResult(s), nullptr);
    EXPECT_GT(testing::lastResult(s)->Q2, firstQ) << "a longer tube exchanges more";
}

}  // namespace
}  // namespace cfhx
