// SPDX-License-Identifier: MIT
#include "game/GameFlow.h"

#include <algorithm>
#include <array>
#include <string>

#include "base/IntegerText.h"
#include "base/Random.h"
#include "ui/Services.h"

namespace {

constexpr const char* kScoreCaptionPrefix = " - Score : ";
constexpr const char* kCorrectAnswerPrefix = "The correct answer was: ";
// The rules still promise 10 seconds of free play; it lasts 40 ticks of
// 500 ms. The text is the game's own and stays as players know it.
constexpr const char* kRulesText =
    "If you give a correct answer you will be able to play for 10 seconds, but else a piece will drop "
    "down. Use the arrow keys to move the pieces. With the up arrow you can rotate the pieces and with "
    "the space bar you can let them drop down. ";

constexpr unsigned kGameBoxFlags = ui::MB_ICONQUESTION | ui::MB_OK;
constexpr unsigned kFallInterval = 450;
constexpr int kPointsPerRow = 10;
constexpr int kGaugeStep = 5;

// Top edges of RadioButton1..3 for each slot pattern. Every pattern is a
// rotation of correct, first wrong, second wrong, so the correct answer
// shows in each place equally often.
struct SlotTops {
  int Correct, WrongA, WrongB;
};
constexpr std::array<SlotTops, 3> kSlotPatterns{{
    {248, 280, 312},
    {280, 312, 248},
    {312, 248, 280},
}};

// The sum as 32-bit arithmetic gives it: a run long enough to pass the
// largest score wraps instead of being undefined.
std::int32_t AddWrapping(std::int32_t value, std::int64_t amount) {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(value) + static_cast<std::uint32_t>(amount));
}

}  // namespace

GameFlow::GameFlow(const GameControls& controls, const QuestionBank& bank) : controls_(controls), bank_(bank) {}

void GameFlow::ShowNextQuestion() {
  const QuizQuestion question = bank_.DrawQuestion();
  controls_.Label2.SetCaption(question.Question);
  controls_.RadioButton1.SetCaption(question.Correct);
  controls_.RadioButton2.SetCaption(question.WrongA);
  controls_.RadioButton3.SetCaption(question.WrongB);
  const SlotTops& tops = kSlotPatterns[static_cast<std::size_t>(RandomBelow(3))];
  controls_.RadioButton1.SetTop(tops.Correct);
  controls_.RadioButton2.SetTop(tops.WrongA);
  controls_.RadioButton3.SetTop(tops.WrongB);
}

void GameFlow::NewGame1Click(TObject& /*Sender*/) {
  SetQuestionPanelVisible(true);
  controls_.Image2.Hide();
  controls_.Form1.SetCaption(kApplicationTitle);
  controls_.ProgressBar1.SetPosition(0);
  controls_.Timer1.SetEnabled(false);
  controls_.Timer2.SetEnabled(false);
  controls_.Timer1.SetInterval(kFallInterval);
  controls_.Button1.SetEnabled(true);
  controls_.RadioButton1.SetEnabled(true);
  controls_.RadioButton2.SetEnabled(true);
  controls_.RadioButton3.SetEnabled(true);
  controls_.Label2.SetEnabled(true);
  DeselectAnswers();
  // The first piece hangs at its entry place until the first answer.
  controls_.stackbox.NewGame();
  ShowNextQuestion();
}

// The selection is read twice: once to decide on the penalty and again after
// the piece has moved, so an answer chosen while the box is open still buys
// free play after the penalty.
void GameFlow::Button1Click(TObject& /*Sender*/) {
  if (!controls_.RadioButton1.Checked()) PunishWrongAnswer();
  controls_.stackbox.MoveDown();
  controls_.Timer1.SetEnabled(false);
  if (controls_.RadioButton1.Checked()) {
    SetQuestionPanelVisible(false);
    controls_.Image2.Show();
    controls_.Timer2.SetEnabled(true);
    controls_.ProgressBar1.SetPosition(0);
    controls_.Timer1.SetEnabled(true);
  }
  // After a right answer the panel is hidden: the question waits in it
  // until free play ends.
  ShowNextQuestion();
  DeselectAnswers();
}

// Names the right answer, then pushes the piece one to four columns at
// random (a blocked push still counts) and drops it; the caller's MoveDown
// then fixes it.
void GameFlow::PunishWrongAnswer() {
  ui::ShowMessageBox(CorrectAnswerText(controls_.RadioButton1.Caption()), kApplicationTitle, kGameBoxFlags,
                     ui::MessageBoxOwner::None);
  const std::int32_t shifts = RandomBelow(4) + 1;
  for (std::int32_t shift = 0; shift < shifts; ++shift) {
    const std::int32_t direction = RandomBelow(4);
    if (direction == 0 || direction == 2) controls_.stackbox.MoveRight();
    else controls_.stackbox.MoveLeft();
  }
  controls_.stackbox.DropPiece();
}

void GameFlow::Timer1Timer(TObject& /*Sender*/) { controls_.stackbox.MoveDown(); }

void GameFlow::Timer2Timer(TObject& /*Sender*/) {
  ui::ProgressBar& gauge = controls_.ProgressBar1;
  const std::int64_t position = gauge.Position();
  if (position == std::int64_t{gauge.Max()} - kGaugeStep) {
    controls_.Timer1.SetEnabled(false);
    controls_.Timer2.SetEnabled(false);
    SetQuestionPanelVisible(true);
    controls_.Image2.Hide();
    // Below the minimum: the gauge keeps it as empty.
    gauge.SetPosition(-kGaugeStep);
    return;
  }
  // The gauge keeps its position within its range, so a full one stays full.
  gauge.SetPosition(static_cast<int>(std::min<std::int64_t>(position + kGaugeStep, gauge.Max())));
}

void GameFlow::FormKeyUp(TObject& /*Sender*/, int& Key, ui::ShiftState /*Shift*/) {
  if (PieceIsLive()) {
    switch (Key) {
      case ui::kKeyLeft: controls_.stackbox.MoveLeft(); break;
      case ui::kKeyUp: controls_.stackbox.Rotate(0); break;
      case ui::kKeyRight: controls_.stackbox.MoveRight(); break;
      case ui::kKeyDown: controls_.stackbox.MoveDown(); break;
      default: break;
    }
  }
  // Consumed whatever the phase, so an arrow never moves a selection or
  // clicks a button behind the game's back.
  Key = 0;
}

void GameFlow::FormKeyPress(TObject& /*Sender*/, char& Key) {
  if (!PieceIsLive()) return;
  if (Key == ' ') controls_.stackbox.DropPiece();
  else if (Key == '0') controls_.stackbox.Rotate(1);
}

void GameFlow::Rules1Click(TObject& /*Sender*/) {
  ui::ShowMessageBox(kRulesText, kApplicationTitle, kGameBoxFlags, ui::MessageBoxOwner::None);
}

void GameFlow::Exit1Click(TObject& /*Sender*/) { controls_.Form1.Close(); }

void GameFlow::stackboxLineFull(TObject& /*Sender*/, std::int32_t Lines) {
  score_ = AddWrapping(score_, std::int64_t{kPointsPerRow} * Lines);
  controls_.Form1.SetCaption(std::string(kApplicationTitle) + kScoreCaptionPrefix + IntegerToText(score_));
}

void GameFlow::stackboxGameEnd(TObject& /*Sender*/) {
  controls_.Timer1.SetEnabled(false);
  controls_.Timer2.SetEnabled(false);
}

void GameFlow::SetQuestionPanelVisible(bool visible) {
  controls_.GroupBox2.SetVisible(visible);
  controls_.RadioGroup1.SetVisible(visible);
  controls_.RadioButton1.SetVisible(visible);
  controls_.RadioButton2.SetVisible(visible);
  controls_.RadioButton3.SetVisible(visible);
  controls_.Button1.SetVisible(visible);
}

void GameFlow::DeselectAnswers() {
  controls_.RadioButton1.SetChecked(false);
  controls_.RadioButton2.SetChecked(false);
  controls_.RadioButton3.SetChecked(false);
}

std::string CorrectAnswerText(std::string_view correct) { return kCorrectAnswerPrefix + std::string(correct); }
