#pragma once
// TListBoxOut: prints a list of fixed-width text lines (a box score, the
// sections of a statistics table, a roster) in a "Courier New" font sized
// so that the longest line just fits the page width, on the shared page
// frame, with up to two logos under the header and a trailer after the
// text that says what the text was made from.
//
// Each page: the credit line; the header with page number = page of this
// job + page offset; the logos (or half a line of space); then lines until
// y passes page height - 4 line heights.  The trailer goes after the last
// line when y has not passed page height - 5 line heights, else alone on a
// page of its own; a list of game files too long for the page runs on to
// the pages after it.

#include <QImage>
#include <QString>
#include <optional>
#include <string>
#include <vector>

#include "records/game.h"
#include "records/local_date.h"
#include "reports/print/printout.h"
#include "reports/print/text_layout.h"

namespace scorewick::print {

class TListBoxOut : public Printout {
 public:
  // lines and title are record texts (code page 1252); the title is cut
  // to 255 characters.
  TListBoxOut(std::vector<std::string> lines, std::string title);

  // Logo picture files (empty = none; one that cannot be loaded is left
  // out without a message).
  void SetLogos(std::string first, std::string second);
  // Statistics: "Using game files :" and the analysed files' paths.
  void SetGameFilesTrailer(std::vector<std::string> paths);
  // Box score: "<visitors> VS <home> played on m/d/y at <field>".
  void SetGameTrailer(const Game& game);
  // Added to the page numbers, so that printouts in a row number their
  // pages continuously.
  void set_page_offset(int offset) { page_offset_ = offset; }
  // Lines are cut to this many characters; 0 = the longest line's length.
  void set_line_width(int characters) { line_width_ = characters; }
  // The font is never sized for fewer characters than this.
  void set_min_line_width(int characters) { min_line_width_ = characters; }
  // Whether the credit line is drawn (on by default).
  void set_credit_line(bool on) { credit_line_ = on; }
  // The date in the header (today when not set).
  void set_today(const LocalDate& date) { today_ = date; }

  // Layout state, as the first page settled it.
  int first_unit() const { return first_unit_; }  // before the fitting loop
  int unit() const { return layout_.unit; }
  int line_width() const { return line_width_; }
  const TextLayout& layout() const { return layout_; }

  QString JobName() const override { return title_; }
  void BeginPrinting() override;
  void PrintPage(QPainter& painter, int page, QSize size) override;
  bool HasPageAfter(int) const override { return more_pages_; }

 private:
  enum class Trailer { kNone, kGameFiles, kGame };

  void LayOutFirstPage(QSize size, const QPaintDevice* device);
  int DrawLogos(QPainter& painter, QSize size, int y);
  // Draws the trailer, or what is left of it, from y down; false when the
  // page is full and the list of game files goes on on the next page.
  bool DrawTrailer(QPainter& painter, QSize size, int y);

  std::vector<std::string> lines_;
  QString title_;
  std::string logo_files_[2];
  std::optional<QImage> logos_[2];
  Trailer trailer_ = Trailer::kNone;
  std::vector<std::string> game_files_;
  std::string game_line_;
  int page_offset_ = 0;
  int line_width_ = 0;
  int min_line_width_ = 0;
  bool credit_line_ = true;
  std::optional<LocalDate> today_;
  LocalDate header_date_;

  int first_unit_ = 0;
  TextLayout layout_;
  std::size_t next_line_ = 0;
  bool more_pages_ = false;
  bool trailer_done_ = false;
  bool trailer_begun_ = false;
  std::size_t next_file_ = 0;  // the game file the trailer lists next
};

}  // namespace scorewick::print
