#pragma once
// The application object: exactly one exists, from the early start-up to the end of the process.

#include "framework/Runtime.h"

class Vemtarix : public Application {
  public:
    void Constructor() {}
};
