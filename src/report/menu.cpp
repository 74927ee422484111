// The post-result menu as a small state machine: each step shows or asks
// one thing and names the step that follows.
#include "report/menu.h"

#include <vector>

#include "app/app.h"
#include "app/codes.h"
#include "app/control_flow.h"
#include "app/screen_fields.h"
#include "calc/calculation.h"
#include "report/display_mode.h"
#include "report/menu_texts.h"
#include "report/result_rows.h"
#include "report/results.h"
#include "report/sheet.h"

namespace cfhx::report {
namespace {

namespace T = menu_texts;

// Where each table's menu goes.
struct TableMenu {
    std::string_view table;
    const T::MenuTexts* texts;
    std::string_view unitSwitch;      // the table of choice 2
    std::string_view languageSwitch;  // the table of choice 3
    bool switchSetsMode = false;      // choices 2 and 3 also change the display mode
    bool printShowsTable = true;      // choice 1 shows the table again before the print menu
};

constexpr TableMenu kMenus[] = {
    {.table = Lang::J, .texts = &T::kJ, .unitSwitch = Lang::JSI, .languageSwitch = Lang::E},
    {.table = Lang::JSI, .texts = &T::kJsi, .unitSwitch = Lang::J, .languageSwitch = Lang::ESI,
     .switchSetsMode = true, .printShowsTable = false},
    {.table = Lang::E, .texts = &T::kE, .unitSwitch = Lang::ESI, .languageSwitch = Lang::J},
    {.table = Lang::ESI, .texts = &T::kEsi, .unitSwitch = Lang::E, .languageSwitch = Lang::JSI},
};

const TableMenu& menuOf(std::string_view table) {
    for (const TableMenu& m : kMenus) {
        if (m.table == table) return m;
    }
    return kMenus[0];
}

enum class Step {
    Menu,           // the menu of the table shown
    Table,          // show the table, then its menu
    TableRefill,    // show the table, fill the summary screen, then the menu
    TableAndPrint,  // show the table, then its print menu
    PrintMenu,
};

class ResultMenu {
public:
    ResultMenu(App& app, calc::Record& r)
        : app_(app), r_(r), table_(displayMode(r.flags.LangUnitMode.view()).name),
          latent_(caseOf(r).latent != Case::LatentSide::None) {}

    [[noreturn]] void run() {
        Step step = Step::Menu;
        for (;;) {
            switch (step) {
                case Step::Menu: step = menu(); break;
                case Step::Table:
                    showTable(app_, r_, table_);
                    // The ESI table keeps the summary screen in step with it.
                    if (table_ == Lang::ESI) refillSummary();
                    step = Step::Menu;
                    break;
                case Step::TableRefill:
                    showTable(app_, r_, table_);
                    refillSummary();
                    step = Step::Menu;
                    break;
                case Step::TableAndPrint:
                    showTable(app_, r_, table_);
                    step = Step::PrintMenu;
                    break;
                case Step::PrintMenu: step = printMenu(); break;
            }
        }
    }

private:
    const TableMenu& current() const { return menuOf(table_); }
    const T::MenuTexts& texts() const { return *current().texts; }
    bool english() const { return displayMode(table_).english; }

    std::string ask(std::string_view prompt) {
        app_.pane.print(prompt);
        return app_.readLine();
    }

    void refillSummary() { fillSummaryScreen(app_, r_, table_, false); }

    void setDisplayMode(std::string_view mode) { r_.flags.LangUnitMode = mode; }

    Step menu() {
        const TableMenu& m = current();
        std::string answer;
        if (latent_) {
            app_.pane.print(texts().latentLine);
            answer = ask(texts().latentPrompt);
        } else {
            answer = ask(texts().oneLine);
        }
        if (answer == T::kWetGas) return wetGas();
        if (answer == T::kPrint) return m.printShowsTable ? Step::TableAndPrint : Step::PrintMenu;
        if (answer == T::kSwitchUnits || answer == T::kSwitchLanguage) {
            table_ = answer == T::kSwitchUnits ? m.unitSwitch : m.languageSwitch;
            if (m.switchSetsMode) setDisplayMode(table_);
            return Step::Table;
        }
        if (answer == T::kRecalculate) throw LeaveCalculation{};
        if (answer == T::kFinish) return check();
        return Step::Menu;
    }

    // Choice 0: the wet-gas table in the language and units of the menu.
    Step wetGas() {
        showWetGasTable(app_, r_, table_);
        return returnOrEnd(texts().wetPrompt, texts().wetEnd);
    }

    // Choice 5: the heat-balance check, then return or finish.
    Step check() {
        showHeatBalanceCheck(app_, r_);
        printEmptyLines(app_.pane, 2);
        return returnOrEnd(texts().checkPrompt, texts().checkEnd);
    }

    // 【1】 shows the table again; 【2】 asks to finish, and anything but
    // "y" asks 【1】/【2】 again.
    Step returnOrEnd(std::string_view prompt, std::string_view endQuestion) {
        for (;;) {
            const std::string answer = ask(prompt);
            if (answer == T::kReturn) return Step::Table;
            if (answer == T::kEnd && ask(endQuestion) == T::kYes) throw EndProgram{};
        }
    }

    Step printMenu() {
        app_.pane.print(texts().printLine);
        const std::string answer = ask(texts().printPrompt);
        if (answer == T::kSheet) return printSheet();
        if (answer == T::kTableCopy) return hardCopy(HardCopy::PaneWindow);
        if (answer == T::kDrawingCopy) return hardCopy(HardCopy::SummaryScreen);
        if (answer == T::kBack) return Step::TableRefill;
        return Step::PrintMenu;
    }

    void sendSheet(PrintRoute route) {
        app_.platform.printSheet(sheetPages(r_, table_, app_.platform.today()), route);
    }

    // Print choice {1}: each mode confirms in its own way.
    Step printSheet() {
        if (table_ == Lang::E) {
            // Without the system print driver the sheet goes to the line printer.
            const bool driver = ask(T::kPrinterQuestionE) == T::kYes;
            sendSheet(driver ? PrintRoute::Driver : PrintRoute::RawStream);
            return Step::PrintMenu;
        }
        if (table_ == Lang::ESI) {
            if (ask(T::kPrinterQuestionEsi) != T::kYes) return Step::Table;
            sendSheet(PrintRoute::Driver);
            return Step::PrintMenu;
        }
        app_.pane.clear();
        printEmptyLines(app_.pane, 9);
        const T::PdfNoteTexts& note = T::pdfNoteTexts(app_.language);
        app_.pane.print(note.note1);
        app_.pane.print(note.note2);
        const std::string answer = ask(note.question);
        if (answer == T::kYes) {
            sendSheet(PrintRoute::Driver);
            return Step::Table;
        }
        return answer == T::kNo ? Step::Table : Step::PrintMenu;
    }

    // Print choices {2}, {3}: the window is copied with the main window's
    // input open, as the user last saw it for entry; then closed again.
    Step hardCopy(HardCopy window) {
        const int main = app_.forms.screenId(kMain.screen);
        std::vector<bool> enabled;
        for (const Control& c : app_.forms.at(main).controls) enabled.push_back(c.enabled);
        openMainInput(app_);
        app_.platform.hardCopy(window);
        for (size_t i = 0; i < enabled.size(); ++i) app_.forms.setEnabled(main, static_cast<int>(i), enabled[i]);
        if (!english()) return Step::Table;
        setDisplayMode(table_);
        return Step::PrintMenu;
    }

    App& app_;
    calc::Record& r_;
    std::string_view table_;  // the table whose menu runs
    bool latent_;
};

}  // namespace

void resultMenu(App& app, calc::Record& r) { ResultMenu(app, r).run(); }

}  // namespace cfhx::report
