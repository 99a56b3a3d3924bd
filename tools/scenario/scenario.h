#pragma once

#include <memory>
#include <string>

// A deterministic NMEA 0183 4.11 stream of a multi-constellation, dual-band receiver that is
// switched on cold in a moving car: first nothing, then satellites found and locked one by
// one, then a 3D fix while driving. The same options give the same bytes on every platform.

struct ScenarioOptions {
    int seconds = 120;         // length of the run
    int fixAfterSeconds = 35;  // first second with a valid 3D fix
    int epochsPerSecond = 1;   // navigation rate: 1, 2, 4, 5 or 10 Hz
    // A fifth GNGSA, for QZSS (system ID 5), as L1/L5 receivers send even where no QZSS
    // satellite is up.
    bool qzssGsa = false;
    // UTC start of the run
    int year = 2026, month = 12, day = 6, hour = 23, minute = 58, second = 30;
    unsigned seed = 1;  // deterministic variation of sky, signal levels and drive
};

inline constexpr int maxScenarioSeconds = 1'000'000;
inline constexpr int maxEpochsPerSecond = 10;

// Empty when the options can be simulated, otherwise a one-line reason.
std::string describeScenarioProblem(const ScenarioOptions& options);

// Every epoch of the run, as one text.
std::string generateScenario(const ScenarioOptions& options);

class ScenarioGenerator {
public:
    // Options that describeScenarioProblem rejects are not an error here: a negative count
    // produces nothing and an impossible start time is replaced by 2000-01-01 00:00:00.
    explicit ScenarioGenerator(const ScenarioOptions& options);
    ~ScenarioGenerator();
    ScenarioGenerator(ScenarioGenerator&&) noexcept;
    ScenarioGenerator& operator=(ScenarioGenerator&&) noexcept;

    // Appends every sentence of the next epoch, each ending in CR LF, to out. Returns the
    // number of sentences appended; 0 once `seconds` seconds of epochs were produced.
    int appendNextEpoch(std::string& out);

private:
    struct State;
    std::unique_ptr<State> state;
};
