// The text printout measured on a recording page: the font unit and its
// fitting, page breaks, the trailer, continuous page numbers, cut lines,
// logos and the page frame.

#include "reports/print/list_box_out.h"

#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QImage>
#include <QPdfWriter>
#include <set>

#include "records/file_io.h"
#include "reports/print/page_frame.h"
#include "reports/print/printer_orientation.h"
#include "reports/print/recording_target.h"
#include "reports/print/stats_printout.h"
#include "support/packed_fields.h"
#include "support/pdf_pages.h"
#include "support/temp_dir.h"
#include "support/told.h"

namespace scorewick::print {
namespace {

const LocalDate kToday{2004, 7, 3};

std::vector<std::string> Lines(int count, int length = 40) {
  std::vector<std::string> lines;
  for (int i = 0; i < count; ++i) {
    std::string line = "line " + std::to_string(i + 1);
    line.resize(static_cast<std::size_t>(length), '.');
    lines.push_back(line);
  }
  return lines;
}

// The "Page N" texts of every page, in order.
std::vector<QString> PageNumbers(const RecordingPageTarget& target) {
  std::vector<QString> numbers;
  for (const RecordedPage& page : target.pages()) {
    const RecordedText* text = page.Find("Page ");
    numbers.push_back(text ? text->text : QString());
  }
  return numbers;
}

TEST(TextUnitTest, UnitForTheLongestLineAndItsFitting) {
  EXPECT_EQ(InitialCharacterUnit(4800, 94), 48);
  // With "W" exactly one unit wide, 94 characters and 8 of margin need 102
  // units: 48 is too wide (4896), 47 fits (4794).
  EXPECT_EQ(FitCharacterUnit(4800, 94, 48, [](int unit) { return unit; }), 47);
  // A narrower "W" fits at once.
  EXPECT_EQ(FitCharacterUnit(4800, 94, 48, [](int unit) { return unit - 2; }), 48);
  EXPECT_EQ(FitCharacterUnit(10, 500, 3, [](int unit) { return unit; }), 1);
}

TEST(TextUnitTest, FontOfTheUnitIsTwoUnitsHighAndOneWide) {
  RecordingPageTarget target(QSize(4800, 6200));
  const TextLayout layout = MakeTextLayout(48, target.device());
  EXPECT_NEAR(layout.char_width, 48, 1);
  EXPECT_NEAR(layout.line_height, 96, 1);
  EXPECT_EQ(layout.left_margin, 4 * layout.char_width);
  EXPECT_EQ(layout.top_offset, 3 * layout.line_height);
}

TEST(TListBoxOutTest, LongestLineOf94OnAPage4800Wide) {
  std::vector<std::string> lines = Lines(10, 60);
  lines[4] = std::string(94, 'W');
  TListBoxOut out(lines, "Box Score");
  out.set_today(kToday);
  RecordingPageTarget target(QSize(4800, 6200));
  ASSERT_EQ(PrintPages(out, target), 1);
  EXPECT_EQ(out.first_unit(), 48);
  EXPECT_EQ(out.line_width(), 94);
  // The unit is lowered as far as the line and its margins fit (the text
  // unit's own test says how far).
  const TextLayout& layout = out.layout();
  EXPECT_LE(2 * layout.left_margin + layout.char_width * 94, 4800);
  const RecordedText* widest = target.pages()[0].Find(QString(94, 'W'));
  ASSERT_NE(widest, nullptr);
  EXPECT_EQ(widest->baseline.x(), layout.left_margin);
}

// The frame of a page, as relations between what is drawn: the header's
// three texts on one line at the top, the page number and the date equally
// far in from the edges, the title and the credit centred, the text between
// the header and the credit.
TEST(TListBoxOutTest, PageFrame) {
  TListBoxOut out(Lines(3), "Hawks at Owls");
  out.set_today(kToday);
  RecordingPageTarget target(QSize(5000, 6500));
  ASSERT_EQ(PrintPages(out, target), 1);
  const RecordedPage& page = target.pages()[0];
  const RecordedText* number = page.Find("Page 1");
  const RecordedText* title = page.Find("Hawks at Owls");
  const RecordedText* date = page.Find("7/3/2004");
  const RecordedText* credit = page.Find("This page was created using Brixley Scorewick, ");
  const RecordedText* first = page.Find("line 1.");
  const RecordedText* last = page.Find("line 3.");
  ASSERT_TRUE(number && title && date && credit && first && last);
  const QFontMetrics header(number->font, target.device());
  const auto right = [&](const RecordedText* t) {
    return t->baseline.x() + QFontMetrics(t->font, target.device()).horizontalAdvance(t->text);
  };
  EXPECT_EQ(Fields(number->baseline.y(), number->font.family()),
            Fields(title->baseline.y(), title->font.family()));
  EXPECT_EQ(number->baseline.y(), date->baseline.y());
  EXPECT_LT(number->baseline.y(), 6500 / 20);
  EXPECT_NEAR(header.ascent() + header.descent(), 5000 / 50, 2);  // a fiftieth of the width
  EXPECT_EQ(number->baseline.x(), 5000 - right(date));
  EXPECT_NEAR((title->baseline.x() + right(title)) / 2.0, 2500, 1);
  EXPECT_NEAR((credit->baseline.x() + right(credit)) / 2.0, 2500, 1);
  EXPECT_TRUE(credit->font.italic());
  EXPECT_LT(QFontMetrics(credit->font, target.device()).height(), header.height());
  EXPECT_GT(first->baseline.y(), number->baseline.y() + header.descent());
  EXPECT_LT(last->baseline.y(), credit->baseline.y());
  EXPECT_GT(credit->baseline.y(), 6500 * 0.9);
  EXPECT_LT(credit->baseline.y(), 6500);
}

// A fixed line width cuts longer lines; a minimum keeps short text small.
// Either way the unit is sized for 80 characters, not the text's.
TEST(TListBoxOutTest, FixedAndMinimumLineWidths) {
  TListBoxOut out({std::string(100, 'a'), std::string(80, 'b'), "short"}, "Cut");
  out.set_line_width(80);
  RecordingPageTarget target(QSize(4800, 6200));
  ASSERT_EQ(PrintPages(out, target), 1);
  const RecordedPage& page = target.pages()[0];
  EXPECT_NE(page.Find(QString(80, 'a')), nullptr);
  EXPECT_EQ(page.Find(QString(81, 'a')), nullptr);
  EXPECT_NE(page.Find(QString(80, 'b')), nullptr);
  EXPECT_EQ(out.first_unit(), 4800 / 86);

  TListBoxOut small({"ab"}, "Short");
  small.set_min_line_width(80);
  RecordingPageTarget small_target(QSize(4800, 6200));
  PrintPages(small, small_target);
  EXPECT_EQ(small.first_unit(), 4800 / 86);
  EXPECT_EQ(small.line_width(), 2);
}

// Lines printed on the first page of a long text.
int LinesOnFirstPage(QSize size) {
  TListBoxOut probe(Lines(400), "Probe");
  RecordingPageTarget target(size);
  PrintPages(probe, target);
  int count = 0;
  for (const QString& text : target.pages()[0].Texts()) count += text.startsWith("line ");
  return count;
}

TEST(TListBoxOutTest, TrailerThatDoesNotFitGoesAloneOnALastPage) {
  const QSize size(4800, 6200);
  const int full = LinesOnFirstPage(size);
  ASSERT_GT(full, 10);
  Game game;
  game.visitor.team_name.set("Owls");
  game.home.team_name.set("Hawks");
  game.header.month = 7;
  game.header.day = 3;
  game.header.year = 2004;
  game.header.field.set("Elm Park");
  const QString trailer = "Owls VS Hawks played on 7/3/2004 at Elm Park";

  // One line short of a full page: the text ends between 5 and 4 line
  // heights above the foot, so the trailer takes a page of its own.
  for (int count : {full - 1, full}) {
    TListBoxOut out(Lines(count), "Box Score");
    out.SetGameTrailer(game);
    RecordingPageTarget target(size);
    ASSERT_EQ(PrintPages(out, target), 2) << count;
    EXPECT_EQ(target.pages()[0].Find(trailer), nullptr);
    const RecordedPage& last = target.pages()[1];
    ASSERT_NE(last.Find(trailer), nullptr);
    EXPECT_EQ(last.Find("line "), nullptr);
    EXPECT_NE(last.Find("Page 2"), nullptr);
    EXPECT_NE(last.Find("This page was created using"), nullptr);
  }
  // Two lines short: the trailer follows the text.
  TListBoxOut out(Lines(full - 2), "Box Score");
  out.SetGameTrailer(game);
  RecordingPageTarget target(size);
  ASSERT_EQ(PrintPages(out, target), 1);
  EXPECT_NE(target.pages()[0].Find(trailer), nullptr);
  // Without a trailer a full page is the last.
  TListBoxOut plain(Lines(full), "Box Score");
  RecordingPageTarget plain_target(size);
  EXPECT_EQ(PrintPages(plain, plain_target), 1);
}

TEST(TListBoxOutTest, SectionsNumberTheirPagesContinuously) {
  const QSize size(4800, 6200);
  const int full = LinesOnFirstPage(size);
  RecordingPageTarget target(size);
  int printed = 0;
  for (int lines : {full + 5, 3, 2 * full + 1}) {  // 2, 1 and 3 pages
    TListBoxOut section(Lines(lines), "Batting");
    section.set_page_offset(printed);
    const int pages = AppendPages(section, target);
    ASSERT_GT(pages, 0);
    printed += pages;
  }
  target.Finish();
  ASSERT_EQ(printed, 6);
  EXPECT_EQ(PageNumbers(target),
            (std::vector<QString>{"Page 1", "Page 2", "Page 3", "Page 4", "Page 5", "Page 6"}));
}

TEST(TListBoxOutTest, ASeasonOfGameFilesRunsOnToFurtherPages) {
  std::vector<std::string> files;
  for (int i = 0; i < 2429; ++i) files.push_back("/league/2024/game" + std::to_string(i) + ".gam");
  TListBoxOut out(Lines(3), "Stats");
  out.SetGameFilesTrailer(files);
  const QSize size(4800, 6200);
  RecordingPageTarget target(size);
  const int pages = PrintPages(out, target);
  ASSERT_GT(pages, 2);
  // Every file once and in order, run on like text after the heading
  // (a comma after each but the last, none past the right margin nor below
  // the foot of its page); the heading once; the pages numbered on.
  std::vector<std::string> listed;
  int headings = 0;
  for (const RecordedPage& page : target.pages()) {
    for (const RecordedText& t : page.texts) {
      headings += t.text == "Using game files :";
      if (!t.text.startsWith("/league/")) continue;
      EXPECT_LT(t.baseline.y(), size.height() - 3 * out.layout().line_height)
          << t.text.toStdString();
      EXPECT_LE(t.baseline.x() + QFontMetrics(t.font, target.device()).horizontalAdvance(t.text),
                size.width() - out.layout().left_margin);
      EXPECT_EQ(t.text.endsWith(", "), t.text != "/league/2024/game2428.gam");
      EXPECT_EQ(headings, 1);  // drawn before the files
      QString file = t.text;
      if (file.endsWith(", ")) file.chop(2);
      listed.push_back(file.toStdString());
    }
  }
  EXPECT_EQ(listed, files);
  EXPECT_EQ(headings, 1);
  EXPECT_EQ(PageNumbers(target).back(), QString("Page %1").arg(pages));
}

TEST(TListBoxOutTest, LogosAreScaledToATwelfthOfThePage) {
  TempDir dir;
  QImage logo(40, 20, QImage::Format_RGB32);
  logo.fill(Qt::red);
  ASSERT_TRUE(logo.save(QString::fromStdString(dir.Path("logo.bmp"))));
  TListBoxOut out(Lines(2), "Logos");
  out.SetLogos(dir.Path("logo.bmp"), dir.Path("missing.bmp"));
  RecordingPageTarget target(QSize(4800, 6200));
  PrintPages(out, target);
  const RecordedPage& page = target.pages()[0];
  ASSERT_EQ(page.pictures.size(), 1u);  // the missing one is left out
  EXPECT_EQ(page.pictures[0], QRectF(out.layout().left_margin, page.pictures[0].y(), 400, 200));
  // The text starts below the logo.
  const RecordedText* first = page.Find("line 1.");
  ASSERT_NE(first, nullptr);
  EXPECT_GE(first->baseline.y(), page.pictures[0].bottom());

  out.SetLogos("", dir.Path("logo.bmp"));
  RecordingPageTarget right(QSize(4800, 6200));
  PrintPages(out, right);
  ASSERT_EQ(right.pages()[0].pictures.size(), 1u);
  EXPECT_EQ(right.pages()[0].pictures[0].right(), 4800 - out.layout().left_margin);
}

TEST(PrinterOrientationTest, SwitchesAndRestores) {
  QPdfWriter writer(QString::fromStdString(TempDir().Path("x.pdf")));
  writer.setPageOrientation(QPageLayout::Portrait);
  {
    TemporaryPrinterOrientation landscape(writer, kLandscape);
    EXPECT_EQ(writer.pageLayout().orientation(), QPageLayout::Landscape);
    EXPECT_GT(writer.width(), writer.height());
  }
  EXPECT_EQ(writer.pageLayout().orientation(), QPageLayout::Portrait);
  try {
    TemporaryPrinterOrientation bad(writer, 3);
    FAIL() << "orientation 3 was taken";
  } catch (const std::invalid_argument& e) {
    EXPECT_STREQ(e.what(), "Unknown page orientation");
  }
  EXPECT_EQ(writer.pageLayout().orientation(), QPageLayout::Portrait);
}

TEST(ImagePageTargetTest, SamePrintoutOnImages) {
  TListBoxOut out(Lines(80), "Pictures");
  ImagePageTarget target(QSize(850, 1100), 100);
  const int pages = PrintPages(out, target);
  ASSERT_GE(pages, 2);
  ASSERT_EQ(target.pages().size(), static_cast<std::size_t>(pages));
  const QImage& page = target.pages()[0];
  EXPECT_EQ(page.size(), QSize(850, 1100));
  // Ink in the header band and in the text; the margin stays white.
  auto ink = [&](int top, int bottom, int left, int right) {
    int dark = 0;
    for (int y = top; y < bottom; ++y) {
      for (int x = left; x < right; ++x) dark += qGray(page.pixel(x, y)) < 128;
    }
    return dark;
  };
  EXPECT_GT(ink(0, 60, 0, 850), 0);
  EXPECT_GT(ink(100, 1000, 0, 850), 0);
  EXPECT_EQ(ink(100, 1000, 0, out.layout().left_margin - 2), 0);
}

TEST(PrintToPdfTest, WritesTheWholeFileOrNothing) {
  TempDir dir;
  TListBoxOut out(Lines(150), "Pdf");
  std::string error;
  ASSERT_TRUE(testing::Done(PrintToPdf(out, dir.Path("out.pdf")), &error)) << error;
  std::string bytes;
  ASSERT_TRUE(ReadWholeTextFile(dir.Path("out.pdf"), bytes));
  EXPECT_GT(scorewick::testing::PdfPages(dir.Path("out.pdf")), 1);  // 150 lines run on
  // A disk that fills up half-way: the write fails and leaves no file at
  // all, neither the PDF nor a temporary one.
  TempDir empty;
  {
    FileSizeLimit disk_full(bytes.size() / 2);
    EXPECT_FALSE(testing::Done(PrintToPdf(out, empty.Path("out.pdf")), &error));
  }
  EXPECT_FALSE(error.empty());
  EXPECT_EQ(FilesIn(empty.path()), 0);
}

// The sections of a statistics table printed one after another: page
// numbers run on, every section is titled, and the game files close the
// last one only.

TEST(StatsPrintout, SectionsNumberTheirPagesOn) {
  std::vector<reports::TextSection> sections;
  for (int s = 0; s < 3; ++s) {
    reports::TextSection section = reports::StarBox(StatTable::kRunning, Split::kAll);
    for (int i = 0; i < (s == 1 ? 120 : 10); ++i) section.push_back("row " + std::to_string(i));
    sections.push_back(section);
  }
  RecordingPageTarget target(QSize(9600, 12600));
  const int pages =
      PrintStatsSections(sections, "Statistics for Hawks", {"a.gam", "b.gam"}, 85, target);
  ASSERT_EQ(pages, static_cast<int>(target.pages().size()));
  ASSERT_GE(pages, 4);  // the long middle section takes two pages or more
  for (int p = 0; p < pages; ++p) {
    const RecordedPage& page = target.pages()[static_cast<std::size_t>(p)];
    const RecordedText* number = page.Find("Page ");
    ASSERT_NE(number, nullptr);
    EXPECT_EQ(number->text, QString("Page %1").arg(p + 1));
    EXPECT_NE(page.Find("Statistics for Hawks"), nullptr);
    EXPECT_EQ(page.Find("Using game files :") != nullptr, p + 1 == pages) << "page " << p + 1;
  }
}

}  // namespace
}  // namespace scorewick::print
