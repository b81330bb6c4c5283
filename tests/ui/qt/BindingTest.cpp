// SPDX-License-Identifier: MIT
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QGroupBox>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include "base/Exception.h"
#include "tests/ui/qt/TestWindow.h"
#include "tests/ui/testing/RecordingMessageBoxService.h"
#include "ui/qt/Services.h"

namespace ui::qt::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

// The middle of the right end: outside the mark and text of a radio button.
QPoint RightEnd(const QWidget* widget) { return {widget->width() - 3, widget->height() / 2}; }

// The width of text drawn as it stands, with no mnemonics and no markup.
int PlainWidth(const Font& font, const QString& text) {
  return QFontMetrics(ToQFont(font)).boundingRect(QRect(0, 0, 100000, 1000), Qt::AlignLeft | Qt::AlignTop, text).width();
}

TEST_F(BindingTest, EveryControlGetsAWidgetInItsParentAtItsPlace) {
  QWidget* button = WidgetOf(form.button);
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(button->geometry(), QRect(220, 10, 25, 60));
  EXPECT_EQ(WidgetOf(form.label)->parentWidget(), WidgetOf(form.frame));
  EXPECT_EQ(WidgetOf(form.frame)->parentWidget(), button->parentWidget());
  EXPECT_TRUE(button->isVisible());
  form.button.Hide();
  EXPECT_FALSE(button->isVisible());
}

TEST_F(BindingTest, TheClientAreaHasTheFormsSizeBelowTheMenuBar) {
  QWidget* client = Platform::ClientWidgetOf(form);
  EXPECT_EQ(client->size(), QSize(300, 200));
  EXPECT_TRUE(MenuBar()->isVisible());
  EXPECT_EQ(Window()->height(), 200 + MenuBar()->height());
  EXPECT_EQ(client->y(), MenuBar()->height());
}

TEST_F(BindingTest, AClickOnARadioButtonSelectsItInTheModelAndClearsItsSiblings) {
  form.answer1.SetChecked(true);
  QTest::mouseClick(WidgetOf(form.answer2), Qt::LeftButton, {}, RightEnd(WidgetOf(form.answer2)));
  EXPECT_TRUE(form.answer2.Checked());
  EXPECT_FALSE(form.answer1.Checked());
  EXPECT_FALSE(form.answer3.Checked());
  EXPECT_FALSE(WidgetOf<QRadioButton>(form.answer1)->isChecked());
  EXPECT_TRUE(WidgetOf<QRadioButton>(form.answer2)->isChecked());
}

TEST_F(BindingTest, ClickingTheSelectedRadioButtonAgainKeepsItSelectedOnScreen) {
  QTest::mouseClick(WidgetOf(form.answer3), Qt::LeftButton);
  QTest::mouseClick(WidgetOf(form.answer3), Qt::LeftButton);
  EXPECT_TRUE(form.answer3.Checked());
  EXPECT_TRUE(WidgetOf<QRadioButton>(form.answer3)->isChecked());
}

TEST_F(BindingTest, SelectingFromTheModelShowsOnScreen) {
  form.answer1.SetChecked(true);
  form.answer3.SetChecked(true);
  EXPECT_FALSE(WidgetOf<QRadioButton>(form.answer1)->isChecked());
  EXPECT_TRUE(WidgetOf<QRadioButton>(form.answer3)->isChecked());
}

TEST_F(BindingTest, AClickOnAButtonFocusesItAndReachesItsHandler) {
  QTest::mouseClick(WidgetOf(form.button), Qt::LeftButton);
  EXPECT_THAT(form.log, ElementsAre("Button1Click"));
  EXPECT_TRUE(form.button.Focused());
  EXPECT_EQ(QApplication::focusWidget(), WidgetOf(form.button));
}

TEST_F(BindingTest, F2ReachesItsMenuCommandWhileAButtonHasTheFocus) {
  QTest::mouseClick(WidgetOf(form.button), Qt::LeftButton);
  form.log.clear();
  QTest::keyClick(Handle(), Qt::Key_F2);
  EXPECT_THAT(form.log, ElementsAre("NewGame1Click"));
}

TEST_F(BindingTest, ArrowsMoveTheFocusWhileAControlHasIt) {
  form.button.SetFocus();
  QTest::keyClick(Handle(), Qt::Key_Right);
  EXPECT_TRUE(form.other.Focused());
  EXPECT_EQ(QApplication::focusWidget(), WidgetOf(form.other));
  EXPECT_THAT(form.log, IsEmpty());
}

TEST_F(BindingTest, HidingTheFocusedControlLetsTheArrowKeysReachTheWindowsKeyHandler) {
  QTest::mouseClick(WidgetOf(form.button), Qt::LeftButton);
  form.log.clear();
  form.button.Hide();
  // Qt would pass the focus to a neighbour; the model leaves none.
  EXPECT_EQ(form.ActiveControl(), nullptr);
  QWidget* focused = QApplication::focusWidget();
  EXPECT_TRUE(focused == nullptr || focused == Window()) << focused->metaObject()->className();
  QTest::keyClick(Handle(), Qt::Key_Left);
  QTest::keyClick(Handle(), Qt::Key_Down);
  EXPECT_THAT(form.log, ElementsAre("KeyDown 37", "KeyDown 40"));
}

TEST_F(BindingTest, DisablingTheFocusedControlLeavesNoWidgetFocused) {
  form.other.SetFocus();
  form.other.SetEnabled(false);
  QWidget* focused = QApplication::focusWidget();
  EXPECT_TRUE(focused == nullptr || focused == Window());
}

TEST_F(BindingTest, AConsumedSpaceStillTypesItsCharacter) {
  QTest::keyClick(Handle(), Qt::Key_Space);
  QTest::keyClick(Handle(), Qt::Key_0);
  EXPECT_THAT(form.log, ElementsAre("KeyDown 32", "KeyPress  ", "KeyDown 48", "KeyPress 0"));
}

// With Alt held a key goes down but types nothing: Alt+Space and Alt+0 are
// meant for the window and its menu, not for the game's character handler.
TEST_F(BindingTest, AKeyWithAltGoesDownButTypesNoCharacter) {
  QTest::keyClick(Handle(), Qt::Key_0, Qt::AltModifier);
  QTest::keyClick(Handle(), Qt::Key_Space, Qt::AltModifier);
  EXPECT_THAT(form.log, ElementsAre("KeyDown 18", "KeyDown 48", "KeyDown 18", "KeyDown 32"));
}

TEST_F(BindingTest, CtrlWithAltStillTypesTheCharacterItMakes) {
  QTest::keyClick(Handle(), Qt::Key_At, Qt::AltModifier | Qt::ControlModifier);
  EXPECT_THAT(form.log, ::testing::Contains("KeyPress @"));
}

TEST_F(BindingTest, TabMovesTheModelsFocus) {
  form.button.SetFocus();
  QTest::keyClick(Handle(), Qt::Key_Tab);
  EXPECT_TRUE(form.other.Focused());
  QTest::keyClick(Handle(), Qt::Key_Backtab, Qt::ShiftModifier);
  EXPECT_TRUE(form.button.Focused());
  EXPECT_THAT(form.log, ElementsAre("KeyDown 16")) << "only the Shift key itself reaches the handler";
}

TEST_F(BindingTest, AnExceptionFromAHandlerIsReportedAndTheLoopGoesOn) {
  ::ui::testing::RecordingMessageBoxService boxes;
  form.button.OnClick = [](TObject&) { throw Exception("Piece initialization failure; could not start a new game."); };
  QTest::mouseClick(WidgetOf(form.button), Qt::LeftButton);
  ASSERT_EQ(boxes.Shown().size(), 1u);
  EXPECT_EQ(boxes.Shown()[0], (::ui::testing::ShownMessageBox{
                                  "Piece initialization failure; could not start a new game.", "Tolvanix Plimbora",
                                  MB_OK | MB_ICONSTOP, MessageBoxOwner::Application}));
  QTest::mouseClick(WidgetOf(form.other), Qt::LeftButton);
  QTest::keyClick(Handle(), Qt::Key_F2);
  EXPECT_THAT(form.log, ElementsAre("OtherClick", "NewGame1Click"));
}

TEST_F(BindingTest, AFailingTimerIsReportedAndKeepsTicking) {
  ::ui::testing::RecordingMessageBoxService boxes;
  int ticks = 0;
  form.timer.OnTimer = [&](TObject&) {
    ++ticks;
    throw Exception("tick");
  };
  form.timer.SetInterval(1);
  form.timer.SetEnabled(true);
  EXPECT_TRUE(QTest::qWaitFor([&] { return ticks >= 3; }, 5000));
  form.timer.SetEnabled(false);
  EXPECT_EQ(boxes.Shown().size(), static_cast<std::size_t>(ticks));
}

TEST_F(BindingTest, AnEnabledTimerKeepsItsPeriodWhenEnabledAgain) {
  auto* peer = dynamic_cast<QTimerPeer*>(form.timer.GetPeer());
  ASSERT_NE(peer, nullptr);
  form.timer.SetInterval(10000);
  form.timer.SetEnabled(true);
  QTest::qSleep(100);
  form.timer.SetEnabled(true);
  form.timer.SetInterval(10000);
  EXPECT_TRUE(peer->Clock().isActive());
  EXPECT_LE(peer->Clock().remainingTime(), 9900) << "the period was restarted";
}

TEST_F(BindingTest, ANewIntervalOrAFreshEnableRestartsThePeriod) {
  auto* peer = dynamic_cast<QTimerPeer*>(form.timer.GetPeer());
  ASSERT_NE(peer, nullptr);
  form.timer.SetInterval(10000);
  form.timer.SetEnabled(true);
  QTest::qSleep(100);
  form.timer.SetInterval(20000);
  EXPECT_GT(peer->Clock().remainingTime(), 19900);
  form.timer.SetEnabled(false);
  EXPECT_FALSE(peer->Clock().isActive());
  QTest::qSleep(100);
  form.timer.SetEnabled(true);
  EXPECT_GT(peer->Clock().remainingTime(), 19900);
}

TEST_F(BindingTest, TimerTicksReachTheModelFromTheEventLoop) {
  int ticks = 0;
  form.timer.OnTimer = [&](TObject&) { ++ticks; };
  form.timer.SetInterval(1);
  form.timer.SetEnabled(true);
  EXPECT_TRUE(QTest::qWaitFor([&] { return ticks >= 2; }, 5000));
}

TEST_F(BindingTest, TextFromDataShowsAsWrittenNeverAsMarkup) {
  form.label.SetCaption("<b>bold</b>");
  form.answer1.SetCaption("<i>answer</i>");
  form.frame.SetCaption("<u>frame</u>");
  EXPECT_EQ(form.label.Width(), PlainWidth(form.label.Font(), QStringLiteral("<b>bold</b>")))
      << "the label is sized to the text with its tags";
  EXPECT_EQ(WidgetOf<QRadioButton>(form.answer1)->text(), QStringLiteral("<i>answer</i>"));
  EXPECT_EQ(WidgetOf<QGroupBox>(form.frame)->title(), QStringLiteral("<u>frame</u>"));
}

TEST_F(BindingTest, DoubleAmpersandsShowOneAmpersand) {
  form.label.SetCaption("Tom && Jerry");
  EXPECT_EQ(form.label.Width(), PlainWidth(form.label.Font(), QStringLiteral("Tom & Jerry")));
  form.answer2.SetCaption("R&&D");
  EXPECT_EQ(WidgetOf<QRadioButton>(form.answer2)->text(), QStringLiteral("R&&D"));
}

TEST_F(BindingTest, AnAccessLetterTakesNoRoomOfItsOwn) {
  form.label.SetCaption("&Question");
  EXPECT_EQ(form.label.Width(), PlainWidth(form.label.Font(), QStringLiteral("Question")));
  EXPECT_EQ(form.label.Height(), QFontMetrics(ToQFont(form.label.Font())).height());
}

TEST_F(BindingTest, AnEmptyLabelKeepsTheHeightOfALine) {
  form.label.SetCaption("");
  EXPECT_EQ(form.label.Height(), QFontMetrics(ToQFont(form.label.Font())).height());
  EXPECT_GT(form.label.Width(), 0);
}

TEST_F(BindingTest, AFixedSizeLabelKeepsItsSize) {
  form.label.SetAutoSize(false);
  form.label.SetWordWrap(true);
  form.label.SetBounds(8, 20, 180, 30);
  form.label.SetCaption("A question text that is far too long to fit on a single line of the frame");
  EXPECT_EQ(form.label.Width(), 180);
  EXPECT_EQ(form.label.Height(), 30);
}

TEST_F(BindingTest, TheMenuShowsAccessLettersAndTheShortcutsName) {
  const QList<QAction*> titles = MenuBar()->actions();
  ASSERT_EQ(titles.size(), 2);
  EXPECT_EQ(titles[0]->text(), QStringLiteral("Game"));
  EXPECT_EQ(titles[1]->text(), QStringLiteral("&Help"));
  const QList<QAction*> game = titles[0]->menu()->actions();
  ASSERT_EQ(game.size(), 3);
  EXPECT_EQ(game[0]->text(), QStringLiteral("&New Game\tF2"));
  EXPECT_TRUE(game[1]->isSeparator());
  EXPECT_TRUE(game[0]->shortcut().isEmpty()) << "the model matches shortcuts, not Qt";
  game[0]->trigger();
  EXPECT_THAT(form.log, ElementsAre("NewGame1Click"));
}

TEST_F(BindingTest, ExitClosesTheWindowAndEndsRun) {
  QTimer::singleShot(0, Window(), [this] {
    MenuBar()->actions()[0]->menu()->actions()[2]->trigger();
  });
  app.Run();
  EXPECT_TRUE(form.Closed());
  EXPECT_FALSE(Window()->isVisible());
}

TEST_F(BindingTest, TheWindowsCloseBoxClosesTheFormAsExitDoes) {
  QTimer::singleShot(0, Window(), [this] { Window()->close(); });
  app.Run();
  EXPECT_TRUE(form.Closed());
}

TEST_F(BindingTest, TheWindowTitleIsTheCaptionAsWritten) {
  form.SetCaption("Score [*] : 40");
  EXPECT_EQ(Handle()->title(), QStringLiteral("Score [*] : 40"));
}

TEST_F(BindingTest, TheWindowIsFixedAtItsPlace) {
  EXPECT_EQ(Window()->minimumSize(), Window()->maximumSize());
  EXPECT_FALSE(Window()->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
}

TEST_F(BindingTest, TheGaugeShowsTheModelsClampedPosition) {
  form.gauge.SetPosition(-5);
  EXPECT_EQ(WidgetOf<QProgressBar>(form.gauge)->value(), 0);
  form.gauge.SetPosition(195);
  EXPECT_EQ(WidgetOf<QProgressBar>(form.gauge)->value(), 195);
  EXPECT_EQ(WidgetOf<QProgressBar>(form.gauge)->maximum(), 200);
}

// The runs of `colour` along the gauge's middle row, as [start, end) pairs.
std::vector<std::pair<int, int>> RunsOf(const QImage& shot, QRgb colour) {
  std::vector<std::pair<int, int>> runs;
  const int y = shot.height() / 2;
  for (int x = 0; x < shot.width(); ++x) {
    if (shot.pixel(x, y) != colour) continue;
    if (!runs.empty() && runs.back().second == x) ++runs.back().second;
    else runs.emplace_back(x, x + 1);
  }
  return runs;
}

QImage Shot(QWidget& widget) { return widget.grab().toImage().convertToFormat(QImage::Format_RGB32); }

// The gauge fills in blocks of one width with face-coloured gaps between
// them, up to its position and no further.
TEST_F(BindingTest, TheGaugeFillsInSegments) {
  QWidget& gauge = *WidgetOf(form.gauge);
  const QRgb block = gauge.palette().color(QPalette::Highlight).rgb();
  const QRgb face = ToQColor(clBtnFace).rgb();
  form.gauge.SetPosition(100);
  const QImage shot = Shot(gauge);
  const auto blocks = RunsOf(shot, block);
  ASSERT_GE(blocks.size(), 5u) << "a row of blocks, not one bar";
  const int width = blocks.front().second - blocks.front().first;
  for (std::size_t i = 0; i + 1 < blocks.size(); ++i) {
    EXPECT_EQ(blocks[i].second - blocks[i].first, width) << "block " << i;
    for (int x = blocks[i].second; x < blocks[i + 1].first; ++x) EXPECT_EQ(shot.pixel(x, shot.height() / 2), face);
  }
  EXPECT_NEAR(blocks.back().second, shot.width() / 2, width + 2) << "filled to half the gauge";
  EXPECT_EQ(shot.pixel(shot.width() - 4, shot.height() / 2), face) << "the rest is empty";
}

TEST_F(BindingTest, AnEmptyGaugeShowsNoBlockAndTheFirstStepShowsOne) {
  QWidget& gauge = *WidgetOf(form.gauge);
  const QRgb block = gauge.palette().color(QPalette::Highlight).rgb();
  form.gauge.SetPosition(0);
  EXPECT_THAT(RunsOf(Shot(gauge), block), IsEmpty());
  form.gauge.SetPosition(5);
  EXPECT_EQ(RunsOf(Shot(gauge), block).size(), 1u);
}

TEST_F(BindingTest, WindowedControlsLieAboveTheWindowlessOnesOfTheSameParent) {
  // A label placed later over a button still lies below it.
  Label& late = form.Create<Label>();
  late.SetParent(&form);
  late.SetAutoSize(false);
  late.SetBounds(200, 0, 100, 100);
  platform.Bind(form);
  QWidget* client = WidgetOf(form.button)->parentWidget();
  EXPECT_EQ(client->childAt(230, 20), WidgetOf(form.button));
  EXPECT_EQ(client->childAt(205, 5), WidgetOf(late));
}

TEST_F(BindingTest, ADrawnControlIsShownFromItsCanvas) {
  EXPECT_TRUE(QTest::qWaitFor([&] { return form.swatch.paints > 0; }, 5000)) << "placing asks for a repaint";
  const QImage shown = WidgetOf(form.swatch)->grab().toImage();
  EXPECT_EQ(shown.pixelColor(5, 0), QColor(Qt::black));
  EXPECT_EQ(shown.pixelColor(5, 5), QColor(Qt::red));
  form.swatch.Canvas().FillRect(10, 10, 12, 12, clLime);
  const QImage redrawn = WidgetOf(form.swatch)->grab().toImage();
  EXPECT_EQ(redrawn.pixelColor(11, 11), QColor(Qt::green));
}

TEST_F(BindingTest, ADrawnControlIsScaledByTakingTheNearestPixel) {
  form.swatch.Paint();
  QImage doubled(80, 80, QImage::Format_RGB32);
  doubled.setDevicePixelRatio(2);
  WidgetOf(form.swatch)->render(&doubled);
  // Logical row 0 (black) covers device rows 0 and 1; row 1 (red) starts at
  // device row 2, with nothing blended between them.
  EXPECT_EQ(doubled.pixelColor(10, 0), QColor(Qt::black));
  EXPECT_EQ(doubled.pixelColor(10, 1), QColor(Qt::black));
  EXPECT_EQ(doubled.pixelColor(10, 2), QColor(Qt::red));
}

TEST_F(BindingTest, FontsAreSetOnEveryWidgetSoNoneTakesItsParentsInQtsWay) {
  Font bold;
  bold.Bold = true;
  bold.Color = clOlive;
  form.frame.SetFont(bold);
  Button& inside = form.Create<Button>();
  inside.SetParent(&form.frame);
  Font regular;
  inside.SetFont(regular);
  Button& following = form.Create<Button>();
  following.SetParent(&form.frame);
  platform.Bind(form);
  EXPECT_TRUE(WidgetOf(form.frame)->font().bold());
  EXPECT_FALSE(WidgetOf(inside)->font().bold());
  EXPECT_FALSE(WidgetOf(following)->font().bold()) << "a control without a font of its own shows the window's";
  EXPECT_EQ(WidgetOf(form.frame)->palette().color(QPalette::WindowText), QColor(0x80, 0x80, 0x00));
}

TEST_F(BindingTest, ThePointingHandShowsOverTheControlThatAsksForIt) {
  form.label.SetCursor(Cursor::HandPoint);
  EXPECT_EQ(WidgetOf(form.label)->cursor().shape(), Qt::PointingHandCursor);
  EXPECT_FALSE(WidgetOf(form.button)->testAttribute(Qt::WA_SetCursor));
}

TEST_F(BindingTest, AClickOnALabelReachesItsHandler) {
  int clicks = 0;
  form.label.SetCaption("https://tolvanix.github.io/plimbora/");
  form.label.OnClick = [&](TObject&) { ++clicks; };
  QTest::mouseClick(WidgetOf(form.label), Qt::LeftButton);
  EXPECT_EQ(clicks, 1);
}

}  // namespace
}  // namespace ui::qt::testing
