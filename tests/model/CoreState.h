// A fresh program state for core tests: start-up values, the built-in model, and the New data set
// the program holds after its first show.
#pragma once

#include "model/AllClass.h"
#include "model/MacType.h"
#include "model/Maindb.h"
#include "model/myFun.h"

struct TCoreState {
    TALL All;
    TMacList List;

    explicit TCoreState(const std::string& appDir = "/nonexistent/")
    {
        InitState(All, List, appDir);
        PrepareFirstImage(All, List);
        NewDataSet(All, List);
    }
    uint8_t& At(int offset) { return All.Image[static_cast<size_t>(offset)]; }
};
