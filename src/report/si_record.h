// The result record in SI for the length of a presentation: converted on
// entry, back to the old units on leaving (also when a message leaves the
// calculation), so no one else ever reads it in SI.
#pragma once

#include "calc/record.h"
#include "calc/units.h"

namespace cfhx::report {

class SiRecord {
public:
    SiRecord(calc::Record& r, bool si) : r_(r), si_(si) {
        if (si_) calc::resultToSi(r_);
    }
    ~SiRecord() {
        if (si_) calc::resultToOld(r_);
    }
    SiRecord(const SiRecord&) = delete;
    SiRecord& operator=(const SiRecord&) = delete;

private:
    calc::Record& r_;
    bool si_;
};

}  // namespace cfhx::report
