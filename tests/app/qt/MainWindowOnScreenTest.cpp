// SPDX-License-Identifier: MIT
#include <QAbstractButton>
#include <QApplication>
#include <QColor>
#include <QDir>
#include <QFontMetrics>
#include <QGroupBox>
#include <QImage>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QStyle>
#include <QTimer>
#include <QWidget>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>

#include "app/Pictures.h"
#include "app/Startup.h"
#include "app/Unit1.h"
#include "base/Color.h"
#include "base/Exception.h"
#include "tests/ui/testing/RecordingMessageBoxService.h"
#include "ui/Application.h"
#include "ui/Caption.h"
#include "ui/SystemColors.h"
#include "ui/qt/Platform.h"

namespace {

using ::testing::IsEmpty;

// The board's cells are 18 pixels apart, 17 filled, at (8, 8) in the window.
constexpr int kBoardLeft = 8;
constexpr int kBoardTop = 8;
constexpr int kCellPitch = 18;
constexpr int kCellSide = 17;

QRgb Rgb(TColor color) {
  const TColor resolved = ui::ResolveColor(color);
  return qRgb(RedOf(resolved), GreenOf(resolved), BlueOf(resolved));
}

// The window's client area as the player sees it.
class MainWindowOnScreenTest : public ::testing::Test {
 protected:
  MainWindowOnScreenTest() {
    application.SetTitle(kApplicationTitle);
    form = &application.CreateForm<TForm1>();
    form->Show();
    Settle();
  }

  static void Settle() {
    for (int i = 0; i < 3; ++i) QApplication::processEvents();
  }

  [[nodiscard]] QWidget* Client() const { return platform.ClientWidgetOf(*form); }

  // Grabs the client area and keeps it as screenshots/<name>.png.
  QImage Screenshot(const std::string& name) {
    Settle();
    QImage shot = Client()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QDir().mkpath(TP_SCREENSHOT_DIR);
    const QString file = QStringLiteral(TP_SCREENSHOT_DIR "/") + QString::fromStdString(name) + ".png";
    EXPECT_TRUE(shot.save(file)) << file.toStdString();
    return shot;
  }

  // Clicks and ticks as the platform delivers them: under the error guard.
  void Do(const std::function<void()>& action) {
    ui::Application::Guard(&application, action);
    Settle();
  }

  void StartFreePlay() {
    Do([&] { form->NewGame1().Click(); });
    Do([&] { form->RadioButton1().Click(); });
    Do([&] { form->Button1().Click(); });
    ASSERT_TRUE(form->Timer1().Enabled()) << "the first answer button carries the correct answer";
  }

  ui::qt::Platform platform;
  ui::Application application{&platform};
  // After the platform, so that no box can block a test.
  ui::testing::RecordingMessageBoxService boxes;
  TForm1* form = nullptr;
};

TEST_F(MainWindowOnScreenTest, EveryWidgetLiesWhereItsControlSays) {
  for (const auto& component : form->Components()) {
    const auto* control = dynamic_cast<const ui::Control*>(component.get());
    if (!control) continue;
    SCOPED_TRACE(control->Name());
    QWidget* widget = ui::qt::Platform::WidgetOf(*control);
    ASSERT_NE(widget, nullptr);
    EXPECT_EQ(widget->geometry(), QRect(control->Left(), control->Top(), control->Width(), control->Height()));
    EXPECT_EQ(widget->isVisible(), control->Showing());
    EXPECT_EQ(widget->isEnabled(), control->Enabled());
  }
  EXPECT_EQ(Client()->size(), QSize(575, 377));
}

TEST_F(MainWindowOnScreenTest, WindowShowsItsCaptionAndTheTaskbarTheApplicationTitle) {
  QWidget* window = ui::qt::Platform::WidgetOf(*form);
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(window->windowTitle(), QStringLiteral("Tolvanix PlimBora"));
  EXPECT_EQ(window->windowIconText(), QStringLiteral("Tolvanix Plimbora"));
  EXPECT_FALSE(window->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
  EXPECT_EQ(window->minimumSize(), window->maximumSize()) << "a fixed size";
}

TEST_F(MainWindowOnScreenTest, TaskbarKeepsTheApplicationTitleWhileTheScoreRetitlesTheWindow) {
  QWidget* window = ui::qt::Platform::WidgetOf(*form);
  Do([&] { form->stackbox().OnLineFull(form->stackbox(), 1); });
  EXPECT_NE(form->Caption(), "Tolvanix PlimBora");
  EXPECT_EQ(window->windowTitle().toStdString(), form->Caption());
  EXPECT_EQ(window->windowIconText(), QStringLiteral("Tolvanix Plimbora"));
}

// What the menu bar shows: captions with their access letters, the
// shortcut beside New Game, and the separator before Exit.
TEST_F(MainWindowOnScreenTest, MenuBarShowsGameAndHelpWithTheirCommands) {
  auto* bar = ui::qt::Platform::WidgetOf(*form)->findChild<QMenuBar*>();
  ASSERT_NE(bar, nullptr);
  EXPECT_TRUE(bar->isVisible());
  auto texts = [](const QList<QAction*>& actions) {
    QStringList result;
    for (const QAction* action : actions) result << (action->isSeparator() ? QStringLiteral("-") : action->text());
    return result;
  };
  ASSERT_EQ(texts(bar->actions()), QStringList({"Game", "&Help"}));
  ASSERT_NE(bar->actions()[0]->menu(), nullptr);
  EXPECT_EQ(texts(bar->actions()[0]->menu()->actions()), QStringList({"&New Game\tF2", "-", "E&xit"}));
  ASSERT_NE(bar->actions()[1]->menu(), nullptr);
  EXPECT_EQ(texts(bar->actions()[1]->menu()->actions()), QStringList({"How to &play ?"}));
}

// The labels sized to their text keep their left and top; the text must
// then still fit the panel, and the three lines must not run into each
// other.
TEST_F(MainWindowOnScreenTest, TitlePanelTextsFitThePanel) {
  const ui::Panel& panel = form->Panel1();
  const ui::Label* lines[] = {&form->Label1(), &form->Label3(), &form->Label4()};
  for (const ui::Label* label : lines) {
    SCOPED_TRACE(label->Name());
    EXPECT_GT(label->Width(), 0);
    EXPECT_LE(label->Left() + label->Width(), panel.Width() - 1);
  }
  EXPECT_LE(form->Label1().Top() + form->Label1().Height(), form->Label3().Top());
  EXPECT_LE(form->Label3().Top() + form->Label3().Height(), form->Label4().Top());
  EXPECT_LE(form->Label4().Top() + form->Label4().Height(), panel.Height() - 1);
  EXPECT_LE(form->Image1().Left() + form->Image1().Width(), form->Label1().Left()) << "the icon beside the title";
}

// The question controls show their stored captions until a game fills them.
TEST_F(MainWindowOnScreenTest, QuestionControlsFitTheirCaptions) {
  form->Image2().Hide();
  for (ui::Control* control : std::initializer_list<ui::Control*>{&form->GroupBox2(), &form->RadioGroup1(),
                                                                  &form->RadioButton1(), &form->RadioButton2(),
                                                                  &form->RadioButton3(), &form->Button1()}) {
    control->Show();
  }
  Settle();
  auto textWidth = [](const QWidget& widget, const std::string& caption) {
    return QFontMetrics(widget.font()).horizontalAdvance(QString::fromStdString(ui::ParseCaption(caption).Text));
  };
  for (const ui::RadioButton* answer : {&form->RadioButton1(), &form->RadioButton2(), &form->RadioButton3()}) {
    SCOPED_TRACE(answer->Name());
    QWidget* widget = ui::qt::Platform::WidgetOf(*answer);
    ASSERT_NE(widget, nullptr);
    EXPECT_TRUE(widget->isVisible());
    const int indicator = widget->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, widget) +
                          widget->style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, widget);
    EXPECT_LE(indicator + textWidth(*widget, answer->Caption()), widget->width());
    EXPECT_LE(QFontMetrics(widget->font()).height(), widget->height());
  }
  for (const ui::Control* control : std::initializer_list<const ui::Control*>{
           &form->Button1(), &form->GroupBox2(), &form->RadioGroup1()}) {
    SCOPED_TRACE(control->Name());
    QWidget* widget = ui::qt::Platform::WidgetOf(*control);
    ASSERT_NE(widget, nullptr);
    EXPECT_TRUE(widget->isVisible());
    EXPECT_LT(textWidth(*widget, control->Caption()), widget->width() - 8);
  }
  Screenshot("question-controls");
}

TEST_F(MainWindowOnScreenTest, AtCreationTheBoardIsBlackBesideThePanelAndThePhotograph) {
  const QImage shot = Screenshot("at-creation");
  ASSERT_EQ(shot.size(), QSize(575, 377));

  // The whole board is black: cells and the black lines between them.
  for (int y = kBoardTop; y < kBoardTop + 361; y += 6) {
    for (int x = kBoardLeft; x < kBoardLeft + 181; x += 6) {
      ASSERT_EQ(shot.pixel(x, y), qRgb(0, 0, 0)) << x << "," << y;
    }
  }
  EXPECT_EQ(shot.pixel(kBoardLeft + 180, kBoardTop + 360), qRgb(0, 0, 0));
  EXPECT_EQ(shot.pixel(kBoardLeft - 1, kBoardTop - 1), Rgb(clBtnFace)) << "the window's button face";
  EXPECT_EQ(shot.pixel(kBoardLeft + 181, kBoardTop + 361), Rgb(clBtnFace));

  // The photograph fills its box with its own pixels, none blended: each
  // one is a source pixel near the place the stretch maps it from.
  const QImage leaf = QImage(QString::fromUtf8(kLeafPicture)).convertToFormat(QImage::Format_RGB32);
  ASSERT_EQ(leaf.size(), QSize(600, 407));
  int matched = 0;
  int sampled = 0;
  for (int y = 0; y < 233; y += 11) {
    for (int x = 0; x < 369; x += 13) {
      ++sampled;
      const QRgb shown = shot.pixel(200 + x, 112 + y);
      const int sourceX = x * 600 / 369;
      const int sourceY = y * 407 / 233;
      bool found = false;
      for (int dy = -1; dy <= 1 && !found; ++dy) {
        for (int dx = -1; dx <= 1 && !found; ++dx) {
          const QPoint source(sourceX + dx, sourceY + dy);
          found = leaf.rect().contains(source) && leaf.pixel(source) == shown;
        }
      }
      if (found) ++matched;
    }
  }
  EXPECT_EQ(matched, sampled) << "nearest-neighbour stretch of leaf.bmp to 369 x 233";

  // The icon at its own size in the top-left corner of its box.
  const QImage icon(QString::fromUtf8(kIconPicture));
  ASSERT_EQ(icon.size(), QSize(32, 32));
  const QPoint iconAt(200 + 64, 8 + 16);
  int opaque = 0;
  for (int y = 0; y < 32; ++y) {
    for (int x = 0; x < 32; ++x) {
      if (qAlpha(icon.pixel(x, y)) != 255) continue;
      ++opaque;
      ASSERT_EQ(shot.pixel(iconAt + QPoint(x, y)), icon.pixel(x, y) | 0xFF000000u) << x << "," << y;
    }
  }
  EXPECT_GT(opaque, 100);
  EXPECT_EQ(shot.pixel(iconAt + QPoint(32, 32)), Rgb(clBtnFace)) << "the box's last row and column stay empty";

  EXPECT_THAT(boxes.Shown(), IsEmpty());
}

TEST_F(MainWindowOnScreenTest, TitleIsOliveAndTheAddressBlue) {
  const QImage shot = Screenshot("at-creation-panel");
  auto countColour = [&](const ui::Label& label, QRgb colour) {
    const QRect area(200 + label.Left(), 8 + label.Top(), label.Width(), label.Height());
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
      for (int x = area.left(); x <= area.right(); ++x) count += shot.pixel(x, y) == colour ? 1 : 0;
    }
    return count;
  };
  EXPECT_GT(countColour(form->Label1(), qRgb(0x80, 0x80, 0)), 200);
  EXPECT_GT(countColour(form->Label4(), qRgb(0, 0, 0xFF)), 100) << "underline and letters in blue";
}

TEST_F(MainWindowOnScreenTest, DuringAGameTheFallingPieceFillsWholeCells) {
  StartFreePlay();
  const TBrickfall& board = form->stackbox();
  ASSERT_TRUE(board.Playing());
  ASSERT_NE(board.CurPiece(), nullptr);
  // Lower the piece until a row of it is on the board.
  auto visibleCell = [&]() -> std::optional<QPoint> {
    const TPiece& piece = *board.CurPiece();
    for (int i = 1; i <= piece.Size; ++i) {
      for (int j = 1; j <= piece.Size; ++j) {
        const int row = board.CurY() + j - 1;
        if (piece.Shape.Filled(i, j) && row >= 1) return QPoint(board.CurX() + i - 1, row);
      }
    }
    return std::nullopt;
  };
  for (int tick = 0; tick < 5 && !visibleCell(); ++tick) Do([&] { form->Timer1().Tick(); });
  const auto cell = visibleCell();
  ASSERT_TRUE(cell.has_value());

  const QImage shot = Screenshot("during-a-game");
  const QRgb colour = Rgb(board.CurPiece()->Color);
  const int left = kBoardLeft + (cell->x() - 1) * kCellPitch + 1;
  const int top = kBoardTop + (cell->y() - 1) * kCellPitch + 1;
  for (int y = top; y < top + kCellSide; ++y) {
    for (int x = left; x < left + kCellSide; ++x) ASSERT_EQ(shot.pixel(x, y), colour) << x << "," << y;
  }
  EXPECT_EQ(shot.pixel(left - 1, top + 8), qRgb(0, 0, 0)) << "a black line left of the cell";
  EXPECT_EQ(shot.pixel(left + 8, top - 1), qRgb(0, 0, 0)) << "a black line above the cell";

  // Free play shows the photograph in the question's place, and the gauge.
  EXPECT_TRUE(form->Image2().Visible());
  EXPECT_NE(shot.pixel(200 + 184, 112 + 116), Rgb(clBtnFace));
  EXPECT_THAT(boxes.Shown(), IsEmpty());
}

}  // namespace

// Declared outside any unnamed namespace so that the report names it as
// the program spells it.
class EWindowProbe final : public Exception {
 public:
  using Exception::Exception;
};

namespace {

// The box is modal, so it is read and closed from a timer while start-up
// waits for it.
TEST(StartupFailureOnScreenTest, ShowsTheApplicationErrorBoxAndEndsWithCodeOne) {
  ui::qt::Platform platform;
  ui::Application application(&platform);
  QString caption;
  QString text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  bool modal = false;
  QTimer::singleShot(100, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box) return;
    caption = box->windowTitle();
    text = box->text();
    icon = box->icon();
    modal = box->windowModality() == Qt::ApplicationModal;
    box->button(QMessageBox::Ok)->click();
  });
  const int code =
      RunApplication(application, [](ui::Application&) { throw EWindowProbe("Not enough timers available"); });
  EXPECT_EQ(code, 1);
  EXPECT_EQ(caption, QStringLiteral("Application Error"));
  EXPECT_EQ(icon, QMessageBox::Critical);
  EXPECT_TRUE(modal);
  EXPECT_TRUE(text.startsWith(QStringLiteral("Exception EWindowProbe in module app_qt_tests at "))) << text.toStdString();
  EXPECT_TRUE(text.endsWith(QStringLiteral(".\nNot enough timers available."))) << text.toStdString();
  EXPECT_EQ(Form1, nullptr);
}

}  // namespace
