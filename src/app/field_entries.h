// The fields a calculation route needs, as data, and the one check that
// finds the first of them left empty or holding something that is not a
// number. The OK buttons and the calculate button run it after their own
// checks for missing items and before the range checks; the field refused
// is marked on its screen until its text changes.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "app/codes.h"

namespace cfhx {

struct App;

// The selection codes that decide which fields a calculation reads.
struct Route {
    FluidKind tube = FluidKind::None;
    FluidKind shell = FluidKind::None;
    ProcessingNo no = ProcessingNo::Outlets;
    int tubeType = 0;
    int tapeCode = 0;
    int tubeFlowKind = 0, shellFlowKind = 0;
    int tubeComposition = 0, shellComposition = 0;
    int tubeMoisture = 0, shellMoisture = 0;
    int heatClass = 0, phaseChange = 0, htcMode = 0;
    bool starting = false;  // checked by the calculate button, not an OK button
};

Route routeOf(App& app, bool starting);

// Required: an empty field (or one showing a mark) is refused. Read: it may
// be left empty (it reads 0 and the calculation has its own answer for
// that), but a text in it must be a number.
enum class Need { Required, Read };

// One field: its control, its label as the screen shows it (without the
// unit), when the route reads it.
struct EntryField {
    const char* field;
    const char* label;
    bool (*when)(const Route&);
    Need need = Need::Required;
};

// The fields of one screen in the order they are checked; where
// `editableOnly`, a disabled or hidden field is passed over (the program
// wrote it and the user could not correct it there).
struct EntryFields {
    const char* screen;
    std::span<const EntryField> fields;
    bool editableOnly;
};

extern const EntryFields kColumnEntries;  // the construction column of MAINFORM
extern const EntryFields kForm5Entries;
extern const EntryFields kOptionEntries;  // the given coefficients and refrigerant data of FORM7

enum class BadEntry { Missing, NotNumber };

struct EntryRefusal {
    const char* screen;
    const char* field;
    std::string_view label;
    BadEntry why;
};

// What is wrong with a text as the entry of a field with that need; none
// when it will do.
std::optional<BadEntry> badEntry(std::string_view text, Need need);

// The first field of `list` the route needs that is missing or not a number.
// `starting`: the calculate button asks.
std::optional<EntryRefusal> firstBadEntry(App& app, const EntryFields& list, bool starting);

// "★ 伝熱管段数 が数値ではありません。！"
std::string entryMessage(Language language, std::string_view label, BadEntry why);
std::string entryMessage(Language language, const EntryRefusal& refusal);

// The label of a field of `list`; empty when the list has no such field.
std::string_view entryLabel(const EntryFields& list, std::string_view field);

// Marks the refused field on its screen.
void markField(App& app, const char* screen, const char* field);

}  // namespace cfhx
