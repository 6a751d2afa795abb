#pragma once
// The boring-log picture of one main data file in a window of its own, drawn with
// Qt over the picture presenter: scrolled and zoomed, saved through the file
// dialog, printed through the print dialog, and its check list.
#include <QWidget>
#include <string>

#include "shell/message_box.hpp"
#include "window/picture_presenter.hpp"

namespace velni {

class CheckDialog;
class PictureView;

class PictureWindow : public QWidget, public PictureWindowView {
  Q_OBJECT

 public:
  // Without `showMessage` the window's own message boxes answer.
  PictureWindow(PictureSource source, MessageBoxFunction showMessage, QWidget* parent);
  // The view paints the presenter's drawing: it goes first.
  ~PictureWindow() override;

  PicturePresenter& Presenter() { return presenter_; }
  void ShowMessage(const std::u16string& prompt, int style) override;
  CheckDialog* ShowCheck();

 private:
  void CreateControls();
  void AskAndSave();
  void AskAndSaveExchange();
  void Print();

  MessageBoxFunction showMessage_;
  PicturePresenter presenter_;
  PictureView* view_ = nullptr;
};

}  // namespace velni
