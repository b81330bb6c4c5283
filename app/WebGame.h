// SPDX-License-Identifier: MIT
#pragma once

// Starts the game in the page: the browser platform, the application with
// its title and the main window, asking its questions from vragen.ini
// beside the page (fetched afresh for every question) or from the file the
// player chose for this tab. Returns once the game waits for the page's
// events; the game lives on until its window is closed.
void StartWebGame();
