// Blank score sheets measured on a recording page: the box size from the
// page width (and from the height when the rows do not fit), the number of
// boxes, caption and totals boxes, and identical pages.

#include <gtest/gtest.h>

#include <tuple>

#include "reports/print/at_bat_box_picture.h"
#include "reports/print/blank_sheets_out.h"
#include "reports/print/cell_font.h"
#include "reports/print/recording_target.h"

namespace scorewick::print {
namespace {

// US letter less a quarter inch all round, at 1200 units to the inch.
const QSize kLetter(9600, 12600);

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
    SCOPED_TRACE(testing::Message() << c.columns << "x" << c.rows);
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
