// SPDX-License-Identifier: MIT
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/Clock.h"
#include "board/Brickfall.h"

// A board with a clock the test controls, so that NewGame's reseeding, and
// with it every piece and colour drawn, is known in advance.
class BoardTest : public testing::Test {
 protected:
  static TimeOfDay TimeAt(std::uint32_t millisecondsOfDay) {
    return {static_cast<int>(millisecondsOfDay / 3600000), static_cast<int>(millisecondsOfDay / 60000 % 60),
            static_cast<int>(millisecondsOfDay / 1000 % 60), static_cast<int>(millisecondsOfDay % 1000)};
  }

  // Sets the geometry and catalogue, then starts a game.
  void Start(const std::vector<std::string>& pieces, std::uint8_t columns = 10,
             std::uint8_t rows = 20) {
    board.SetColumns(columns);
    board.SetRows(rows);
    board.SetPieces(pieces);
    board.NewGame();
  }

  // Starts games at successive clock times until the first piece is the
  // one at index in the list.
  void StartWithPiece(std::int32_t index, const std::vector<std::string>& pieces,
                      std::uint8_t columns = 10, std::uint8_t rows = 20) {
    Start(pieces, columns, rows);
    for (int attempt = 0; attempt < 1000 && board.CurIndex() != index; ++attempt) {
      ++clockTime;
      board.NewGame();
    }
    ASSERT_EQ(board.CurIndex(), index) << "no clock time chose that piece";
  }

  // Lowers the falling piece until it lands; returns MoveDown's last result.
  std::int32_t LowerUntilItLands() {
    std::int32_t result = TBrickfall::kMoved;
    for (int step = 0; step < 100 && result == TBrickfall::kMoved; ++step) result = board.MoveDown();
    return result;
  }

  std::uint32_t clockTime = 1000;
  ScopedClockSource clock{[this] { return TimeAt(clockTime); }};
  TBrickfall board;
};

inline const std::string kBlockLine = "Block;clRed;2;1111";
inline const std::string kStickLine = "Stick;clWhite;4;0100010001000100";
