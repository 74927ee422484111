#include "app/screens.h"

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <stdexcept>

namespace cfhx {

std::string_view kindName(ControlKind kind) {
    switch (kind) {
    case ControlKind::Label: return "label";
    case ControlKind::Edit: return "edit";
    case ControlKind::Button: return "button";
    case ControlKind::Option: return "option";
    case ControlKind::Group: return "group";
    }
    return "?";
}

const std::vector<ScreenDef>& screenCatalogue() {
    static const std::vector<ScreenDef> catalogue = {
        mainformScreen(), form4Screen(), form5Screen(), form6Screen(), form7Screen(), form2Screen(),
    };
    return catalogue;
}

namespace {

// FNV-1a, its high half folded into the low bits the table indexes by.
size_t nameHash(std::string_view name) {
    uint64_t h = 14695981039346656037ull;
    for (const char c : name) {
        h ^= static_cast<unsigned char>(c);
        h *= 1099511628211ull;
    }
    return static_cast<size_t>(h ^ (h >> 32));
}

constexpr size_t kFirstNameSlots = 16;

uint64_t newFormsId() {
    static std::atomic<uint64_t> last{0};
    return ++last;
}

}  // namespace

size_t Forms::Names::slotOf(std::string_view name) const {
    const size_t mask = slots_.size() - 1;
    size_t at = nameHash(name) & mask;
    while (slots_[at].id >= 0 && slots_[at].name != name) at = (at + 1) & mask;
    return at;
}

void Forms::Names::add(std::string_view name, int id) {
    if (2 * (used_ + 1) > slots_.size()) {
        std::vector<Slot> old = std::move(slots_);
        slots_.assign(std::max(kFirstNameSlots, 2 * old.size()), Slot{});
        for (const Slot& s : old) {
            if (s.id >= 0) slots_[slotOf(s.name)] = s;
        }
    }
    Slot& slot = slots_[slotOf(name)];
    if (slot.id >= 0) return;
    slot = Slot{.name = name, .id = id};
    ++used_;
}

int Forms::Names::find(std::string_view name) const {
    if (slots_.empty()) return -1;
    return slots_[slotOf(name)].id;
}

Forms::Index::Index(const std::vector<ScreenDef>& catalogue) {
    controls.reserve(catalogue.size());
    for (const ScreenDef& def : catalogue) {
        screens.add(def.name, static_cast<int>(controls.size()));
        Names& names = controls.emplace_back();
        for (size_t c = 0; c < def.controls.size(); ++c) names.add(def.controls[c].name, static_cast<int>(c));
    }
}

Forms::Forms() : Forms(screenCatalogue(), [] {
    static const std::shared_ptr<const Index> index = std::make_shared<const Index>(screenCatalogue());
    return index;
}()) {}

Forms::Forms(const std::vector<ScreenDef>& catalogue) : Forms(catalogue, std::make_shared<const Index>(catalogue)) {}

Forms::Forms(const Forms& other)
    : screens_(other.screens_), index_(other.index_), observer_(other.observer_), id_(newFormsId()),
      changes_(other.changes_) {}

Forms& Forms::operator=(const Forms& other) {
    if (&other == this) return *this;
    screens_ = other.screens_;
    index_ = other.index_;
    observer_ = other.observer_;
    id_ = newFormsId();
    changes_ = other.changes_;
    copied_ = {};
    return *this;
}

Forms::Forms(const std::vector<ScreenDef>& catalogue, std::shared_ptr<const Index> index)
    : index_(std::move(index)), id_(newFormsId()) {
    screens_.reserve(catalogue.size());
    for (const ScreenDef& def : catalogue) {
        Screen s;
        s.def = &def;
        s.controls.reserve(def.controls.size());
        for (const ControlDef& c : def.controls) s.controls.push_back(Control{&c, c.text, c.enabled, c.visible});
        screens_.push_back(std::move(s));
    }
}

int Forms::screenId(std::string_view screen) const { return index_->screens.find(screen); }

int Forms::controlId(int screen, std::string_view control) const {
    if (screen < 0 || screen >= static_cast<int>(screens_.size())) return -1;
    return index_->controls[static_cast<size_t>(screen)].find(control);
}

// Unknown names are programming errors in a procedure, not user input.
ScreenRef Forms::operator[](std::string_view screen) {
    int id = screenId(screen);
    if (id < 0) throw std::logic_error("unknown screen " + std::string(screen));
    return ScreenRef(*this, id);
}

void Forms::reset() {
    for (int s = 0; s < static_cast<int>(screens_.size()); ++s) {
        Screen& screen = screens_[s];
        setShown(s, false);
        for (int c = 0; c < static_cast<int>(screen.controls.size()); ++c) {
            const ControlDef& def = *screen.controls[c].def;
            setText(s, c, def.text);
            setEnabled(s, c, def.enabled);
            setVisible(s, c, def.visible);
            setFlagged(s, c, false);
        }
    }
}

void Forms::copyStateFrom(const Forms& other) {
    if (&other == this) return;
    if (other.screens_.size() != screens_.size()) throw std::logic_error("forms of another catalogue");
    // Since the last copy from `other` a control differs only where one
    // side changed it.
    const bool again = copied_.from == other.id_;
    for (size_t s = 0; s < screens_.size(); ++s) {
        Screen& to = screens_[s];
        const Screen& from = other.screens_[s];
        if (from.def != to.def) throw std::logic_error("forms of another catalogue");
        for (size_t c = 0; c < to.controls.size(); ++c) {
            Control& t = to.controls[c];
            const Control& f = from.controls[c];
            if (again && t.changed <= copied_.ownChanges && f.changed <= copied_.theirChanges) continue;
            if (t.enabled == f.enabled && t.visible == f.visible && t.flagged == f.flagged && t.text == f.text) continue;
            t.text = f.text;
            t.enabled = f.enabled;
            t.visible = f.visible;
            t.flagged = f.flagged;
            changed(t, static_cast<int>(s), static_cast<int>(c));
        }
        setShown(static_cast<int>(s), from.shown);
    }
    copied_ = {.from = other.id_, .theirChanges = other.changes_, .ownChanges = changes_};
}

void Forms::changed(Control& c, int screen, int control) {
    c.changed = ++changes_;
    if (observer_) observer_->controlChanged(screen, control);
}

void Forms::setText(int screen, int control, std::string_view text) {
    Control& c = screens_.at(screen).controls.at(control);
    if (c.text == text) return;
    c.text.assign(text);
    c.flagged = false;
    changed(c, screen, control);
}

void Forms::setEnabled(int screen, int control, bool on) {
    Control& c = screens_.at(screen).controls.at(control);
    if (c.enabled == on) return;
    c.enabled = on;
    changed(c, screen, control);
}

void Forms::setVisible(int screen, int control, bool on) {
    Control& c = screens_.at(screen).controls.at(control);
    if (c.visible == on) return;
    c.visible = on;
    changed(c, screen, control);
}

void Forms::setFlagged(int screen, int control, bool on) {
    Control& c = screens_.at(screen).controls.at(control);
    if (c.flagged == on) return;
    c.flagged = on;
    changed(c, screen, control);
}

void Forms::clearFlags(int screen) {
    const auto& controls = screens_.at(screen).controls;
    for (size_t c = 0; c < controls.size(); ++c) {
        if (controls[c].flagged) setFlagged(screen, static_cast<int>(c), false);
    }
}

void Forms::setShown(int screen, bool on) {
    Screen& s = screens_.at(screen);
    if (s.shown == on) return;
    s.shown = on;
    ++changes_;
    if (observer_) observer_->screenShownChanged(screen);
}

const std::string& ControlRef::text() const { return forms_->at(screen_, control_).text; }
bool ControlRef::enabled() const { return forms_->at(screen_, control_).enabled; }
bool ControlRef::visible() const { return forms_->at(screen_, control_).visible; }
bool ControlRef::flagged() const { return forms_->at(screen_, control_).flagged; }
void ControlRef::flag(bool on) const { forms_->setFlagged(screen_, control_, on); }
const ControlDef& ControlRef::def() const { return *forms_->at(screen_, control_).def; }
void ControlRef::setText(std::string_view text) const { forms_->setText(screen_, control_, text); }
void ControlRef::enable(bool on) const { forms_->setEnabled(screen_, control_, on); }
void ControlRef::show(bool on) const { forms_->setVisible(screen_, control_, on); }

ControlRef ScreenRef::operator[](std::string_view control) const {
    int id = forms_->controlId(screen_, control);
    if (id < 0) {
        throw std::logic_error("unknown control " + forms_->at(screen_).def->name + "." + std::string(control));
    }
    return ControlRef(*forms_, screen_, id);
}

bool ScreenRef::has(std::string_view control) const { return forms_->controlId(screen_, control) >= 0; }
bool ScreenRef::shown() const { return forms_->at(screen_).shown; }
void ScreenRef::show(bool on) const { forms_->setShown(screen_, on); }

void enableRange(ScreenRef screen, std::string_view prefix, int from, int to, bool on) {
    for (int n = from; n <= to; ++n) screen[std::string(prefix) + std::to_string(n)].enable(on);
}

}  // namespace cfhx
