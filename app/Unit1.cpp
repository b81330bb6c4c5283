// SPDX-License-Identifier: MIT
#include "app/Unit1.h"

#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "app/Homepage.h"
#include "app/Pictures.h"
#include "base/Color.h"
#include "game/GameControls.h"
#include "game/QuestionBank.h"
#include "ui/Font.h"
#include "ui/Keys.h"

TForm1* Form1 = nullptr;

namespace {

constexpr int kNoTabOrder = -1;

// One control of the stored layout: where it lies, what it says and how it
// starts. Tab orders apply to windowed controls only.
struct Placement {
  ui::Control& Control;
  std::string_view Name;
  ui::WinControl& Parent;
  int Left, Top, Width, Height;
  std::string_view Caption;
  bool Visible;
  bool Enabled;
  int TabOrder;
};

// The layout is drawn for the window font, "MS Sans Serif" 11 pixels high at
// 96 pixels per inch (ui::Font's defaults), which every control keeps unless
// given one of these; the platform substitutes a similar face where one is
// missing.
const ui::Font kFrameCaptionFont{.Name = "MS Sans Serif", .Height = 11, .Bold = true, .Color = clOlive};
const ui::Font kAnswerCommandFont{.Name = "MS Sans Serif", .Height = 11, .Bold = true, .Color = clWindowText};
const ui::Font kTitleFont{.Name = "Arial", .Height = 24, .Bold = true, .Color = clOlive};
const ui::Font kLinkFont{.Name = "MS Sans Serif", .Height = 11, .Underline = true, .Color = clBlue};

}  // namespace

TForm1::Form1Reference::Form1Reference(TForm1* form) : form_(form) { Form1 = form; }

TForm1::Form1Reference::~Form1Reference() {
  if (Form1 == form_) Form1 = nullptr;
}

TForm1::TForm1() : TForm1(QuestionBank(DefaultQuestionFile())) {}

TForm1::TForm1(QuestionBank questions)
    : image2_(Create<ui::Image>()),
      stackbox_(Create<TBrickfall>()),
      groupBox2_(Create<ui::GroupBox>()),
      label2_(Create<ui::Label>()),
      progressBar1_(Create<ui::ProgressBar>()),
      radioGroup1_(Create<ui::GroupBox>()),
      radioButton1_(Create<ui::RadioButton>()),
      radioButton2_(Create<ui::RadioButton>()),
      radioButton3_(Create<ui::RadioButton>()),
      button1_(Create<ui::Button>()),
      panel1_(Create<ui::Panel>()),
      image1_(Create<ui::Image>()),
      label1_(Create<ui::Label>()),
      label3_(Create<ui::Label>()),
      label4_(Create<ui::Label>()),
      timer1_(Create<ui::Timer>()),
      timer2_(Create<ui::Timer>()),
      mainMenu1_(Create<ui::MainMenu>()),
      game1_(mainMenu1_.Add("Game")),
      newGame1_(game1_.Add("&New Game")),
      n2_(game1_.AddSeparator()),
      exit1_(game1_.Add("E&xit")),
      help1_(mainMenu1_.Add("&Help")),
      rules1_(help1_.Add("How to &play ?")),
      webLink1_(Create<TWebLink>()) {
  LayOutWindow();
  PlaceControls();
  SetUpBoard();
  SetFonts();
  SetControlDetails();
  SetPictures();
  SetAccessibleNames();
  SetTimers();
  BuildMenu();
  SetUpWebLink();
  gameFlow_ = std::make_unique<GameFlow>(
      GameControls{.Form1 = *this,
                   .stackbox = stackbox_,
                   .GroupBox2 = groupBox2_,
                   .Label2 = label2_,
                   .RadioGroup1 = radioGroup1_,
                   .RadioButton1 = radioButton1_,
                   .RadioButton2 = radioButton2_,
                   .RadioButton3 = radioButton3_,
                   .Button1 = button1_,
                   .Image2 = image2_,
                   .ProgressBar1 = progressBar1_,
                   .Timer1 = timer1_,
                   .Timer2 = timer2_},
      std::move(questions));
  WireEvents();
}

TForm1::~TForm1() {
  // The controls go first, while the members they may call back are whole.
  DestroyComponents();
}

void TForm1::LayOutWindow() {
  SetName("Form1");
  SetBounds(109, 96, 575, 377);
  SetCaption("Tolvanix PlimBora");
}

void TForm1::PlaceControls() {
  const std::initializer_list<Placement> layout = {
      // control       name            parent       left  top  width height  caption, visible, enabled, tab order
      {image2_,        "Image2",       *this,       200, 112, 369, 233, "", true, true, kNoTabOrder},
      {stackbox_,      "stackbox",     *this,         8,   8, 181, 361, "", true, true, kNoTabOrder},
      {groupBox2_,     "GroupBox2",    *this,       200, 112, 369, 105, "Question", false, true, 5},
      {label2_,        "Label2",       groupBox2_,   16,  24, 345,  73, "You must start a new game !", true, true,
       kNoTabOrder},
      {progressBar1_,  "ProgressBar1", *this,       200, 352, 369,  17, "", true, true, 4},
      {radioGroup1_,   "RadioGroup1",  *this,       200, 224, 337, 121, "Possible Answers", false, true, 0},
      {radioButton1_,  "RadioButton1", *this,       216, 248, 305,  17, "Answer 1", false, false, 1},
      {radioButton2_,  "RadioButton2", *this,       216, 280, 305,  17, "Answer 2", false, false, 2},
      {radioButton3_,  "RadioButton3", *this,       216, 312, 305,  17, "Answer 3", false, false, 3},
      {button1_,       "Button1",      *this,       544, 232,  25, 113, "?", false, true, 6},
      {panel1_,        "Panel1",       *this,       200,   8, 369,  97, "", true, true, 7},
      {image1_,        "Image1",       panel1_,      64,  16,  33,  33, "", true, true, kNoTabOrder},
      {label1_,        "Label1",       panel1_,     104,  16, 207,  29, "Tolvanix PlimBora", true, true,
       kNoTabOrder},
      {label3_,        "Label3",       panel1_,      65,  52, 248,  13,
       "Please visit my web site for more freeware programs !", true, true, kNoTabOrder},
      {label4_,        "Label4",       panel1_,     136,  72, 120,  13, kHomepageUrl, true, true, kNoTabOrder},
  };
  for (const Placement& place : layout) {
    ui::Control& control = place.Control;
    control.SetName(std::string(place.Name));
    control.SetParent(&place.Parent);
    control.SetBounds(place.Left, place.Top, place.Width, place.Height);
    control.SetCaption(std::string(place.Caption));
    control.SetVisible(place.Visible);
    control.SetEnabled(place.Enabled);
    if (auto* windowed = dynamic_cast<ui::WinControl*>(&control); windowed && place.TabOrder != kNoTabOrder) {
      windowed->SetTabOrder(place.TabOrder);
    }
  }
}

// The question keeps the window font inside its bold olive frame.
void TForm1::SetFonts() {
  groupBox2_.SetFont(kFrameCaptionFont);
  radioGroup1_.SetFont(kFrameCaptionFont);
  button1_.SetFont(kAnswerCommandFont);
  label1_.SetFont(kTitleFont);
  label4_.SetFont(kLinkFont);
}

void TForm1::SetControlDetails() {
  // The question keeps its box and wraps inside it; the other labels take
  // the size of their text.
  label2_.SetWordWrap(true);
  for (ui::Label* label : {&label1_, &label3_, &label4_}) label->SetAutoSize(true);
  label4_.SetCursor(ui::Cursor::HandPoint);

  progressBar1_.SetMin(0);
  progressBar1_.SetMax(200);
  progressBar1_.SetPosition(0);
  progressBar1_.SetTabStop(true);
}

void TForm1::SetPictures() {
  image2_.SetPicture(kLeafPicture);
  image2_.SetStretch(true);
  image1_.SetPicture(kIconPicture);
  image1_.SetStretch(false);
}

// Names for a screen reader where no caption says what a control is or does;
// the "?" keeps its caption on screen.
void TForm1::SetAccessibleNames() {
  button1_.SetAccessibleName("Answer");
  progressBar1_.SetAccessibleName("Free play time");
  stackbox_.SetAccessibleName("Board");
  image2_.SetAccessibleName("Photograph of a yellow maple leaf on wet pebbles");
  image1_.SetAccessibleName("Icon: a tower of coloured cubes");
}

void TForm1::SetTimers() {
  timer1_.SetName("Timer1");
  timer1_.SetEnabled(false);
  timer1_.SetInterval(450);
  timer2_.SetName("Timer2");
  timer2_.SetEnabled(false);
  timer2_.SetInterval(500);
}

void TForm1::BuildMenu() {
  mainMenu1_.SetName("MainMenu1");
  game1_.SetName("Game1");
  newGame1_.SetName("NewGame1");
  newGame1_.SetShortCut(ui::kKeyF2);
  n2_.SetName("N2");
  exit1_.SetName("Exit1");
  help1_.SetName("Help1");
  rules1_.SetName("Rules1");
  SetMenu(&mainMenu1_);
}

// The board lies in the window before its stored values are set, in the
// order the board declares them: each setter resizes or repaints it.
void TForm1::SetUpBoard() {
  stackbox_.SetColor(clBlack);
  stackbox_.SetGridColor(clWhite);
  stackbox_.SetBlockSize(18);
  stackbox_.SetRows(20);
  stackbox_.SetColumns(10);
  stackbox_.SetDrawGrid(false);
  // The stored catalogue is the same seven pieces the board is built with.
  stackbox_.SetPieces(DefaultPieces());
}

void TForm1::SetUpWebLink() {
  webLink1_.SetName("WebLink1");
  webLink1_.SetURL(kHomepageUrl);
}

void TForm1::WireEvents() {
  GameFlow& game = *gameFlow_;
  OnKeyDown = [&game](TObject& sender, int& key, ui::ShiftState shift) { game.FormKeyUp(sender, key, shift); };
  OnKeyPress = [&game](TObject& sender, char& key) { game.FormKeyPress(sender, key); };
  stackbox_.OnLineFull = [&game](TObject& sender, std::int32_t lines) { game.stackboxLineFull(sender, lines); };
  stackbox_.OnGameEnd = [&game](TObject& sender) { game.stackboxGameEnd(sender); };
  button1_.OnClick = [&game](TObject& sender) { game.Button1Click(sender); };
  label4_.OnClick = [this](TObject& sender) { Label4Click(sender); };
  timer1_.OnTimer = [&game](TObject& sender) { game.Timer1Timer(sender); };
  timer2_.OnTimer = [&game](TObject& sender) { game.Timer2Timer(sender); };
  newGame1_.OnClick = [&game](TObject& sender) { game.NewGame1Click(sender); };
  exit1_.OnClick = [&game](TObject& sender) { game.Exit1Click(sender); };
  rules1_.OnClick = [&game](TObject& sender) { game.Rules1Click(sender); };
}

void TForm1::Label4Click(TObject& /*Sender*/) { webLink1_.Execute(); }
