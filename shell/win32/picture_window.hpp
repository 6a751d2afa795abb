#pragma once
// The boring-log picture of one main data file in a window of its own, drawn with
// the Windows API over the picture presenter: zoomed and scrolled, saved as PDF,
// SVG or PNG or as exchange XML through the system's save dialog, printed through its
// print dialog, and checked.
#include <windows.h>

#include <memory>

#include "render/windows/gdiplus_drawing.hpp"
#include "window/picture_presenter.hpp"

namespace velni::win32 {

class PictureWindow : public PictureWindowView {
 public:
  PictureWindow(PictureSource source, HWND owner);
  ~PictureWindow() override;
  PictureWindow(const PictureWindow&) = delete;
  PictureWindow& operator=(const PictureWindow&) = delete;

  HWND Handle() const { return hwnd_; }
  PicturePresenter& Presenter() { return presenter_; }
  void ShowMessage(const std::u16string& prompt, int style) override;

 private:
  static LRESULT CALLBACK WindowProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  static LRESULT CALLBACK CanvasProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void CreateControls();
  void LayOut();
  void Command(int id);
  void Zoom(bool in);
  void UpdateScrollBars();
  void Scroll(int bar, WPARAM request);
  void PaintCanvas();
  void AskAndSave();
  void AskAndSaveExchange();
  void Print();
  void ShowCheck();

  PicturePresenter presenter_;
  PictureZoom zoom_;
  render::GdiplusDrawing painter_;
  HWND hwnd_ = nullptr;
  HWND canvas_ = nullptr;
  HWND status_ = nullptr;
};

}  // namespace velni::win32
