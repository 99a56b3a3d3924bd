#pragma once

#include <string>

#include "epoch_report.h"

namespace skyvane::scenario {

// Each appends one sentence. Fields the receiver does not know yet stay empty.
void appendRmc(const EpochReport& report, std::string& out);
void appendVtg(const EpochReport& report, std::string& out);
void appendGga(const EpochReport& report, std::string& out);
void appendGll(const EpochReport& report, std::string& out);

}  // namespace skyvane::scenario
