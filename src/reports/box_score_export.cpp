#include "reports/box_score_export.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>

#include "records/file_io.h"
#include "reports/maker.h"

namespace scorewick::reports {
namespace {

// Columns of a batting line: name, at-bats, runs, hits, RBI; the loser's
// side starts at column 44.
struct Field {
  std::size_t from;
  std::size_t width;
};
constexpr Field kBattingName{0, 30};
constexpr Field kBattingFigures[] = {{30, 2}, {33, 2}, {36, 2}, {39, 2}};
constexpr std::size_t kLoserSide = 44;
// Columns of a pitching line: name, innings pitched (with its leading
// blank), hits, runs, earned runs, walks, strikeouts.
constexpr Field kPitchingName{0, 30};
constexpr Field kPitchingFigures[] = {{30, 7}, {38, 2}, {41, 2}, {44, 2}, {47, 2}, {50, 2}};

std::string Cut(const std::string& line, Field f, std::size_t offset = 0) {
  const std::size_t from = f.from + offset;
  if (from >= line.size()) return {};
  return line.substr(from, f.width);
}

std::string Trim(const std::string& text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::string Padded(std::string text, std::size_t width) {
  if (text.size() < width) text.append(width - text.size(), ' ');
  return text;
}

std::string CsvField(const std::string& text, std::size_t width = 0) {
  if (text.find_first_of(",\"\r\n") == std::string::npos) return Padded(text, width);
  std::string out = "\"";
  for (char c : text) {
    if (c == '"') out += '"';
    out += c;
  }
  return out + "\"";
}

std::string CsvLine(const std::string& text) {
  std::string out = "\"";
  for (char c : text) {
    if (c == '"') out += '"';
    out += c;
  }
  return out + "\"\n";
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
        out_ += "\n" + CsvField(box_.team(v).team_name, 25);
        for (int runs : box_.runs_by_inning(v)) out_ += "," + std::to_string(runs);
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
      for (int runs : box_.runs_by_inning(v)) out_ += Cell(std::to_string(runs));
      for (int figure : {box_.runs(v), box_.hits(v), box_.errors(v)})
        out_ += Cell(std::to_string(figure));
      out_ += "</tr>";
    }
    out_ += "\n</TABLE><br>";
  }

  void Batting() {
    const std::string& winner = box_.winner().team_name;
    const std::string& loser = box_.loser().team_name;
    const BoxScoreSections& s = box_.sections();
    if (!html_) {
      out_ += "\n" + CsvLine(box_.Headline());
      out_.pop_back();  // the line feed comes with the next row
      out_ += "\n" + CsvField(winner) + ",,,,,," + CsvField(loser);
      out_ += "\n,ab,r,h,bi,,,ab,r,h,bi";
      for (std::size_t i = s.batting_rows; i <= s.batting_totals; ++i) {
        const std::string& line = lines_[i];
        out_ += "\n" + CsvField(Trim(Cut(line, kBattingName)), 30);
        for (Field f : kBattingFigures) out_ += "," + Trim(Cut(line, f));
        out_ += ",," + CsvField(Trim(Cut(line, kBattingName, kLoserSide)), 30);
        for (Field f : kBattingFigures) out_ += "," + Trim(Cut(line, f, kLoserSide));
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
    for (std::size_t i = s.batting_rows; i <= s.batting_totals; ++i) {
      const std::string& line = lines_[i];
      const bool totals = i == s.batting_totals;
      const bool primary = (i - s.batting_rows) % 2 == 0;
      out_ += "\n\t<tr bgcolor=" + (totals ? Header() : Color(primary)) + ">";
      for (std::size_t offset : {std::size_t{0}, kLoserSide}) {
        std::string name = HtmlText(Trim(Cut(line, kBattingName, offset)));
        name = Padded(name.empty() ? "&nbsp;" : name, 30);
        out_ += "\n\t\t<td align=left>" + (totals ? Head(name) : Body(name)) + "</td>";
        for (Field f : kBattingFigures) out_ += Cell(Trim(Cut(line, f, offset)), totals);
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
    const std::size_t from = box_.sections().pitching + 1;
    const std::size_t to = box_.sections().pitching_notes;
    if (html_) out_ += "\n<br><TABLE WIDTH=600 CELLPADDING=3 CELLSPACING=0 BORDER=1>\n";
    bool heading = true;  // a team's first line names it (and the winner's carries the captions)
    bool primary = true;
    for (std::size_t i = from; i < to; ++i) {
      const std::string& line = lines_[i];
      if (line.empty()) {
        heading = true;
        continue;
      }
      if (!html_) {
        out_ += "\n" + CsvField(Trim(Cut(line, kPitchingName)), 30) + ",";
        for (Field f : kPitchingFigures) out_ += "," + Trim(Cut(line, f));
        heading = false;
        continue;
      }
      std::string name = Padded(HtmlText(Trim(Cut(line, kPitchingName))), 30);
      out_ += "\n\t<tr bgcolor=" + (heading ? Header() : Color(primary)) + "><td align=left>" +
              (heading ? Head(name) : Body(name)) + "</td>";
      for (Field f : kPitchingFigures) out_ += Cell(Trim(Cut(line, f)), heading);
      out_ += "</tr>";
      if (!heading) primary = !primary;
      heading = false;
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
                   "\t<frame name=\"SCORE\" SRC=\"" + HtmlText(score_file) +
                   "\" title=\"SCORE\">\n" + "\t<frame name=\"GAMESUMMARY\" SRC=\"" +
                   HtmlText(summary_file) + "\" title=\"GAMESUMMARY\">\n" + "</FRAMESET>\n</HTML>";
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

bool WriteBoxScoreExport(const std::string& path, const BoxScore& box, BoxScoreForm form,
                         std::string_view title, const HtmlStyle& style, const LocalDateTime& when,
                         std::string* error) {
  switch (form) {
    case BoxScoreForm::kHtml:
      return WriteTextFileAtomically(path, BoxScoreHtml(box, title, style, when), error);
    case BoxScoreForm::kCsv:
      return WriteTextFileAtomically(path, BoxScoreCsv(box), error);
    case BoxScoreForm::kText: {
      std::string text;
      for (const std::string& line : box.lines()) text += line + "\n";
      return WriteTextFileAtomically(path, text, error);
    }
    case BoxScoreForm::kFrames: {
      const BoxScoreFrameFiles files = FrameFilesBeside(path);
      const BoxScoreFramePages pages = BoxScoreFrames(
          box, title, style, when, std::filesystem::path(files.score).filename().string(),
          std::filesystem::path(files.summary).filename().string());
      return WriteTextFileAtomically(files.score, pages.score, error) &&
             WriteTextFileAtomically(files.summary, pages.summary, error) &&
             WriteTextFileAtomically(path, pages.frameset, error);
    }
  }
  return false;
}

}  // namespace scorewick::reports
