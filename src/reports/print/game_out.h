#pragma once
// TGameOut: a scored game printed as a paper score sheet.
//
// Pages, in order: the pages of each printed side (home first when both
// are printed), each holding as many inning columns as the options say
// (all of them with "fit"); then, when asked for and the game has notes,
// the notes page (continued on further pages while notes remain).
//
// A side's page: the page header and credit line; centred, the game's
// date, time and field and then its attendance and duration; the team's
// logo (when its file loads) and "<team> : Home" or "Visitor"; the
// line-up block with every player who held each slot (those a row has no
// room for listed under the grid, "Slot 4, continued: ..."); the grid of at-bat
// boxes with their marks (see at_bat_marks.h), captioned "Inning N" and
// with the half-inning totals below; and on the side's last page the
// final score, the pitchers of record, the umpires and the
// designated-hitter line with the substitutions.  The sizes follow
// score_sheet_grid.h, with the line-up block's top under the page head
// and room kept at the foot for the lines under the grid.

#include <QColor>
#include <QImage>
#include <optional>
#include <string>
#include <vector>

#include "records/game.h"
#include "records/local_date.h"
#include "reports/print/at_bat_box_picture.h"
#include "reports/print/at_bat_marks.h"
#include "reports/print/printout.h"
#include "reports/print/score_sheet_grid.h"
#include "reports/score_sheet_layout.h"

namespace scorewick::print {

class TGameOut : public Printout {
 public:
  // game must outlive the printout.
  TGameOut(const Game& game, const reports::GamePrintOptions& options);

  // The hit line's colour (the "Hit To Line Color" setting).
  void set_hit_line_color(QColor color) { style_.hit_line = color; }
  // The logo picture files of the two teams, as found by the caller (by
  // default the teams' own logo file names).  One that cannot be loaded
  // is left out without a message.
  void SetLogoFiles(std::string home, std::string visitor);
  // The date in the page header (today when not set).
  void set_today(const LocalDate& date) { today_ = date; }

  // The plan the pages follow, and the layout of the last side page drawn.
  const std::vector<reports::SheetPageSpec>& plan() const { return plan_; }
  const SheetGeometry& geometry() const { return geometry_; }
  const reports::SideSheet& side(bool home) const { return home ? home_ : visitor_; }

  QString JobName() const override;
  void BeginPrinting() override;
  void PrintPage(QPainter& painter, int page, QSize size) override;
  bool HasPageAfter(int page) const override;

 private:
  struct Head;
  // The page header's title, "<visitors> VS <home>", the names shortened
  // when it would run into the page number or the date.
  QString Title(QPainter& painter, QSize size, int page) const;
  Head DrawHead(QPainter& painter, QSize size, int page, const QString& line);
  void PrintSidePage(QPainter& painter, const reports::SheetPageSpec& spec, QSize size, int page);
  void DrawLineup(QPainter& painter, const reports::SideSheet& sheet) const;
  // How many players who came into a slot its row shows under the starter.
  int SubstituteLines(const SheetGeometry& g) const;
  // "Slot N, continued: ..." for every slot with more players than its
  // row shows, wrapped to width in the painter's font.
  std::vector<QString> ContinuedLines(QPainter& painter, const reports::SideSheet& sheet,
                                      int width) const;
  void DrawColumns(QPainter& painter, const reports::SideSheet& sheet,
                   const reports::SheetPageSpec& spec);
  std::vector<QString> FooterLines(QPainter& painter, bool home, int width) const;
  void PrintNotesPage(QPainter& painter, QSize size, int page);

  const Game& game_;
  reports::GamePrintOptions options_;
  MarkStyle style_;
  std::string logo_files_[2];  // home, visitor
  std::optional<QImage> logos_[2];
  std::optional<LocalDate> today_;
  LocalDate header_date_;

  reports::SideSheet home_;
  reports::SideSheet visitor_;
  std::vector<reports::SheetPageSpec> plan_;
  SheetGeometry geometry_;
  BoxPictureCache picture_;
  std::size_t next_note_ = 0;
};

}  // namespace scorewick::print
