// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// An observer for tests: records each redisplay call as a short text.

#include <string>
#include <vector>

#include "model/document_observer.h"

namespace zq61::test {

struct RecordingObserver : DocumentObserver {
    std::vector<std::string> calls;
    void reShowGrid(int chNo) override { calls.push_back("reShowGrid " + std::to_string(chNo)); }
    void ReshowByCh() override { calls.push_back("ReshowByCh"); }
    void SetGridEditData(bool fromGrid) override {
        calls.push_back(fromGrid ? "SetGridEditData 1" : "SetGridEditData 0");
    }
    void ShowRB() override { calls.push_back("ShowRB"); }
    void ShowRBOpt() override { calls.push_back("ShowRBOpt"); }
};

}  // namespace zq61::test
