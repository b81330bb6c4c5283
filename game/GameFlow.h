// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "base/Object.h"
#include "game/GameControls.h"
#include "game/QuestionBank.h"
#include "ui/Keys.h"

// The game's name: the application's title on the taskbar, the caption of
// its boxes, and the window's caption once a game has started.
inline constexpr const char* kApplicationTitle = "Tolvanix Plimbora";

// The main window's game: its handlers start games, alternate the question
// phase with free play, punish a wrong answer, keep the score in the window
// caption and serve the remaining menu commands.
//
// The flow keeps no phase of its own. The controls carry it: whether Timer1
// runs (the piece is live and the keys steer it) and whether the question
// panel or the picture shows. So the flow behaves the same with or without
// a screen, and a handler run from inside a message box's nested loop finds
// the window as the player left it.
class GameFlow final {
 public:
  GameFlow(const GameControls& controls, const QuestionBank& bank);

  // Menu "New Game" (F2): shows the question panel, stops both timers,
  // starts a board game and asks its first question. The score is kept.
  void NewGame1Click(TObject& Sender);
  // "?": judges the selected answer; a wrong one (or none) names the right
  // answer and pushes the piece aside and down, a right one starts free
  // play. Either way the next question is loaded.
  void Button1Click(TObject& Sender);
  // Fall timer tick: lowers the piece a row.
  void Timer1Timer(TObject& Sender);
  // Free-play timer tick: fills the gauge by 5 and ends free play on the
  // tick that finds it 5 short of full.
  void Timer2Timer(TObject& Sender);
  // The window's key-down handler: the arrows steer while Timer1 runs. Every
  // key is consumed, so none reaches the focused control.
  void FormKeyUp(TObject& Sender, int& Key, ui::ShiftState Shift);
  // The window's character handler: space drops and "0" turns clockwise
  // while Timer1 runs. The character goes on to the focused control.
  void FormKeyPress(TObject& Sender, char& Key);
  // Menu "How to play ?": shows the rules.
  void Rules1Click(TObject& Sender);
  // Menu "Exit": closes the main window, which ends the application.
  void Exit1Click(TObject& Sender);
  // The board removed rows: 10 points each, shown in the window caption.
  void stackboxLineFull(TObject& Sender, std::int32_t Lines);
  // The board's game ended: both timers stop, nothing else changes.
  void stackboxGameEnd(TObject& Sender);

  // Draws a question into the question panel and shuffles the answers into
  // one of three orders by moving the buttons; their roles never change.
  void ShowNextQuestion();

  // 10 per removed row, counted across every game of this window, and so
  // of this run of the program: 0 at start-up, kept by New Game.
  [[nodiscard]] std::int32_t Score() const { return score_; }

 private:
  // The fall timer carries the phase of play: while it runs the piece is
  // live and the keys steer it (free play); otherwise a question waits.
  [[nodiscard]] bool PieceIsLive() const { return controls_.Timer1.Enabled(); }
  void SetQuestionPanelVisible(bool visible);
  void DeselectAnswers();
  void PunishWrongAnswer();

  GameControls controls_;
  QuestionBank bank_;
  std::int32_t score_ = 0;
};

// The text of the box that names the right answer after a wrong one. The
// box shows the caption as written, "&" marks and all, unlike the button.
[[nodiscard]] std::string CorrectAnswerText(std::string_view correct);
