// SPDX-License-Identifier: MIT
#pragma once

#include "board/Brickfall.h"
#include "ui/Form.h"
#include "ui/StandardControls.h"
#include "ui/Timer.h"

// The controls of the main window that the game flow reads and changes. The
// window owns them all and outlives the flow that refers to them.
struct GameControls {
  ui::Form& Form1;                // window caption, Close()
  TBrickfall& stackbox;           // the board
  ui::GroupBox& GroupBox2;        // "Question" frame around Label2
  ui::Label& Label2;              // the question text
  ui::GroupBox& RadioGroup1;      // "Possible Answers" frame (no items of its own)
  ui::RadioButton& RadioButton1;  // always the correct answer
  ui::RadioButton& RadioButton2;  // always the first wrong answer
  ui::RadioButton& RadioButton3;  // always the second wrong answer
  ui::Button& Button1;            // "?"
  ui::Image& Image2;              // the picture shown during free play
  ui::ProgressBar& ProgressBar1;  // the free-play gauge, 0..200
  ui::Timer& Timer1;              // fall timer, 450 ms
  ui::Timer& Timer2;              // free-play timer, 500 ms
};
