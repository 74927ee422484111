// Codes held as numbers name a value only when they hold it exactly.
#include "app/codes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>

namespace cfhx {
namespace {

TEST(Codes, AFluidKindIsNamedOnlyByItsWholeNumber) {
    struct Case {
        const char* name;
        float code;
        std::optional<FluidKind> named;
    };
    const Case kCases[] = {
        {.name = "no choice yet", .code = 0.0f, .named = FluidKind::None},
        {.name = "negative zero reads as no choice", .code = -0.0f, .named = FluidKind::None},
        {.name = "saturated humid gas", .code = 1.0f, .named = FluidKind::HumidGas},
        {.name = "gas", .code = 2.0f, .named = FluidKind::Gas},
        {.name = "water", .code = 3.0f, .named = FluidKind::Water},
        {.name = "typed-in properties", .code = 4.0f, .named = FluidKind::Manual},
        {.name = "a fraction names none", .code = 1.5f, .named = std::nullopt},
        {.name = "just below a code names none", .code = 2.9999998f, .named = std::nullopt},
        {.name = "a number past the kinds names none", .code = 5.0f, .named = std::nullopt},
        {.name = "a negative number names none", .code = -1.0f, .named = std::nullopt},
        {.name = "infinity names none", .code = INFINITY, .named = std::nullopt},
        {.name = "not a number names none", .code = NAN, .named = std::nullopt},
    };
    const FluidKind kinds[] = {FluidKind::None, FluidKind::HumidGas, FluidKind::Gas, FluidKind::Water,
                               FluidKind::Manual};
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.name);
        for (FluidKind k : kinds) EXPECT_EQ(fluidKind(c.code) == k, c.named == k) << static_cast<int>(k);
    }
}

TEST(Codes, EveryCodeReadsItsNamedValues) {
    struct Case {
        const char* name;
        bool named;
    };
    const Case kCases[] = {
        {.name = "unit code 3 is Japanese SI", .named = unitCode(3.0f) == UnitCode::JSI},
        {.name = "unit code 4 is Japanese old units", .named = unitCode(4.0f) == UnitCode::J},
        {.name = "processing No. 1 solves the length", .named = processingNo(1.0f) == ProcessingNo::Length},
        {.name = "processing No. 4 solves rows and shell flow",
         .named = processingNo(4.0f) == ProcessingNo::RowsAndShellFlow},
        {.name = "processing No. 7 solves the columns", .named = processingNo(7.0f) == ProcessingNo::Columns},
        {.name = "composition 1 is dry air", .named = composition(1.0f) == Composition::DryAir},
        {.name = "composition 3 is a full composition", .named = composition(3.0f) == Composition::Full},
        {.name = "moisture 3 is the saturation temperature",
         .named = moistureMode(3.0f) == MoistureMode::SaturationTemperature},
        {.name = "moisture 4 is the enthalpy", .named = moistureMode(4.0f) == MoistureMode::Enthalpy},
        {.name = "flow kind 1 is a volume", .named = flowKind(1.0f) == FlowKind::Volume},
        {.name = "flow kind 2 is a mass", .named = flowKind(2.0f) == FlowKind::Mass},
        {.name = "heat-transfer mode 4 gives both", .named = htcMode(4.0f) == HtcMode::BothGiven},
        {.name = "phase change 3 is condensation", .named = phaseChange(3.0f) == PhaseChange::Condensation},
        {.name = "phase change 2 is none of them",
         .named = phaseChange(2.0f) != PhaseChange::Evaporation && phaseChange(2.0f) != PhaseChange::Condensation &&
                  phaseChange(2.0f) != PhaseChange::None},
        {.name = "heat class 2 is latent", .named = heatClass(2.0f) == HeatClass::Latent},
        {.name = "tube gas form 1 condenses", .named = tubeGasForm(1.0f) == TubeGasForm::CondensingVapour},
        {.name = "choice (A) 2 gives rows and length", .named = choiceA(2.0f) == ChoiceA::RowsAndLengthGiven},
        {.name = "tube type 3 is plate fin", .named = tubeType(3.0f) == TubeType::PlateFin},
        {.name = "record number of a named value", .named = codeOf(ProcessingNo::Outlets) == 5.0f},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.name);
        EXPECT_TRUE(c.named);
    }
}

}  // namespace
}  // namespace cfhx
