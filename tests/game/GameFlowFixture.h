// SPDX-License-Identifier: MIT
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <functional>
#include <ostream>
#include <sstream>
#include <string>

#include "base/Clock.h"
#include "base/IntegerText.h"
#include "base/Random.h"
#include "app/Unit1.h"
#include "board/Brickfall.h"
#include "game/GameFlow.h"
#include "game/QuestionBank.h"
#include "tests/board/BoardPicture.h"
#include "tests/game/TempFolder.h"
#include "tests/ui/testing/ManualTimers.h"
#include "tests/ui/testing/RecordingMessageBoxService.h"

// Draws from the shared random source as the game would make them from
// `seed`, and puts the source back as it was, so a test can tell in advance
// which question, answer order, penalty and piece the game is about to draw.
class DrawsFrom final {
 public:
  explicit DrawsFrom(std::uint32_t seed) : saved_(RandSeed()) { SetRandSeed(seed); }
  ~DrawsFrom() { SetRandSeed(saved_); }
  DrawsFrom(const DrawsFrom&) = delete;
  DrawsFrom& operator=(const DrawsFrom&) = delete;

  std::int32_t Below(std::int32_t n) { return RandomBelow(n); }

 private:
  std::uint32_t saved_;
};

inline constexpr int kQuestionCount = 4;
inline constexpr int kDefaultPieceCount = 7;
inline constexpr int kStick = 0;
inline constexpr int kBlock = 1;

// Question k of the test's file: its texts name their number.
inline QuizQuestion NumberedQuestion(int k) {
  const std::string n = IntegerToText(k);
  return {"Question " + n, "Right " + n, "Wrong A" + n, "Wrong B" + n};
}

inline void PrintTo(const QuizQuestion& q, std::ostream* os) {
  *os << '{' << q.Question << " | " << q.Correct << " | " << q.WrongA << " | " << q.WrongB << '}';
}

inline const std::string kEmptyBoard = [] {
  std::string picture = "..........";
  for (int row = 2; row <= 20; ++row) picture += "\n..........";
  return picture;
}();

// Where each default piece enters a 10-column board, by list index.
struct EntryPlace {
  std::int32_t X, Y;
};
inline constexpr std::array<EntryPlace, kDefaultPieceCount> kEntryPlaces{{
    {5, -2}, {4, 0}, {4, 0}, {4, 0}, {4, 0}, {4, -1}, {4, -1}}};

// The main window's game, played through its handlers: the window's
// controls, a board of the window's geometry, a question file in a
// temporary folder, a clock the test sets, recorded message boxes and
// timers that tick only when the test advances them.
class GameFlowTest : public testing::Test {
 protected:
  GameFlowTest() { timers.Bind(window); }

  // The clock reading `millisecondsOfDay`, which is also the seed the game
  // draws from after reseeding.
  static TimeOfDay TimeAt(std::uint32_t millisecondsOfDay) {
    return {static_cast<int>(millisecondsOfDay / 3600000), static_cast<int>(millisecondsOfDay / 60000 % 60),
            static_cast<int>(millisecondsOfDay / 1000 % 60), static_cast<int>(millisecondsOfDay % 1000)};
  }

  // The first clock time from `from` on at which `wanted` holds.
  static std::uint32_t FirstTimeWhere(const std::function<bool(std::uint32_t)>& wanted, std::uint32_t from = 1000) {
    for (std::uint32_t time = from; time < from + 100000; ++time) {
      if (wanted(time)) return time;
    }
    ADD_FAILURE() << "no clock time fits";
    return from;
  }

  // What a question drawn at clock time `time` turns out to be.
  static int QuestionNumberAt(std::uint32_t time) { return DrawsFrom(time).Below(kQuestionCount) + 1; }
  static int SlotPatternAt(std::uint32_t time) {
    DrawsFrom draws(time);
    draws.Below(kQuestionCount);
    return draws.Below(3) + 1;
  }
  // The first piece of a game started at clock time `time`.
  static int FirstPieceAt(std::uint32_t time) { return DrawsFrom(time).Below(kDefaultPieceCount); }

  // A clock time whose question differs from the one drawn at `other`.
  static std::uint32_t TimeWithAnotherQuestionThan(std::uint32_t other) {
    return FirstTimeWhere([other](std::uint32_t time) { return QuestionNumberAt(time) != QuestionNumberAt(other); },
                          other + 1);
  }

  // Starts a game at a clock time whose first piece is `piece`.
  void StartGameWithPiece(int piece) {
    clockTime = FirstTimeWhere([piece](std::uint32_t time) { return FirstPieceAt(time) == piece; }, clockTime);
    NewGame();
    ASSERT_EQ(stackbox.CurIndex(), piece);
  }

  void NewGame() { flow.NewGame1Click(window); }
  void Answer() { window.Button1().Click(); }
  void AnswerCorrectly() {
    window.RadioButton1().Click();
    Answer();
  }
  // A keystroke on the window as the platform delivers it.
  void Press(int key, char character = 0) {
    if (character != 0) window.KeyStroke(key, {}, character);
    else window.KeyStroke(key, {});
  }

  // The six controls that show and hide together as the question panel.
  [[nodiscard]] std::vector<ui::Control*> QuestionPanel() const {
    return {&window.GroupBox2(), &window.RadioGroup1(), &window.RadioButton1(),
            &window.RadioButton2(), &window.RadioButton3(), &window.Button1()};
  }
  [[nodiscard]] bool QuestionPanelShown() {
    for (ui::Control* control : QuestionPanel()) {
      if (!control->Visible()) return false;
    }
    return !window.Image2().Visible();
  }
  [[nodiscard]] bool PictureShown() {
    for (ui::Control* control : QuestionPanel()) {
      if (control->Visible()) return false;
    }
    return window.Image2().Visible();
  }
  [[nodiscard]] bool NoAnswerSelected() const {
    return !window.RadioButton1().Checked() && !window.RadioButton2().Checked() && !window.RadioButton3().Checked();
  }
  [[nodiscard]] bool BothTimersRun() const {
    return window.Timer1().Enabled() && window.Timer2().Enabled() && timers.Running(window.Timer1()) &&
           timers.Running(window.Timer2());
  }
  [[nodiscard]] bool BothTimersStopped() const {
    return !window.Timer1().Enabled() && !window.Timer2().Enabled() && !timers.Running(window.Timer1()) &&
           !timers.Running(window.Timer2());
  }
  // The question in the panel, read back from its four captions.
  [[nodiscard]] QuizQuestion QuestionInPanel() const {
    return {window.Label2().Caption(), window.RadioButton1().Caption(), window.RadioButton2().Caption(),
            window.RadioButton3().Caption()};
  }
  [[nodiscard]] std::string FallingPiece() const { return FallingCells(stackbox); }

  TempFolder folder;
  std::filesystem::path questionFile = folder.Write("vragen.ini", QuestionFileText());
  std::uint32_t clockTime = 1000;
  ScopedClockSource clock{[this] { return TimeAt(clockTime); }};
  ui::testing::RecordingMessageBoxService boxes;
  TForm1 window{QuestionBank(questionFile)};
  TBrickfall& stackbox = window.stackbox();
  GameFlow& flow = window.Game();
  ui::testing::ManualTimers timers;

 private:
  static std::string QuestionFileText() {
    std::ostringstream text;
    text << "[Overzicht]\nAantal=" << kQuestionCount << '\n';
    for (int k = 1; k <= kQuestionCount; ++k) {
      const QuizQuestion question = NumberedQuestion(k);
      text << '[' << k << "]\nVraag=" << question.Question << "\nJuist=" << question.Correct
           << "\nFouta=" << question.WrongA << "\nFoutb=" << question.WrongB << '\n';
    }
    return text.str();
  }
};
