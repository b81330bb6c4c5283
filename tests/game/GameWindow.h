// SPDX-License-Identifier: MIT
#pragma once

#include <vector>

#include "board/Brickfall.h"
#include "ui/Button.h"
#include "ui/Form.h"
#include "ui/GroupBox.h"
#include "ui/Image.h"
#include "ui/Label.h"
#include "ui/ProgressBar.h"
#include "ui/RadioButton.h"
#include "ui/Timer.h"

// The controls of the main window that the game flow drives, the board
// among them, placed and started as the real window starts them, without a
// screen: the board paints on the window's surface all the same.
class GameWindow final : public ui::Form {
 public:
  GameWindow() {
    SetCaption("Tolvanix PlimBora");
    SetBounds(109, 96, 575, 377);
    Place(Image2, this, 200, 112, 369, 233);
    Place(stackbox, this, 8, 8, 181, 361);
    Place(GroupBox2, this, 200, 112, 369, 105);
    Place(Label2, &GroupBox2, 16, 24, 345, 73);
    Place(ProgressBar1, this, 200, 352, 369, 17);
    Place(RadioGroup1, this, 200, 224, 337, 121);
    Place(RadioButton1, this, 216, 248, 305, 17);
    Place(RadioButton2, this, 216, 280, 305, 17);
    Place(RadioButton3, this, 216, 312, 305, 17);
    Place(Button1, this, 544, 232, 25, 113);

    stackbox.SetBlockSize(18);
    stackbox.SetRows(20);
    stackbox.SetColumns(10);

    GroupBox2.SetCaption("Question");
    Label2.SetCaption("You must start a new game !");
    Label2.SetAutoSize(false);
    Label2.SetWordWrap(true);
    ProgressBar1.SetMax(200);
    RadioGroup1.SetCaption("Possible Answers");
    RadioButton1.SetCaption("Answer 1");
    RadioButton2.SetCaption("Answer 2");
    RadioButton3.SetCaption("Answer 3");
    Button1.SetCaption("?");
    for (ui::Control* hidden : QuestionPanel()) hidden->Hide();
    for (ui::RadioButton* answer : {&RadioButton1, &RadioButton2, &RadioButton3}) answer->SetEnabled(false);

    Timer1.SetEnabled(false);
    Timer1.SetInterval(450);
    Timer2.SetEnabled(false);
    Timer2.SetInterval(500);
  }

  ui::Image& Image2 = Create<ui::Image>();
  TBrickfall& stackbox = Create<TBrickfall>();
  ui::GroupBox& GroupBox2 = Create<ui::GroupBox>();
  ui::Label& Label2 = Create<ui::Label>();
  ui::ProgressBar& ProgressBar1 = Create<ui::ProgressBar>();
  ui::GroupBox& RadioGroup1 = Create<ui::GroupBox>();
  ui::RadioButton& RadioButton1 = Create<ui::RadioButton>();
  ui::RadioButton& RadioButton2 = Create<ui::RadioButton>();
  ui::RadioButton& RadioButton3 = Create<ui::RadioButton>();
  ui::Button& Button1 = Create<ui::Button>();
  ui::Timer& Timer1 = Create<ui::Timer>();
  ui::Timer& Timer2 = Create<ui::Timer>();

  // The six controls that show and hide together as the question panel.
  [[nodiscard]] std::vector<ui::Control*> QuestionPanel() {
    return {&GroupBox2, &RadioGroup1, &RadioButton1, &RadioButton2, &RadioButton3, &Button1};
  }

 private:
  static void Place(ui::Control& control, ui::WinControl* parent, int left, int top, int width, int height) {
    control.SetParent(parent);
    control.SetBounds(left, top, width, height);
  }
};
