// Notices a numeric routine leaves for the dialogue that called it: a
// property outside its fitted range, a pitch ratio to correct. The caller
// prints them, in order and in the run's language, right after the call.
#pragma once

#include <string_view>
#include <vector>

#include "app/codes.h"

namespace cfhx::calc {

enum class Note { PropertyAboveRange, PropertyBelowRange, SquarePitch };

struct Notes {
    std::vector<Note> added;
    void add(Note note) { added.push_back(note); }
};

std::string_view noteText(Note note, Language language);

}  // namespace cfhx::calc
