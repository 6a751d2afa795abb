#pragma once
// A drawing painted with GDI+, part of Windows, on white with the sheet's margin, its
// texts in the bundled IPAGothic (loaded from beside the program into a private
// collection, so that a Windows without Japanese fonts still reads them), else the
// first Japanese family the host has. The PNG and the window's picture paint with it.
#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>

#include <memory>

#include "picture/drawing.hpp"

namespace velni::render {

class GdiplusDrawing {
 public:
  GdiplusDrawing();
  ~GdiplusDrawing();
  GdiplusDrawing(const GdiplusDrawing&) = delete;
  GdiplusDrawing& operator=(const GdiplusDrawing&) = delete;

  bool Started() const { return started_; }
  // Clears `graphics` white and paints `drawing` at `pixelsPerMillimetre`, its
  // origin the sheet's margin in from the top left.
  void Paint(Gdiplus::Graphics& graphics, const Drawing& drawing, double pixelsPerMillimetre) const;
  // The same marks on what `graphics` holds already (a printer's page), within its
  // clip and transform.
  void PaintMarks(Gdiplus::Graphics& graphics, const Drawing& drawing, double pixelsPerMillimetre) const;

 private:
  ULONG_PTR token_ = 0;
  bool started_ = false;
  std::unique_ptr<Gdiplus::PrivateFontCollection> bundled_;
  std::unique_ptr<Gdiplus::FontFamily> family_;
};

}  // namespace velni::render
