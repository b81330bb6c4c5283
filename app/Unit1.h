// SPDX-License-Identifier: MIT
#pragma once

#include <memory>

#include "app/WebLink.h"
#include "board/Brickfall.h"
#include "game/GameFlow.h"
#include "game/QuestionBank.h"
#include "ui/Form.h"
#include "ui/StandardControls.h"
#include "ui/MenuItem.h"
#include "ui/Timer.h"

class TForm1;

// The one main window while it exists; empty before it is created, after
// it is destroyed, and when creating it failed.
extern TForm1* Form1;

// The game's main window: the board on the left; on the right the title
// panel, the question and answer controls sharing their place with the
// photograph, and the free-play gauge. It owns every control, both timers,
// the menu and the link, and hands its events to the game flow.
class TForm1 final : public ui::Form {
 public:
  // The window asks its questions from the question file beside the
  // executable, or from `questions`.
  TForm1();
  explicit TForm1(QuestionBank questions);
  ~TForm1() override;

  // The controls and components, in the order they are created.
  [[nodiscard]] ui::Image& Image2() const { return image2_; }
  [[nodiscard]] TBrickfall& stackbox() const { return stackbox_; }
  [[nodiscard]] ui::GroupBox& GroupBox2() const { return groupBox2_; }
  [[nodiscard]] ui::Label& Label2() const { return label2_; }
  [[nodiscard]] ui::ProgressBar& ProgressBar1() const { return progressBar1_; }
  [[nodiscard]] ui::GroupBox& RadioGroup1() const { return radioGroup1_; }
  [[nodiscard]] ui::RadioButton& RadioButton1() const { return radioButton1_; }
  [[nodiscard]] ui::RadioButton& RadioButton2() const { return radioButton2_; }
  [[nodiscard]] ui::RadioButton& RadioButton3() const { return radioButton3_; }
  [[nodiscard]] ui::Button& Button1() const { return button1_; }
  [[nodiscard]] ui::Panel& Panel1() const { return panel1_; }
  [[nodiscard]] ui::Image& Image1() const { return image1_; }
  [[nodiscard]] ui::Label& Label1() const { return label1_; }
  [[nodiscard]] ui::Label& Label3() const { return label3_; }
  [[nodiscard]] ui::Label& Label4() const { return label4_; }
  [[nodiscard]] ui::Timer& Timer1() const { return timer1_; }
  [[nodiscard]] ui::Timer& Timer2() const { return timer2_; }
  [[nodiscard]] ui::MainMenu& MainMenu1() const { return mainMenu1_; }
  [[nodiscard]] TWebLink& WebLink1() const { return webLink1_; }

  // The menu's items, made with the menu in the constructor.
  [[nodiscard]] ui::MenuItem& Game1() const { return game1_; }
  [[nodiscard]] ui::MenuItem& NewGame1() const { return newGame1_; }
  [[nodiscard]] ui::MenuItem& N2() const { return n2_; }
  [[nodiscard]] ui::MenuItem& Exit1() const { return exit1_; }
  [[nodiscard]] ui::MenuItem& Help1() const { return help1_; }
  [[nodiscard]] ui::MenuItem& Rules1() const { return rules1_; }

  // The game that the window's events drive.
  [[nodiscard]] GameFlow& Game() const { return *gameFlow_; }

  // A click on the web address opens it.
  void Label4Click(TObject& Sender);

 private:
  // Points Form1 at the window for as long as the window lives, and clears
  // it again when building the window fails half-way.
  class Form1Reference final {
   public:
    explicit Form1Reference(TForm1* form);
    ~Form1Reference();
    Form1Reference(const Form1Reference&) = delete;
    Form1Reference& operator=(const Form1Reference&) = delete;

   private:
    TForm1* form_;
  };

  void LayOutWindow();
  void PlaceControls();
  void SetFonts();
  void SetControlDetails();
  void SetPictures();
  void SetAccessibleNames();
  void SetTimers();
  void BuildMenu();
  void SetUpBoard();
  void SetUpWebLink();
  void WireEvents();

  Form1Reference form1Reference_{this};

  // Declared in creation order: members are made in this order.
  ui::Image& image2_;
  TBrickfall& stackbox_;
  ui::GroupBox& groupBox2_;
  ui::Label& label2_;
  ui::ProgressBar& progressBar1_;
  ui::GroupBox& radioGroup1_;
  ui::RadioButton& radioButton1_;
  ui::RadioButton& radioButton2_;
  ui::RadioButton& radioButton3_;
  ui::Button& button1_;
  ui::Panel& panel1_;
  ui::Image& image1_;
  ui::Label& label1_;
  ui::Label& label3_;
  ui::Label& label4_;
  ui::Timer& timer1_;
  ui::Timer& timer2_;
  ui::MainMenu& mainMenu1_;
  ui::MenuItem& game1_;
  ui::MenuItem& newGame1_;
  ui::MenuItem& n2_;
  ui::MenuItem& exit1_;
  ui::MenuItem& help1_;
  ui::MenuItem& rules1_;
  TWebLink& webLink1_;
  std::unique_ptr<GameFlow> gameFlow_;
};
