// A run gate for tests: it knows whether it is held, checks that the flag is only read while it
// is, and lets the flag read false from a chosen read on, as a Cancel at that moment would.
#pragma once

#include <gtest/gtest.h>

#include <utility>

#include "join/join_host.h"

namespace cordwain {

class FakeGate final : public RunGate {
public:
    void Enter() override { EXPECT_FALSE(std::exchange(held, true)) << "the gate entered twice"; }
    void Leave() override { held = false; }
    bool IsRunning() const override
    {
        EXPECT_TRUE(held) << "the running flag read outside the gate";
        return falseFromRead == 0 || ++reads < falseFromRead;
    }

    bool held = false;
    int falseFromRead = 0;  // the flag reads false from this read on (1-based); 0: never
    mutable int reads = 0;
};

}  // namespace cordwain
