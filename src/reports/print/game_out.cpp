#include "reports/print/game_out.h"

#include <QFontMetrics>
#include <algorithm>

#include "reports/print/cell_font.h"
#include "reports/print/cp1252_text.h"
#include "reports/print/page_frame.h"
#include "reports/score_sheet_text.h"

namespace scorewick::print {
namespace {

using reports::SheetPageSpec;
using reports::SideSheet;

QString Text(std::string_view text) { return FromCp1252(text); }

// The lines text breaks into so that each fits width in the painter's
// font: breaks fall after blanks and commas; a piece wider than the width
// stands on a line of its own.
std::vector<QString> Wrap(const QPainter& painter, const QString& text, int width) {
  std::vector<QString> lines;
  QString line;
  QString piece;
  auto place = [&] {
    if (!line.isEmpty() && TextWidth(painter, (line + piece).trimmed()) > width) {
      lines.push_back(line.trimmed());
      line.clear();
    }
    line += piece;
    piece.clear();
  };
  for (QChar c : text) {
    piece += c;
    if (c == ' ' || c == ',') place();
  }
  place();
  if (!line.trimmed().isEmpty()) lines.push_back(line.trimmed());
  return lines;
}

QString Elided(const QPainter& painter, const QString& text, int width) {
  return QFontMetrics(painter.font(), painter.device()).elidedText(text, Qt::ElideRight, width);
}

// Draws text centred between left and right with its top at y, in a
// smaller letter when it would not fit.
void DrawCentredIn(QPainter& painter, const QString& text, int left, int right, int y) {
  const int room = right - left;
  const int width = TextWidth(painter, text);
  if (width > room && width > 0) {
    painter.save();
    const int height = HeightOfW(painter.font(), painter.device());
    painter.setFont(SansFont(std::max(1, height * room / width), painter.device()));
    DrawTextAt(painter, left, y, text);
    painter.restore();
    return;
  }
  DrawTextAt(painter, left + (room - width) / 2, y, text);
}

int CreditLineReserve(QSize size, const QPaintDevice* device) {
  return 3 * HeightOfW(SansFont(size.width() / 70, device, /*italic=*/true), device);
}

}  // namespace

struct TGameOut::Head {
  int next_y = 0;  // under the centred line
  QFont large;
  QFont small;
  int L = 0;
  int s = 0;
  int M = 0;
};

TGameOut::TGameOut(const Game& game, const reports::GamePrintOptions& options)
    : game_(game), options_(options) {
  logo_files_[0] = game.home.logo_file.str();
  logo_files_[1] = game.visitor.logo_file.str();
}

void TGameOut::SetLogoFiles(std::string home, std::string visitor) {
  logo_files_[0] = std::move(home);
  logo_files_[1] = std::move(visitor);
}

QString TGameOut::JobName() const {
  return Text(game_.visitor.team_name.view()) + " VS " + Text(game_.home.team_name.view());
}

void TGameOut::BeginPrinting() {
  home_ = reports::LayOutSide(game_, true);
  visitor_ = reports::LayOutSide(game_, false);
  plan_ = reports::PlanGamePages(game_, options_);
  next_note_ = 0;
  header_date_ = today_ ? *today_ : Today();
  for (int i = 0; i < 2; ++i) {
    logos_[i].reset();
    if (logo_files_[i].empty()) continue;
    QImage logo(QString::fromLocal8Bit(logo_files_[i].c_str()));
    if (!logo.isNull()) logos_[i] = logo;
  }
}

bool TGameOut::HasPageAfter(int page) const {
  if (static_cast<std::size_t>(page) < plan_.size()) return true;
  return !plan_.empty() && plan_.back().notes && next_note_ < game_.notes.size();
}

void TGameOut::PrintPage(QPainter& painter, int page, QSize size) {
  const std::size_t index = static_cast<std::size_t>(std::max(page, 1) - 1);
  if (index >= plan_.size() || plan_[index].notes) {
    PrintNotesPage(painter, size, page);
  } else {
    PrintSidePage(painter, plan_[index], size, page);
  }
}

QString TGameOut::Title(QPainter& painter, QSize size, int page) const {
  // The page header puts the page number and the date a side margin in
  // from the edges; the title is centred between them.
  painter.save();
  const int margin = 3 * WidthOfW(painter.font(), painter.device());
  painter.setFont(SansFont(size.width() / 50, painter.device()));
  const QString date =
      QString("%1/%2/%3").arg(header_date_.month).arg(header_date_.day).arg(header_date_.year);
  const int ends =
      margin + TextWidth(painter, "  ") +
      std::max(TextWidth(painter, QString("Page %1").arg(page)), TextWidth(painter, date));
  const int room = size.width() - 2 * ends;
  QString visitor = Text(game_.visitor.team_name.view());
  QString home = Text(game_.home.team_name.view());
  if (TextWidth(painter, visitor + " VS " + home) > room) {
    const int half = (room - TextWidth(painter, " VS ")) / 2;
    visitor = Elided(painter, visitor, half);
    home = Elided(painter, home, half);
  }
  painter.restore();
  return visitor + " VS " + home;
}

TGameOut::Head TGameOut::DrawHead(QPainter& painter, QSize size, int page, const QString& line) {
  const QPaintDevice* device = painter.device();
  Head head;
  head.large = SansFont(size.width() / 60, device);
  head.small = SansFont(size.width() / 90, device);
  head.L = HeightOfW(head.large, device);
  head.s = HeightOfW(head.small, device);
  head.M = 5 * WidthOfW(head.large, device);
  DrawCreditLine(painter, size);
  painter.setFont(head.large);
  const int y =
      DrawPageHeader(painter, size, page, Title(painter, size, page), header_date_) + head.L / 2;
  DrawCentredIn(painter, line, 0, size.width(), y);
  head.next_y = y + head.L;
  return head;
}

void TGameOut::PrintSidePage(QPainter& painter, const SheetPageSpec& spec, QSize size, int page) {
  const QPaintDevice* device = painter.device();
  const SideSheet& sheet = spec.home ? home_ : visitor_;
  const Team& team = spec.home ? game_.home : game_.visitor;
  const Head head = DrawHead(painter, size, page, Text(reports::GameDateLine(game_.header)));
  int y = head.next_y;
  painter.setFont(head.small);
  DrawCentredIn(painter, Text(reports::AttendanceLine(game_.header)), 0, size.width(), y);
  y += head.s + head.L / 2;

  // The logo, two lines high and at most an eighth of the page wide, and
  // the team beside it.
  int x = head.M;
  int row_height = head.L;
  if (const std::optional<QImage>& logo = logos_[spec.home ? 0 : 1]) {
    int height = 2 * head.L;
    int width = logo->width() * height / std::max(1, logo->height());
    if (width > size.width() / 8) {
      width = size.width() / 8;
      height = logo->height() * width / std::max(1, logo->width());
    }
    painter.drawImage(QRect(head.M, y, width, height), *logo);
    x += width + head.L / 2;
    row_height = std::max(row_height, height);
  }
  QFont team_font = head.large;
  team_font.setBold(true);
  painter.setFont(team_font);
  const QString side_text = spec.home ? " : Home" : " : Visitor";
  const int name_room = size.width() - head.M - x - TextWidth(painter, side_text);
  DrawTextAt(painter, x, y + (row_height - head.L) / 2,
             Elided(painter, Text(team.team_name.view()), name_room) + side_text);
  const int top = y + row_height + head.L / 2;

  painter.setFont(head.large);
  const int text_width = size.width() - 2 * head.M;
  const std::vector<QString> footer = FooterLines(painter, spec.home, text_width);
  // The players a slot's row has no room for are listed under the grid;
  // those lines take room from the grid in turn, so the sheet is laid out
  // again until their number settles.
  std::vector<QString> continued;
  for (int pass = 0; pass < 4; ++pass) {
    const int lines = static_cast<int>(footer.size() + continued.size());
    const int bottom = head.L / 2 + lines * head.L + CreditLineReserve(size, device);
    geometry_ = LayOutSheet(size, spec.columns_sized, sheet.rows, device, top, bottom);
    std::vector<QString> again = ContinuedLines(painter, sheet, text_width);
    const bool settled = again.size() == continued.size();
    continued = std::move(again);
    if (settled) break;
  }
  geometry_.columns = std::min(geometry_.columns, spec.column_count);
  const SheetGeometry& g = geometry_;

  DrawLineupBlock(painter, g);
  DrawLineup(painter, sheet);
  DrawBoxGrid(painter, g,
              options_.empty_fields ? &picture_.For(QSize(g.box_width, g.box_height)) : nullptr);
  DrawColumns(painter, sheet, spec);

  painter.setFont(head.large);
  int line_y = g.totals_bottom() + head.L / 2;
  for (const QString& line : continued) {
    DrawTextAt(painter, head.M, line_y, line);
    line_y += head.L;
  }
  if (spec.last_of_side) {
    for (const QString& line : footer) {
      DrawTextAt(painter, head.M, line_y, line);
      line_y += head.L;
    }
  }
}

int TGameOut::SubstituteLines(const SheetGeometry& g) const {
  // Below a row's grey band, a line at least three quarters of the small
  // letter high, so that every name can be read.
  const int smallest = std::max(1, g.s * 3 / 4);
  return std::max(0, (g.box_height - g.band_height()) / smallest);
}

std::vector<QString> TGameOut::ContinuedLines(QPainter& painter, const SideSheet& sheet,
                                              int width) const {
  const std::size_t room = static_cast<std::size_t>(SubstituteLines(geometry_));
  std::vector<QString> lines;
  for (std::size_t row = 0; row < sheet.holders.size(); ++row) {
    const auto& holders = sheet.holders[row];
    if (holders.size() <= 1 + room) continue;
    const std::vector<reports::SlotHolder> rest(holders.begin() + 1 + static_cast<long>(room),
                                                holders.end());
    for (const QString& line :
         Wrap(painter, Text(reports::ContinuedSlotLine(static_cast<int>(row) + 1, rest)), width)) {
      lines.push_back(line);
    }
  }
  return lines;
}

void TGameOut::DrawLineup(QPainter& painter, const SideSheet& sheet) const {
  const SheetGeometry& g = geometry_;
  const QPaintDevice* device = painter.device();
  const int inset = g.L / 4;
  const std::size_t fit = static_cast<std::size_t>(SubstituteLines(g));
  for (int row = 0; row < g.rows; ++row) {
    const auto& all = sheet.holders[static_cast<std::size_t>(row)];
    // Those beyond the row's room are listed under the grid.
    const std::vector<reports::SlotHolder> holders(
        all.begin(), all.begin() + static_cast<long>(std::min(all.size(), 1 + fit)));
    const int row_top = g.row_top(row);
    for (std::size_t i = 0; i < holders.size(); ++i) {
      const reports::SlotHolder& h = holders[i];
      int y = 0;
      if (i == 0) {
        // The starter in the grey band.
        painter.setFont(g.band_height() >= g.L ? g.large_font : g.small_font);
        y = row_top + (g.band_height() - HeightOfW(painter.font(), device)) / 2;
      } else {
        // Those who came in after him below it, closer together when many.
        const int room = g.box_height - g.band_height();
        const int count = static_cast<int>(holders.size()) - 1;
        const int line = std::min(g.s, room / count);
        painter.setFont(line == g.s ? g.small_font : SansFont(std::max(1, line), device));
        y = row_top + g.band_height() + static_cast<int>(i - 1) * line;
      }
      DrawCentredIn(painter, Text(h.number), g.M, g.number_right, y);
      DrawTextAt(painter, g.number_right + inset, y,
                 Elided(painter, Text(h.name), g.position_left - g.number_right - 2 * inset));
      DrawCentredIn(painter, Text(h.position), g.position_left, g.sub_left, y);
      DrawCentredIn(painter, Text(h.entered), g.sub_left, g.R, y);
    }
  }
}

void TGameOut::DrawColumns(QPainter& painter, const SideSheet& sheet, const SheetPageSpec& spec) {
  const SheetGeometry& g = geometry_;
  const AtBatMarks marks(QSize(g.box_width, g.box_height), g.scale, painter.device(), style_);
  for (int c = 0; c < g.columns; ++c) {
    const std::size_t index = static_cast<std::size_t>(spec.first_column + c);
    if (index >= sheet.columns.size()) break;
    const reports::SheetColumn& column = sheet.columns[index];
    const QRect caption = g.caption_box(c);
    painter.setFont(g.small_font);
    DrawCentredIn(painter, QString("Inning %1").arg(column.inning + 1), caption.left(),
                  caption.right(), caption.top() + (g.L - g.s) / 2);

    const HALF_INNING& half =
        game_.innings[static_cast<std::size_t>(column.inning)].half(!sheet.home);
    for (int row = 0; row < g.rows; ++row) {
      const int at_bat = column.at_bats[static_cast<std::size_t>(row)];
      if (at_bat < 0) continue;
      marks.Draw(painter, g.box(row, c).topLeft(), half.at_bats[static_cast<std::size_t>(at_bat)]);
    }
    if (column.pass == 0 && column.played) {
      DrawTotalsLines(
          painter, g, c,
          {QString("Runs: %1").arg(half.runs), QString("Hits: %1").arg(half.hits),
           QString("Errors: %1").arg(half.errors), QString("LOB: %1").arg(half.left_on_base)});
    }
  }
}

std::vector<QString> TGameOut::FooterLines(QPainter& painter, bool home, int width) const {
  std::vector<QString> lines;
  auto add = [&](const std::string& text) {
    for (const QString& line : Wrap(painter, Text(text), width)) lines.push_back(line);
  };
  add("Final Score:   " + reports::TeamScoreText(game_.visitor, reports::SideRuns(game_, false)) +
      "   " + reports::TeamScoreText(game_.home, reports::SideRuns(game_, true)));
  add(reports::PitchersOfRecordLine(game_));
  add(reports::UmpiresLine(game_.header));
  add(reports::DesignatedHitterLine(game_, home));
  return lines;
}

void TGameOut::PrintNotesPage(QPainter& painter, QSize size, int page) {
  const Head head = DrawHead(painter, size, page, "Notes Entered During Game");
  const int limit = size.height() - CreditLineReserve(size, painter.device());
  const int width = size.width() - 2 * head.M;
  QFont heading_font = head.large;
  heading_font.setBold(true);
  int y = head.next_y + head.L;
  bool drawn = false;
  while (next_note_ < game_.notes.size()) {
    const GAME_NOTE& note = game_.notes[next_note_];
    painter.setFont(head.large);
    const std::vector<QString> lines = Wrap(painter, Text(note.text.view()), width - head.L);
    const int needed = head.L * (1 + static_cast<int>(lines.size()));
    if (drawn && y + needed > limit) break;
    painter.setFont(heading_font);
    DrawTextAt(painter, head.M, y, Text(reports::NoteHeading(note)));
    y += head.L;
    painter.setFont(head.large);
    for (const QString& line : lines) {
      DrawTextAt(painter, head.M + head.L, y, line);
      y += head.L;
    }
    y += head.L / 2;
    drawn = true;
    ++next_note_;
  }
}

}  // namespace scorewick::print
