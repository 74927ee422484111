// Records with random numbers and flags for the robustness tests of the
// engine: every number of the record, from the selection codes on, half the
// time replaced by an odd value (zero, negative, tiny, huge) or a plain one.
#pragma once

#include <cstddef>
#include <iterator>
#include <random>

#include "calc/record.h"

namespace cfhx::testing {

constexpr size_t kFirstNumber = offsetof(calc::Record, UnitCode);
constexpr size_t kNumbers = (sizeof(calc::Record) - kFirstNumber) / sizeof(float);

inline float* numbers(calc::Record& r) { return reinterpret_cast<float*>(reinterpret_cast<char*>(&r) + kFirstNumber); }

struct RandomRecords {
    std::mt19937 rng{20261208};

    float pick() {
        static const float kValues[] = {0.0f,   -1.0f,  1e-6f,   0.0004f, 0.02f,  0.0254f, 0.5f,    1.0f,
                                        2.0f,   3.0f,   4.0f,    20.0f,   100.0f, 373.0f,  2000.0f, 1e5f,
                                        -50.0f, 1e-10f, 0.7902f, 0.2095f, 1e30f,  -1e30f,  1e-30f,  3e38f};
        std::uniform_int_distribution<int> choice(0, 2 * int(std::size(kValues)) - 1);
        int i = choice(rng);
        if (i < int(std::size(kValues))) return kValues[i];
        return std::uniform_real_distribution<float>(-10.0f, 500.0f)(rng);
    }

    calc::Record next() {
        calc::Record r = calc::freshRecord();
        float* v = numbers(r);
        std::bernoulli_distribution change(0.5);
        for (size_t i = 0; i < kNumbers; ++i)
            if (change(rng)) v[i] = pick();
        const char* yn[] = {"y", "n", ""};
        const char* digits[] = {"1", "2", "3", ""};
        r.flags.finned = yn[rng() % 3];
        r.flags.sTAPE = yn[rng() % 3];
        r.flags.sCOND = yn[rng() % 3];
        r.flags.sFIN = digits[rng() % 4];
        r.flags.arrangement = digits[rng() % 4];
        r.flags.sPROP = digits[rng() % 2];
        return r;
    }
};

}  // namespace cfhx::testing
