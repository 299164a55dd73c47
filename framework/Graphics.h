#pragma once
// The drawing context of a canvas's Paint event, in pixels with y growing downwards. Drawing is
// cut off at the canvas border.

#include <memory>

#include "framework/Properties.h"

class Graphics {
  public:
    struct Impl;
    explicit Graphics(Impl& impl);
    ~Graphics();

    // These hold for the drawing calls that follow.
    void ForeColor(Color color);
    void PenWidth(int width);
    void PenHeight(int height);

    void FillRect(int x, int y, int width, int height);
    void DrawLine(int x1, int y1, int x2, int y2);

  private:
    Impl& impl_;
};
