// Screens and their controls: the catalogue (static data) and the form model
// (the live state every event procedure reads and writes).
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace cfhx {

enum class ControlKind { Label, Edit, Button, Option, Group };

std::string_view kindName(ControlKind kind);

// One control as the form resource defines it. Geometry is in layout units
// (origin top left of the screen's client area). `group` names the group
// frame that contains the control, empty when none.
struct ControlDef {
    std::string name;
    ControlKind kind = ControlKind::Label;
    std::string text;
    int x = 0, y = 0, w = 0, h = 0;
    std::string group;
    bool enabled = true;
    bool visible = true;
};

struct Rect {
    int x = 0, y = 0, w = 0, h = 0;
};

struct ScreenDef {
    std::string name;    // MAINFORM, FORM4 ...
    std::string title;   // window caption
    int width = 0, height = 0;
    std::vector<ControlDef> controls;
    Rect pane;           // text pane area; empty except on MAINFORM
};

// Every screen of the program, MAINFORM first.
const std::vector<ScreenDef>& screenCatalogue();

// Catalogue pieces, one per screen.
ScreenDef mainformScreen();
ScreenDef form4Screen();
ScreenDef form5Screen();
ScreenDef form6Screen();
ScreenDef form7Screen();
ScreenDef form2Screen();

// Live state of one control.
struct Control {
    const ControlDef* def = nullptr;
    std::string text;
    bool enabled = true;
    bool visible = true;
    // Marked as refused by a check; cleared when its text changes.
    bool flagged = false;
    uint64_t changed = 0;  // the forms' count of changes when it last changed
};

struct Screen {
    const ScreenDef* def = nullptr;
    bool shown = false;
    std::vector<Control> controls;
};

// Reads a field's text as a number: leading blanks (half- and full-width)
// are skipped and the longest numeric prefix is taken; full-width digits,
// signs, point and exponent letter count as their ASCII forms. Anything
// else, including the marks "－", "Rem.", "sat.", reads 0. A number too
// large for a double reads as infinity (with its sign), one too small as 0.
double readNumber(std::string_view text);
// The same reading, none when the text holds no number at all.
std::optional<double> numberIn(std::string_view text);

// What a field holds as an entry. A number is what numberIn reads with
// nothing but blanks around it ("12", " 1.5E-3 ", "１２"); "1,5", "1e",
// "12 m" and "abc" are not. The marks the program writes for "not given"
// ("－", "Rem.", "sat.", "Sat.", blanks around them) are not entries.
enum class Entry { Blank, Mark, Number, NotNumber };
Entry entryIn(std::string_view text);

// A number as the single-precision value the calculation keeps: beyond
// the float range it is infinite (with its sign); NaN is 0.
float singleOf(double v);

// The whole part of a number (toward zero) as an int, for codes and counts
// read from fields: NaN is 0, anything beyond the int range the nearest end.
int wholeNumber(double v);

class Forms;

// A handle to one control; all changes go through the model so that the
// front end hears about them.
class ControlRef {
public:
    ControlRef(Forms& forms, int screen, int control) : forms_(&forms), screen_(screen), control_(control) {}
    const std::string& text() const;
    double number() const { return readNumber(text()); }
    bool enabled() const;
    bool visible() const;
    void setText(std::string_view text) const;
    void enable(bool on = true) const;
    void disable() const { enable(false); }
    void show(bool on = true) const;
    void hide() const { show(false); }
    bool flagged() const;
    void flag(bool on = true) const;
    const ControlDef& def() const;

private:
    Forms* forms_;
    int screen_;
    int control_;
};

class ScreenRef {
public:
    ScreenRef(Forms& forms, int screen) : forms_(&forms), screen_(screen) {}
    ControlRef operator[](std::string_view control) const;
    bool has(std::string_view control) const;
    bool shown() const;
    void show(bool on = true) const;
    void hide() const { show(false); }
    int id() const { return screen_; }

private:
    Forms* forms_;
    int screen_;
};

// What changed, for whoever mirrors the model (the Qt windows).
struct FormsObserver {
    virtual ~FormsObserver() = default;
    virtual void controlChanged(int screen, int control) = 0;
    virtual void screenShownChanged(int screen) = 0;
};

// The form model: every screen of the catalogue with its controls in their
// catalogue state (all screens hidden until start-up shows them).
class Forms {
public:
    Forms();
    explicit Forms(const std::vector<ScreenDef>& catalogue);
    // A copy is forms of its own: nothing is known of what it was copied from.
    Forms(const Forms& other);
    Forms& operator=(const Forms& other);

    ScreenRef operator[](std::string_view screen);
    ScreenRef screen(int id) { return ScreenRef(*this, id); }
    int screenId(std::string_view screen) const;   // -1 when unknown
    int controlId(int screen, std::string_view control) const;  // -1 when unknown

    const std::vector<Screen>& screens() const { return screens_; }
    const Screen& at(int screen) const { return screens_.at(screen); }
    const Control& at(int screen, int control) const { return screens_.at(screen).controls.at(control); }

    // Every screen hidden and every control as the catalogue has it.
    void reset();
    // Every screen and control as in `other` (forms of the same catalogue);
    // the observer hears of each one that changes. Copying again from the
    // same forms looks only at the controls either side changed since.
    void copyStateFrom(const Forms& other);

    void setText(int screen, int control, std::string_view text);
    void setEnabled(int screen, int control, bool on);
    void setVisible(int screen, int control, bool on);
    void setShown(int screen, bool on);
    // A refused field is marked until its text changes or it is unmarked.
    void setFlagged(int screen, int control, bool on);
    // Every mark of one screen taken off.
    void clearFlags(int screen);

    void setObserver(FormsObserver* observer) { observer_ = observer; }

private:
    // Names to positions: open addressing in a table of a power of two
    // slots, at most half of them used (the procedures look fields up by
    // name all through a calculation).
    class Names {
    public:
        void add(std::string_view name, int id);  // a name given twice keeps its first
        int find(std::string_view name) const;    // -1 when unknown

    private:
        struct Slot {
            std::string_view name;
            int id = -1;
        };
        size_t slotOf(std::string_view name) const;
        std::vector<Slot> slots_;
        size_t used_ = 0;
    };
    // Screens and controls by name: read only, one per catalogue, shared
    // by every Forms of the program's own catalogue.
    struct Index {
        Names screens;
        std::vector<Names> controls;  // per screen
        explicit Index(const std::vector<ScreenDef>& catalogue);
    };
    Forms(const std::vector<ScreenDef>& catalogue, std::shared_ptr<const Index> index);

    void changed(Control& c, int screen, int control);

    std::vector<Screen> screens_;
    std::shared_ptr<const Index> index_;
    FormsObserver* observer_ = nullptr;
    uint64_t id_;           // unique to these forms
    uint64_t changes_ = 0;  // every change counts one
    // The forms last copied from and both counts of changes then.
    struct Copied {
        uint64_t from = 0;
        uint64_t theirChanges = 0;
        uint64_t ownChanges = 0;
    } copied_;
};

// Enables or disables the controls prefix+from ... prefix+to ("BUTTON", 1, 4).
void enableRange(ScreenRef screen, std::string_view prefix, int from, int to, bool on);

}  // namespace cfhx
