#pragma once
// The statistics window: the live run report, refreshed once a second while
// it is shown, with the reference position to measure against and "Save
// Report". Modeless; closing it only hides it.

#include "ui/text_rows_window.h"

class RunJudge;

class CStatisticsWindow : public CTextRowsWindow {
public:
    explicit CStatisticsWindow(RunJudge& runJudge);

    // True while the operator's reference, set here, holds over the settings file's.
    bool hasOwnReference() const { return ownReference; }

private:
    void onCommand(int id) override;
    void buildRows(std::int32_t width, std::int32_t height, const char16_t* noteText,
                   TextRowsView* rows) override;
    void setReferenceFromFields();
    void useMeanReference();
    void saveReport();

    RunJudge& judge;
    bool ownReference = false;
};
