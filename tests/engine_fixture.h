#pragma once
// The fixture of the engine's tests: a main window object that is never built (no widget, no
// controls) but is the open one, so that PolynomT reaches its services and scratch state through
// HauptF(); its state is prepared as Init prepares it.

#include <gtest/gtest.h>

#include "shell/HauptF.h"
#include "tests/support/FreshApplication.h"

class EngineTest : public FreshApplicationTest {
  protected:
    void SetUp() override {
        ASSERT_EQ(&HauptF(), &w);
        w.InitZustand();
    }
    class HauptF w;
};
