// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <utility>

#include "ui/Control.h"

namespace ui {

// A push button; Tab stops at it.
class Button final : public WinControl {
 public:
  Button() : WinControl(ControlKind::Button) { SetTabStop(true); }
};

// A plain area inside a raised edge one pixel wide, holding other controls.
class Panel final : public WinControl {
 public:
  Panel() : WinControl(ControlKind::Panel) {}
};

// A frame with a caption drawn around other controls. It groups nothing:
// radio buttons exclude each other by sharing a parent.
class GroupBox final : public WinControl {
 public:
  GroupBox() : WinControl(ControlKind::GroupBox) {}
};

// A radio button. Selecting one clears every other radio button with the
// same parent. Tab stops only at a selected one.
class RadioButton final : public WinControl {
 public:
  RadioButton() : WinControl(ControlKind::RadioButton) {}

  [[nodiscard]] bool Checked() const { return checked_; }
  // Selecting clears the siblings; only the user's click runs OnClick.
  void SetChecked(bool checked);

  // The user's click: selects the button, then runs OnClick.
  void Click() override;

 private:
  bool checked_ = false;
};

// A gauge over the integers Min..Max. A position outside the range is
// stored as the nearer limit, and so is the position when the range moves
// past it.
class ProgressBar final : public WinControl {
 public:
  ProgressBar() : WinControl(ControlKind::ProgressBar) {}

  [[nodiscard]] int Min() const { return min_; }
  [[nodiscard]] int Max() const { return max_; }
  [[nodiscard]] int Position() const { return position_; }
  void SetMin(int min);
  void SetMax(int max);
  void SetPosition(int position);

 private:
  [[nodiscard]] int Clamped(int position) const;
  void RangeChanged();

  int min_ = 0;
  int max_ = 100;
  int position_ = 0;
};

// Text on the parent's background. Its caption is plain text with "&"
// access letters, never markup. Windowless: it takes no focus, but it
// reports clicks.
class Label final : public GraphicControl {
 public:
  Label() : GraphicControl(ControlKind::Label) {}

  // With AutoSize the label takes the size of its text in its font, as the
  // platform's TextMeasure tells it, keeping its left and top; otherwise,
  // or without a TextMeasure, it keeps its size.
  [[nodiscard]] bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool autoSize);
  // With WordWrap long text breaks at word boundaries within the width and
  // is cut off at the bottom edge.
  [[nodiscard]] bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool wordWrap);

 protected:
  void TextChanged() override { FitToText(); }

 private:
  void FitToText();

  bool autoSize_ = false;
  bool wordWrap_ = false;
};

// A picture, windowless. The picture is named by a path the platform loads
// (a file, or a resource path such as ":/assets/photo.bmp"). Stretched, it
// fills the box taking the nearest source pixel for each target pixel;
// otherwise it is drawn at its own size in the top-left corner.
class Image final : public GraphicControl {
 public:
  Image() : GraphicControl(ControlKind::Image) {}

  [[nodiscard]] const std::string& Picture() const { return picture_; }
  void SetPicture(std::string picture) {
    if (Store(picture_, std::move(picture))) Changed(Change::Picture);
  }
  [[nodiscard]] bool Stretch() const { return stretch_; }
  void SetStretch(bool stretch) {
    if (Store(stretch_, stretch)) Changed(Change::Picture);
  }

 private:
  std::string picture_;
  bool stretch_ = false;
};

}  // namespace ui
