#pragma once
#include "ReceiveEngine.h"

/** @brief A receive host that does nothing; tests and fuzz targets override what they watch. */
class NullReceiveHost : public ReceiveHost {
public:
    void SetUnits() override {}
    void SetMode() override {}
    void ShowUnitsText() override {}
    void ShowModeText() override {}
    void ShowBandUnits() override {}
    void ShowSetNumber() override {}
    void ShowReadingNumber() override {}
    void ShowBeeperState(int) override {}
    void ShowLiveValue(double) override {}
    bool ProgressVisible() override { return true; }
    void ShowProgress() override {}
    void CloseProgress() override {}
    void StoreReading() override {}
    void FinishDownload() override {}
};
