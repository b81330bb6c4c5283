// SPDX-License-Identifier: MIT
#include "app/WebGame.h"

#include <filesystem>

#include "app/Startup.h"
#include "app/Unit1.h"
#include "game/QuestionBank.h"
#include "ui/Application.h"
#include "ui/web/Events.h"
#include "ui/web/Platform.h"

void StartWebGame() {
  // The game runs as the page's first event, on a stack of its own that
  // lives as long as the game: the platform, the application and the
  // window stay on it while the page goes on with later events.
  ui::web::RunEvent([] {
    ui::web::Platform platform;
    ui::Application application(&platform);
    // The reader reads the page's question file from the in-memory file
    // system, where it is brought before every question.
    QuestionBank questions("/questions/vragen.ini", [](const std::filesystem::path& file) {
      ui::web::RefreshFile(file, "vragen.ini");
    });
    RunApplication(application, [&questions](ui::Application& app) { app.CreateForm<TForm1>(questions); });
  });
}
