#include "epoch_writer.h"

#include "position_sentences.h"
#include "satellite_sentences.h"
#include "sentence_builder.h"

namespace skyvane::scenario {

namespace {

constexpr int noticeIntervalSeconds = 30;

// Receivers repeat their antenna supervisor state now and then; a cold start announces
// itself first.
void appendNotice(const EpochReport& report, std::string& out) {
    SentenceBuilder sentence("GNTXT");
    sentence.field("01").field("01").field("02");  // one of one, notice
    sentence.field(report.elapsed == 0 ? "COLD START" : "ANTENNA OK");
    sentence.appendTo(out);
}

}  // namespace

int appendEpochSentences(const EpochReport& report, GsaSet gsaSet, std::string& out) {
    appendRmc(report, out);
    appendVtg(report, out);
    appendGga(report, out);
    int count = 3;
    count += appendGsaSet(report, gsaSet, out);
    const auto& bands = signalBands();
    for (int i = 0; i < bandCount; ++i) {
        count += appendGsvSet(bands[i], report.bands[i], out);
    }
    appendGll(report, out);
    ++count;
    if (report.elapsed % noticeIntervalSeconds == 0 && report.epochInSecond == 0) {
        appendNotice(report, out);
        ++count;
    }
    return count;
}

}  // namespace skyvane::scenario
