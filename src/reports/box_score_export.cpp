#include "reports/box_score_export.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>

#include "records/csv_cell.h"
#include "records/file_io.h"
#include "records/format_text.h"
#include "reports/maker.h"

namespace scorewick::reports {
namespace {

std::string Trim(const std::string& text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::string Padded(std::string text, std::size_t width) {
  if (text.size() < width) text.append(width - text.size(), ' ');
  return text;
}

// A name cell of the comma-separated tables: padded to its column's width
// as in the text, unless it must be quoted.
std::string CsvName(const std::string& text, std::size_t width) {
  const std::string cell = CsvCell(text);
  return !cell.empty() && cell.front() == '"' ? cell : Padded(cell, width);
}

// A file name as the relative address a frame's SRC names it by: every
// byte but letters, digits and "-._~" percent-encoded, so that a '#', a
// '?' or a blank in the name still leads to the file.
std::string UrlPath(std::string_view name) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string out;
  for (char ch : name) {
    const auto c = static_cast<unsigned char>(ch);
    if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' ||
        c == '.' || c == '_' || c == '~') {
      out += ch;
    } else {
      out += '%';
      out += kHex[c >> 4];
      out += kHex[c & 15];
    }
  }
  return out;
}

std::string CsvLine(const std::string& text) { return QuotedCsvCell(text) + "\n"; }

// The four figures of one side of a batting row (empty for a side without
// a player on that row).
std::vector<std::string> BattingCells(const BoxBattingFigures* f) {
  if (f == nullptr) return {"", "", "", ""};
  return {std::to_string(f->at_bats), std::to_string(f->runs), std::to_string(f->hits),
          std::to_string(f->rbi)};
}

// One row of the batting table: the name and figures of each side.
struct BattingRow {
  std::string names[2];
  std::vector<std::string> cells[2];
  bool totals = false;
};

// The rows of the batting table, the team totals last, as the text shows them.
std::vector<BattingRow> BattingRows(const BoxScore& box) {
  std::vector<BattingRow> rows;
  const std::size_t count = std::max(box.batters(true).size(), box.batters(false).size());
  for (std::size_t r = 0; r < count; ++r) {
    BattingRow row;
    for (int side = 0; side < 2; ++side) {
      const std::vector<BoxBatter>& batters = box.batters(side == 0);
      const BoxBatter* b = r < batters.size() ? &batters[r] : nullptr;
      row.names[side] = b ? Trim(BatterText(*b)) : std::string();
      row.cells[side] = BattingCells(b ? &b->figures : nullptr);
    }
    rows.push_back(std::move(row));
  }
  BattingRow totals;
  totals.totals = true;
  for (int side = 0; side < 2; ++side) {
    const BoxBattingFigures& t = box.batting_totals(side == 0);
    totals.names[side] = Trim(t.name);
    totals.cells[side] = BattingCells(&t);
  }
  rows.push_back(std::move(totals));
  return rows;
}

// One row of the pitching table: a staff's heading (the team's name, with
// the captions for the winner) or a pitcher.
struct PitchingRow {
  std::string name;
  std::vector<std::string> cells;
  bool heading = false;
};

std::vector<PitchingRow> PitchingRows(const BoxScore& box, int outs_per_inning) {
  std::vector<PitchingRow> rows;
  for (bool winner : {true, false}) {
    PitchingRow heading{Trim((winner ? box.winner() : box.loser()).team_name), {}, true};
    heading.cells = winner ? std::vector<std::string>{"IP", "H", "R", "ER", "BB", "SO"}
                           : std::vector<std::string>(6);
    rows.push_back(std::move(heading));
    for (const BoxPitcher& p : box.pitchers(winner)) {
      const BoxPitchingFigures& f = p.figures;
      rows.push_back({Trim(p.text),
                      {InningsPitchedText(f.outs, outs_per_inning), std::to_string(f.hits),
                       std::to_string(f.runs), std::to_string(f.earned_runs),
                       std::to_string(f.walks), std::to_string(f.strikeouts)},
                      false});
    }
  }
  return rows;
}

class PageWriter {
 public:
  PageWriter(const BoxScore& box, std::string_view title, const HtmlStyle& style, bool html)
      : box_(box),
        lines_(box.lines()),
        title_(title),
        style_(style),
        tags_(MakeFontTags(style)),
        html_(html) {}

  std::string Tables() {
    ScoreByInnings();
    Batting();
    BattingNotes();
    Pitching();
    return std::move(out_);
  }

  // The pitching notes and the play-by-play; in HTML the page footer too.
  std::string Remainder(const LocalDateTime& when) {
    const std::size_t cursor = box_.sections().pitching_notes;
    if (!html_) {
      for (std::size_t i = cursor; i < lines_.size(); ++i) out_ += CsvLine(lines_[i]);
      out_ += "This file was created with " + std::string(kMakerName);
      return std::move(out_);
    }
    out_ += "\n<TABLE>";
    bool primary = cursor % 2 != 0;  // opposite to the cursor's own colour
    bool open = false;
    for (std::size_t i = cursor; i < lines_.size(); ++i) {
      if (lines_[i].empty()) {
        if (open) out_ += "\n" + tags_.close + "</td></tr>";
        open = false;
        continue;
      }
      if (!open) {
        out_ += "\n<tr bgcolor=" + Color(primary) + "><td>" + tags_.body_open;
        primary = !primary;
        open = true;
      }
      out_ += "\n" + HtmlText(lines_[i]) + "<br>";
    }
    if (open) out_ += "\n" + tags_.close + "</td></tr>";
    out_ += PageFooter(when);
    return std::move(out_);
  }

 private:
  std::string Color(bool primary) const {
    return ColorText(primary ? style_.primary_row_color : style_.alternate_row_color);
  }
  std::string Header() const { return ColorText(style_.header_color); }
  std::string Body(const std::string& text) const { return tags_.body_open + text + tags_.close; }
  std::string Head(const std::string& text) const { return tags_.header_open + text + tags_.close; }
  std::string Cell(const std::string& text, bool header = false) const {
    const std::string shown = text.empty() ? std::string("&nbsp;") : HtmlText(text);
    return "\n\t\t<td align=center>" + (header ? Head(shown) : Body(shown)) + "</td>";
  }

  void ScoreByInnings() {
    const int n = box_.innings_shown();
    if (!html_) {
      out_ += "Score By Innings";
      for (int i = 1; i <= n; ++i) out_ += "," + std::to_string(i);
      out_ += ",R,H,E";
      for (bool v : {true, false}) {
        out_ += "\n" + CsvName(box_.team(v).team_name, 25);
        for (int i = 0; i < n; ++i) out_ += "," + box_.InningRunsText(v, i);
        for (int figure : {box_.runs(v), box_.hits(v), box_.errors(v)})
          out_ += "," + std::to_string(figure);
      }
      return;
    }
    out_ += "\n<TABLE CELLPADDING=3 CELLSPACING=0 BORDER=1>\n";
    out_ += "\n\t<th colspan=" + std::to_string(n + 4) + " bgcolor=" + Header() + ">" +
            Head(HtmlText(title_)) + "</th>\n";
    out_ += "\n\t<tr bgcolor=" + Header() + "><td align=left>" + Head("Score By Innings") + "</td>";
    for (int i = 1; i <= n; ++i) out_ += Cell(std::to_string(i), true);
    for (const char* caption : {"R", "H", "E"}) out_ += Cell(caption, true);
    out_ += "</tr>";
    for (bool v : {true, false}) {
      out_ += "\n\t<tr bgcolor=" + Color(v) + "><td align=left>" +
              Body(Padded(HtmlText(box_.team(v).team_name), 25)) + "</td>";
      for (int i = 0; i < n; ++i) out_ += Cell(box_.InningRunsText(v, i));
      for (int figure : {box_.runs(v), box_.hits(v), box_.errors(v)})
        out_ += Cell(std::to_string(figure));
      out_ += "</tr>";
    }
    out_ += "\n</TABLE><br>";
  }

  void Batting() {
    const std::string& winner = box_.winner().team_name;
    const std::string& loser = box_.loser().team_name;
    const std::vector<BattingRow> rows = BattingRows(box_);
    if (!html_) {
      out_ += "\n" + CsvLine(box_.Headline());
      out_.pop_back();  // the line feed comes with the next row
      out_ += "\n" + CsvCell(winner) + ",,,,,," + CsvCell(loser);
      out_ += "\n,ab,r,h,bi,,,ab,r,h,bi";
      for (const BattingRow& row : rows) {
        out_ += "\n" + CsvName(row.names[0], 30);
        for (const std::string& cell : row.cells[0]) out_ += "," + cell;
        out_ += ",," + CsvName(row.names[1], 30);
        for (const std::string& cell : row.cells[1]) out_ += "," + cell;
      }
      return;
    }
    out_ += "\n<TABLE WIDTH=600 CELLPADDING=3 CELLSPACING=0 BORDER=1>\n";
    out_ += "\n\t<th colspan=10 align=left bgcolor=" + Header() + ">" +
            Head(HtmlText(box_.Headline())) + "</th>\n";
    out_ += "\n\t<tr bgcolor=" + Header() + "><td align=left colspan=5>" + Head(HtmlText(winner)) +
            "</td><td align=left colspan=5>" + Head(HtmlText(loser)) + "</td></tr>";
    out_ += "\n\t<tr bgcolor=" + Header() + ">";
    for (int side = 0; side < 2; ++side) {
      out_ += "<td>" + Head("&nbsp;") + "</td>";
      for (const char* caption : {"ab", "r", "h", "bi"}) out_ += Cell(caption, true);
    }
    out_ += "</tr>";
    for (std::size_t i = 0; i < rows.size(); ++i) {
      const BattingRow& row = rows[i];
      out_ += "\n\t<tr bgcolor=" + (row.totals ? Header() : Color(i % 2 == 0)) + ">";
      for (int side = 0; side < 2; ++side) {
        const std::string name =
            Padded(row.names[side].empty() ? "&nbsp;" : HtmlText(row.names[side]), 30);
        out_ += "\n\t\t<td align=left>" + (row.totals ? Head(name) : Body(name)) + "</td>";
        for (const std::string& cell : row.cells[side]) out_ += Cell(cell, row.totals);
      }
      out_ += "</tr>";
    }
    out_ += "\n</TABLE>";
  }

  void BattingNotes() {
    const std::size_t from = box_.sections().batting_notes + 1;
    const std::size_t to = box_.sections().pitching;
    if (!html_) {
      out_ += "\n";
      for (std::size_t i = from; i < to; ++i) {
        if (!lines_[i].empty()) out_ += CsvLine(lines_[i]);
      }
      return;
    }
    out_ += "\n<br><TABLE><tr bgcolor=" + Color(from % 2 == 0) + "><td>" + tags_.body_open;
    for (std::size_t i = from; i < to; ++i) {
      if (!lines_[i].empty()) out_ += "\n" + HtmlText(lines_[i]) + "<br>";
    }
    out_ += "\n" + tags_.close + "</td></tr></TABLE>";
  }

  void Pitching() {
    if (html_) out_ += "\n<br><TABLE WIDTH=600 CELLPADDING=3 CELLSPACING=0 BORDER=1>\n";
    bool primary = true;
    for (const PitchingRow& row : PitchingRows(box_, box_.outs_per_inning())) {
      if (!html_) {
        out_ += "\n" + CsvName(row.name, 30) + ",";
        for (const std::string& cell : row.cells) out_ += "," + cell;
        continue;
      }
      const std::string name = Padded(HtmlText(row.name), 30);
      out_ += "\n\t<tr bgcolor=" + (row.heading ? Header() : Color(primary)) + "><td align=left>" +
              (row.heading ? Head(name) : Body(name)) + "</td>";
      for (const std::string& cell : row.cells) out_ += Cell(cell, row.heading);
      out_ += "</tr>";
      if (!row.heading) primary = !primary;
    }
    if (html_) {
      out_ += "\n</TABLE><br>";
    } else {
      out_ += "\n";
    }
  }

  const BoxScore& box_;
  const std::vector<std::string>& lines_;
  std::string title_;
  const HtmlStyle& style_;
  FontTags tags_;
  bool html_;
  std::string out_;
};

}  // namespace

std::string BoxScoreTitle(const Game& game) {
  char date[32];
  std::snprintf(date, sizeof date, "%d/%d/%d", game.header.month, game.header.day,
                game.header.year);
  return "Box Score - " + game.visitor.team_name.str() + " at " + game.home.team_name.str() + ", " +
         date;
}

std::string BoxScoreHtml(const BoxScore& box, std::string_view title, const HtmlStyle& style,
                         const LocalDateTime& when) {
  std::string page = PageHead(title, style);
  if (box.empty()) return page + PageFooter(when);
  page += PageWriter(box, title, style, true).Tables();
  page += PageWriter(box, title, style, true).Remainder(when);
  return page;
}

BoxScoreFramePages BoxScoreFrames(const BoxScore& box, std::string_view title,
                                  const HtmlStyle& style, const LocalDateTime& when,
                                  std::string_view score_file, std::string_view summary_file) {
  BoxScoreFramePages pages;
  pages.score = PageHead(title, style);
  pages.summary = PageHead(title, style);
  if (!box.empty()) {
    pages.score += PageWriter(box, title, style, true).Tables();
    pages.summary += PageWriter(box, title, style, true).Remainder(when);
  } else {
    pages.summary += PageFooter(when);
  }
  pages.score += PageFooter(when);
  pages.frameset = "<HTML><HEAD><TITLE>" + std::string(kMakerName) + " " + HtmlText(title) +
                   "</TITLE></HEAD>" + "<FRAMESET COLS=\"*,38%\">\n" +
                   "\t<frame name=\"SCORE\" SRC=\"" + UrlPath(score_file) +
                   "\" title=\"SCORE\">\n" + "\t<frame name=\"GAMESUMMARY\" SRC=\"" +
                   UrlPath(summary_file) + "\" title=\"GAMESUMMARY\">\n" + "</FRAMESET>\n</HTML>";
  return pages;
}

std::string BoxScoreCsv(const BoxScore& box) {
  if (box.empty()) return "This file was created with " + std::string(kMakerName);
  const HtmlStyle unused;
  std::string text = PageWriter(box, "", unused, false).Tables();
  text += PageWriter(box, "", unused, false).Remainder(LocalDateTime{});
  return text;
}

BoxScoreFrameFiles FrameFilesBeside(const std::string& frameset_path) {
  const std::filesystem::path p(frameset_path);
  const std::string stem = p.stem().string();
  const std::string ext = p.has_extension() ? p.extension().string() : std::string(".htm");
  return {(p.parent_path() / (stem + "_score" + ext)).string(),
          (p.parent_path() / (stem + "_summary" + ext)).string()};
}

std::vector<std::pair<std::string, std::string>> BoxScoreExportFiles(
    const std::string& path, const BoxScore& box, BoxScoreForm form, std::string_view title,
    const HtmlStyle& style, const LocalDateTime& when) {
  switch (form) {
    case BoxScoreForm::kHtml:
      return {{path, BoxScoreHtml(box, title, style, when)}};
    case BoxScoreForm::kCsv:
      return {{path, BoxScoreCsv(box)}};
    case BoxScoreForm::kText:
      return {{path, TextFileLines(box.lines())}};
    case BoxScoreForm::kFrames: {
      const BoxScoreFrameFiles files = FrameFilesBeside(path);
      BoxScoreFramePages pages = BoxScoreFrames(
          box, title, style, when, std::filesystem::path(files.score).filename().string(),
          std::filesystem::path(files.summary).filename().string());
      return {{files.score, std::move(pages.score)},
              {files.summary, std::move(pages.summary)},
              {path, std::move(pages.frameset)}};
    }
  }
  return {};
}

Status WriteBoxScoreExport(const std::string& path, const BoxScore& box, BoxScoreForm form,
                           std::string_view title, const HtmlStyle& style,
                           const LocalDateTime& when) {
  const std::vector<std::pair<std::string, std::string>> files =
      BoxScoreExportFiles(path, box, form, title, style, when);
  if (files.empty()) return Status::Failed(path, "cannot write " + path);
  if (files.size() == 1) return WriteTextFileAtomically(path, files.front().second);
  return WriteTextFilesAtomically(files);
}

}  // namespace scorewick::reports
