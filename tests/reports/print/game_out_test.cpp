// The scored game sheet measured on a recording page: the marks of a
// handful of turns stated in the scorebook shorthand, the page head, the
// pages and their order with continuation pages and notes, logos and long
// names.

#include "reports/print/game_out.h"

#include <gtest/gtest.h>

#include <QImage>
#include <tuple>

#include "reports/print/at_bat_box_picture.h"
#include "reports/print/blank_sheets_out.h"
#include "reports/print/cell_font.h"
#include "reports/print/recording_target.h"
#include "reports/sheet_games.h"
#include "support/temp_dir.h"

namespace scorewick::print {
namespace {

using reports::GamePrintOptions;
using reports::PrintSide;
using scorewick::testing::CompileSheetGame;
using scorewick::testing::kBatAroundBook;
using scorewick::testing::kMarksBook;

// US letter less a quarter inch all round, at 1200 units to the inch.
const QSize kLetter(9600, 12600);

GamePrintOptions Options(PrintSide side, int columns = 0, bool notes = false) {
  GamePrintOptions o;
  o.side = side;
  o.fit = columns == 0;
  o.columns = columns;
  o.notes = notes;
  return o;
}

// What was drawn inside one box.
struct BoxDrawing {
  QStringList texts;
  std::vector<QLineF> lines;
  std::vector<QRectF> shapes;
};

BoxDrawing InBox(const RecordedPage& page, const QRect& box) {
  const QRectF area = QRectF(box).adjusted(-2, -2, 2, 2);
  BoxDrawing d;
  for (const RecordedText& t : page.texts) {
    if (area.contains(t.baseline)) d.texts << t.text;
  }
  for (const QLineF& l : page.lines) {
    if (area.contains(l.p1()) && area.contains(l.p2())) d.lines.push_back(l);
  }
  for (const QRectF& r : page.shapes) {
    if (area.contains(r) && r != QRectF(box)) d.shapes.push_back(r);
  }
  return d;
}

// A point of the 167 by 145 picture in a box.
QPointF At(const QRect& box, double k, double x, double y) {
  return {box.left() + x * k, box.top() + y * k};
}

bool HasLine(const BoxDrawing& d, QPointF a, QPointF b) {
  for (const QLineF& l : d.lines) {
    if ((QLineF(l.p1(), a).length() < 1 && QLineF(l.p2(), b).length() < 1) ||
        (QLineF(l.p1(), b).length() < 1 && QLineF(l.p2(), a).length() < 1)) {
      return true;
    }
  }
  return false;
}

bool HasShape(const BoxDrawing& d, const QRectF& rect) {
  for (const QRectF& r : d.shapes) {
    if (std::abs(r.left() - rect.left()) < 1.5 && std::abs(r.top() - rect.top()) < 1.5 &&
        std::abs(r.width() - rect.width()) < 3 && std::abs(r.height() - rect.height()) < 3) {
      return true;
    }
  }
  return false;
}

TEST(TGameOutTest, MarksOfAHandfulOfTurns) {
  const Game game = CompileSheetGame(kMarksBook);
  TGameOut out(game, Options(PrintSide::kVisitors));
  out.set_today({2024, 6, 2});
  RecordingPageTarget target(kLetter);
  ASSERT_EQ(PrintPages(out, target), 1);
  const RecordedPage& page = target.pages()[0];
  const SheetGeometry& g = out.geometry();
  const double k = g.scale;
  ASSERT_EQ(g.columns, 1);
  EXPECT_TRUE(page.pictures.empty());  // no empty boxes asked for

  // A double to center field, a steal of third, home on an error.
  const QRect ann = g.box(0, 0);
  const BoxDrawing a = InBox(page, ann);
  EXPECT_TRUE(a.texts.contains("2B") && a.texts.contains("SB") &&
              (a.texts.contains("ER") || a.texts.contains("UER")))
      << a.texts.join('|').toStdString();
  EXPECT_TRUE(HasLine(a, At(ann, k, 83, 117), At(ann, k, 106, 94)));  // home to first
  EXPECT_TRUE(HasLine(a, At(ann, k, 60, 94), At(ann, k, 83, 117)));   // third to home
  const AT_BAT& double_ab = game.innings[0].top.at_bats[0];
  EXPECT_TRUE(HasLine(a, At(ann, k, 83, 117), At(ann, k, double_ab.hit_x, double_ab.hit_y)));
  EXPECT_TRUE(HasShape(a, QRectF(At(ann, k, 60, 71), At(ann, k, 106, 117))));  // the run

  // Struck out looking: the backwards K and the first out's circle.
  const QRect bo = g.box(1, 0);
  const BoxDrawing b = InBox(page, bo);
  EXPECT_TRUE(HasLine(b, At(bo, k, 100, 52), At(bo, k, 100, 110)));
  EXPECT_TRUE(HasLine(b, At(bo, k, 100, 88), At(bo, k, 65, 52)));
  EXPECT_TRUE(HasLine(b, At(bo, k, 87, 80), At(bo, k, 65, 110)));
  EXPECT_TRUE(HasShape(b, QRectF(bo.left() + g.box_width - 37 * k, bo.top() + g.box_height - 35 * k,
                                 32 * k, 32 * k)));
  EXPECT_TRUE(b.texts.contains("1") && !b.texts.contains("K"));

  // A walk on five pitches: the count cells carry the pitch numbers.
  const QRect cy = g.box(2, 0);
  const BoxDrawing c = InBox(page, cy);
  for (const char* n : {"BB", "1", "2", "3", "4"}) EXPECT_TRUE(c.texts.contains(n)) << n;
  EXPECT_TRUE(HasShape(c, QRectF(At(cy, k, 138, 0), At(cy, k, 151, 14)).adjusted(0, 0, 2, 0)));
  EXPECT_TRUE(HasShape(c, QRectF(At(cy, k, 153, 28), At(cy, k, 166, 42)).adjusted(0, 0, 2, 0)));

  // Safe on the shortstop's error.
  EXPECT_TRUE(InBox(page, g.box(3, 0)).texts.contains("E6"));

  // The 6-4-3 double play ends the half: third out.
  const QRect ed = g.box(4, 0);
  const BoxDrawing e = InBox(page, ed);
  for (const char* t : {"6-4-3", "GDP", "3"}) EXPECT_TRUE(e.texts.contains(t)) << t;
  EXPECT_TRUE(HasLine(e, At(ed, k, 83, 117), At(ed, k, 100, 100)));

  for (const char* text : {"Runs: 1", "Gulls : Visitor", "6/1/2024 18:05 at Test Park",
                           "Attendance: 120   Game Duration: 1 hrs 5 min", "Inning 1",
                           "Final Score:   Gulls : 1   Hawks : 0", "Page 1", "6/2/2024"}) {
    EXPECT_NE(page.Find(text), nullptr) << text;
  }
  EXPECT_TRUE(page.Texts().contains("Umpires: Una Ump, Vic Vane"));
}

TEST(TGameOutTest, EverySlotHolderIsPrintedRowOrContinuedBelow) {
  const Game game = CompileSheetGame(scorewick::testing::kManyHoldersBook,
                                     scorewick::testing::ManyHoldersTeams());
  const QStringList first = {"Ann Able", "Pat Pinch", "Sid Swift",
                             "Ty Trot",  "Uma Urge",  "Val Vim"};
  // Fifteen columns a page leave a row room for few names; one column, for
  // all of them.
  for (int columns : {15, 1}) {
    TGameOut out(game, Options(PrintSide::kVisitors, columns));
    RecordingPageTarget target(kLetter);
    ASSERT_EQ(PrintPages(out, target), 1);
    const RecordedPage& page = target.pages()[0];
    const SheetGeometry& g = out.geometry();
    const RecordedText* continued = page.Find("Slot 1, continued: ");
    EXPECT_EQ(continued != nullptr, columns == 15);
    for (const QString& name : first + QStringList{"Wes West"}) {
      // Once: in its slot's row, or on the continuation line under the grid
      // (the substitutions line names them besides).
      int seen = 0;
      for (const RecordedText& t : page.texts) {
        if (t.text == name) {
          const int row = name == "Wes West" ? 6 : 0;
          EXPECT_GE(t.baseline.y(), g.row_top(row)) << name.toStdString();
          EXPECT_LE(t.baseline.y(), g.row_top(row) + g.box_height) << name.toStdString();
          ++seen;
        } else if (t.text.startsWith("Slot ") && t.text.contains(name)) {
          EXPECT_EQ(&t, continued) << name.toStdString();
          EXPECT_GT(t.baseline.y(), g.totals_bottom());
          ++seen;
        }
      }
      EXPECT_EQ(seen, 1) << name.toStdString() << " with " << columns << " columns";
    }
    // The continuation comes before the lines that close the side.
    if (continued) {
      EXPECT_LT(continued->baseline.y(), page.Find("Final Score:")->baseline.y());
    }
  }
}

TEST(TGameOutTest, PagesOfBothSidesWithContinuationAndNotes) {
  const Game game = CompileSheetGame(kBatAroundBook);
  TGameOut out(game, Options(PrintSide::kBoth, 1, true));
  RecordingPageTarget target(kLetter);
  ASSERT_EQ(PrintPages(out, target), 4);
  const auto& pages = target.pages();
  EXPECT_NE(pages[0].Find("Hawks : Home"), nullptr);
  EXPECT_NE(pages[1].Find("Gulls : Visitor"), nullptr);
  EXPECT_NE(pages[2].Find("Gulls : Visitor"), nullptr);
  // The notes' headings and the lines' texts are the score sheet's own tests.
  EXPECT_NE(pages[3].Find("Notes Entered During Game"), nullptr);
  EXPECT_NE(pages[3].Find("Bases loaded"), nullptr);
  // The lines under the grid close each side.
  EXPECT_NE(pages[0].Find("Final Score:"), nullptr);
  EXPECT_EQ(pages[1].Find("Final Score:"), nullptr);
  EXPECT_NE(pages[2].Find("Final Score:"), nullptr);
  // The second time round the order is captioned with the same inning,
  // and its totals are not counted twice.
  EXPECT_NE(pages[2].Find("Inning 1"), nullptr);
  EXPECT_EQ(pages[2].Find("Runs:"), nullptr);
  EXPECT_NE(pages[1].Find("Runs: 6"), nullptr);
  // The pinch hitter stands under the starter of the third slot.
  const RecordedText* starter = pages[1].Find("Cy Cole");
  const RecordedText* pinch = pages[1].Find("Pat Pinch");
  ASSERT_TRUE(starter && pinch);
  EXPECT_GT(pinch->baseline.y(), starter->baseline.y());
  EXPECT_LT(pinch->baseline.y() - starter->baseline.y(), out.geometry().box_height);
  EXPECT_NE(pages[1].Find("T1"), nullptr);

  // Fit puts both turns of the inning on one page.
  TGameOut fit(game, Options(PrintSide::kVisitors));
  RecordingPageTarget fit_target(kLetter);
  ASSERT_EQ(PrintPages(fit, fit_target), 1);
  EXPECT_EQ(fit.geometry().columns, 2);
  EXPECT_EQ(fit_target.pages()[0].Texts().count("Inning 1"), 2);
}

TEST(TGameOutTest, NotesRunOnToFurtherPages) {
  Game game = CompileSheetGame(kMarksBook);
  game.notes.clear();
  for (int i = 0; i < 60; ++i) {
    GAME_NOTE note;
    note.inning = i;
    note.at_bat = 0;
    note.text.set(std::string(250, 'x') + " " + std::to_string(i));
    game.notes.push_back(note);
  }
  TGameOut out(game, Options(PrintSide::kHome, 0, true));
  RecordingPageTarget target(kLetter);
  const int pages = PrintPages(out, target);
  ASSERT_GT(pages, 3);
  int headings = 0;
  for (int p = 1; p < pages; ++p) {
    const RecordedPage& page = target.pages()[static_cast<std::size_t>(p)];
    EXPECT_NE(page.Find("Notes Entered During Game"), nullptr);
    EXPECT_NE(page.Find(QString("Page %1").arg(p + 1)), nullptr);
    for (const RecordedText& t : page.texts) {
      if (t.text.contains(" At Bat")) ++headings;
      // Nothing runs into the credit line at the foot of the page.
      if (!t.text.startsWith("This page")) {
        EXPECT_LT(t.baseline.y(), kLetter.height() - 300);
      }
    }
  }
  EXPECT_EQ(headings, 60);
}

TEST(TGameOutTest, EmptyFieldsDrawEveryBoxPicture) {
  const Game game = CompileSheetGame(kMarksBook);
  GamePrintOptions o = Options(PrintSide::kHome, 4);
  o.empty_fields = true;
  TGameOut out(game, o);
  RecordingPageTarget target(kLetter);
  ASSERT_EQ(PrintPages(out, target), 1);
  // One inning on a page sized for four: the page draws the inning it has.
  EXPECT_EQ(out.geometry().columns, 1);
  EXPECT_EQ(target.pages()[0].pictures.size(), 9u);
  EXPECT_EQ(target.pages()[0].pictures[0], QRectF(out.geometry().box(0, 0)));
}

TEST(TGameOutTest, LogosLoadOrAreLeftOutAndLongNamesAreShortened) {
  TempDir dir;
  QImage logo(40, 20, QImage::Format_RGB32);
  logo.fill(Qt::red);
  ASSERT_TRUE(logo.save(QString::fromStdString(dir.Path("logo.png"))));
  Game game = CompileSheetGame(kMarksBook);
  game.visitor.team_name.set("WWWWWWWWWWWWWWWWWWWWWWWW");
  game.home.team_name.set("WWWWWWWWWWWWWWWWWWWWWWWW");
  game.innings[0].top.offense[0].name.set("WWWWWWWWWWWWWWWWWWWWWWWW");

  TGameOut out(game, Options(PrintSide::kBoth));
  out.SetLogoFiles(dir.Path("missing.png"), dir.Path("logo.png"));
  RecordingPageTarget target(QSize(6000, 12600));
  ASSERT_EQ(PrintPages(out, target), 2);
  EXPECT_TRUE(target.pages()[0].pictures.empty());  // the home logo does not load
  ASSERT_EQ(target.pages()[1].pictures.size(), 1u);
  const QRectF drawn = target.pages()[1].pictures[0];
  EXPECT_DOUBLE_EQ(drawn.width(), drawn.height() * 2);

  // The page header's title keeps clear of the page number and the date.
  const RecordedPage& page = target.pages()[1];
  auto right = [&](const RecordedText* t) {
    return t->baseline.x() + QFontMetricsF(t->font, target.device()).horizontalAdvance(t->text);
  };
  const RecordedText* title = page.Find(" VS ");
  const RecordedText* number = page.Find("Page 2");
  const RecordedText* date = page.Find(QString::number(Today().year));
  ASSERT_TRUE(title && number && date);
  EXPECT_TRUE(title->text.contains(QChar(0x2026))) << title->text.toStdString();
  EXPECT_GT(title->baseline.x(), right(number));
  EXPECT_LT(right(title), date->baseline.x());
  // The player's name stays in its column of the line-up block.
  const SheetGeometry& g = out.geometry();
  int names = 0;
  for (const RecordedText& t : target.pages()[1].texts) {
    if (!t.text.startsWith("WWW") || t.baseline.x() > g.R || t.baseline.y() < g.T) continue;
    ++names;
    EXPECT_LE(t.baseline.x() + QFontMetricsF(t.font, target.device()).horizontalAdvance(t.text),
              g.position_left);
  }
  EXPECT_EQ(names, 1);
}

// Blank score sheets measured on a recording page: the box size from the
// page width (and from the height when the rows do not fit), the number of
// boxes, caption and totals boxes, and identical pages.

int CountRects(const RecordedPage& page, const QRectF& rect) {
  int n = 0;
  for (const QRectF& shape : page.shapes) {
    if (shape.toAlignedRect() == rect.toAlignedRect()) ++n;
  }
  return n;
}

TEST(BlankSheetLayout, ScaleFromWidthOrFromHeight) {
  RecordingPageTarget target(kLetter);
  const QPaintDevice* device = target.device();
  const QFont large = SansFont(kLetter.width() / 60, device);
  const int M = 5 * WidthOfW(large, device);
  const int L = HeightOfW(large, device);
  const int R = M + QFontMetrics(large, target.device())
                        .horizontalAdvance("12345678901234567890123456789012345678");
  const int s = HeightOfW(SansFont(kLetter.width() / 90, device), device);

  struct Case {
    int columns, rows;
    bool by_height;
  };
  for (const Case& c :
       {Case{9, 9, false}, Case{15, 15, false}, Case{4, 15, true}, Case{1, 15, true}}) {
    SCOPED_TRACE(::testing::Message() << c.columns << "x" << c.rows);
    const SheetGeometry g = LayOutSheet(kLetter, c.columns, c.rows, device);
    EXPECT_EQ(std::tuple(g.M, g.T, g.R, g.scaled_by_height), std::tuple(M, 5 * L, R, c.by_height));
    const double scale = c.by_height
                             ? double(kLetter.height() - 2 * g.T - L - 4 * s) / (c.rows * 145.0)
                             : double(kLetter.width() - 2 * M - (R - M)) / (167.0 * c.columns);
    EXPECT_DOUBLE_EQ(g.scale, scale);
    EXPECT_EQ(std::tuple(g.box_width, g.box_height, g.columns),
              std::tuple(int(167 * scale), int(145 * scale), c.columns));
    // Nothing runs past the right margin or into the credit line's room.
    EXPECT_LE(g.column_left(g.columns), kLetter.width() - M);
    EXPECT_LE(g.grid_bottom() + 4 * s, kLetter.height() - g.T);
    // From the height the boxes no longer fill the width.
    if (c.by_height) {
      EXPECT_LT(g.column_left(g.columns), kLetter.width() - M - g.box_width / 2);
    }
  }
}

TEST(BlankSheet, BoxesCaptionsAndTotalsOnEveryPage) {
  TBlankSheetsOut out(7, 11, 3);
  RecordingPageTarget target(kLetter);
  ASSERT_EQ(PrintPages(out, target), 3);
  const SheetGeometry& g = out.geometry();
  ASSERT_EQ(g.columns, 7);
  for (const RecordedPage& page : target.pages()) {
    ASSERT_EQ(page.pictures.size(), 7u * 11u);
    EXPECT_EQ(page.pictures.front(), QRectF(g.box(0, 0)));
    EXPECT_EQ(page.pictures.back(), QRectF(g.box(10, 6)));
    for (int column = 0; column < 7; ++column) {
      EXPECT_EQ(CountRects(page, g.caption_box(column)), 1);
      EXPECT_EQ(CountRects(page, g.totals_box(column)), 1);
    }
    EXPECT_EQ(std::tuple(page.Texts().count("Runs:"), page.Texts().count("LOB:")),
              std::tuple(7, 7));
    for (const char* text : {"Date:____/_____/____", "Umpires:", "This page was created using"})
      EXPECT_NE(page.Find(text), nullptr) << text;
    // Every page is the same sheet.
    EXPECT_EQ(page.Texts(), target.pages().front().Texts());
    EXPECT_EQ(page.shapes, target.pages().front().shapes);
  }
  // The "Errors:" label sits under "Hits:", one small line lower.
  const RecordedPage& page = target.pages().front();
  const RecordedText* hits = page.Find("Hits:");
  const RecordedText* errors = page.Find("Errors:");
  ASSERT_TRUE(hits && errors);
  EXPECT_NEAR(errors->baseline.y() - hits->baseline.y(), g.s, 1);
}

TEST(BlankSheet, NarrowColumnsKeepTheirLabelsInside) {
  TBlankSheetsOut out(15, 15, 1);
  RecordingPageTarget target(kLetter);
  ASSERT_EQ(PrintPages(out, target), 1);
  const SheetGeometry& g = out.geometry();
  int labels = 0;
  for (const RecordedText& text : target.pages()[0].texts) {
    if (text.text != "Errors:") continue;
    ++labels;
    const double width = QFontMetricsF(text.font, target.device()).horizontalAdvance(text.text);
    const int column = int((text.baseline.x() - g.R) / g.box_width);
    EXPECT_LE(text.baseline.x() + width, g.column_left(column + 1));
  }
  EXPECT_EQ(labels, 15);
}

TEST(BlankSheet, ValuesKeptInRange) {
  const TBlankSheetsOut out(0, 99, 1000);
  EXPECT_EQ(std::tuple(out.columns(), out.rows(), out.pages()), std::tuple(1, 15, 100));
}

TEST(BoxPicture, DrawnOncePerSize) {
  BoxPictureCache cache;
  const QImage& first = cache.For(QSize(167, 145));
  const qint64 key = first.cacheKey();
  EXPECT_EQ(cache.For(QSize(167, 145)).cacheKey(), key);
  EXPECT_EQ(cache.For(QSize(334, 290)).size(), QSize(334, 290));
  // The fair territory is white and the olive outline is there.
  const QImage image = RenderAtBatBoxPicture(QSize(167, 145));
  EXPECT_EQ(image.pixelColor(83, 60), QColor(Qt::white));
  bool olive = false;
  for (int y = 0; y < 145 && !olive; ++y) {
    const QColor c = image.pixelColor(83, y);
    olive = c.red() > 100 && c.green() > 100 && c.blue() < 60;
  }
  EXPECT_TRUE(olive);
}

}  // namespace
}  // namespace scorewick::print
