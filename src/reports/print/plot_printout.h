#pragma once
// The page frame the printed plots share: the title under a top margin of
// seven text lines, the plot drawn by the subclass, then a heading and the
// list of game files (running on to further pages when it does not fit),
// and the credit line at the foot of every page.

#include <QFont>
#include <QString>
#include <string>
#include <vector>

#include "reports/print/printout.h"

namespace scorewick::print {

class PlotPrintout : public Printout {
 public:
  PlotPrintout(QString title, QString files_heading, std::vector<std::string> game_files);

  void BeginPrinting() override { first_file_on_page_.assign(1, 0); }
  void PrintPage(QPainter& painter, int page, QSize size) override;
  bool HasPageAfter(int page) const override;

  // "This page was created using Brixley Scorewick" (no web address).
  static QString CreditText();

 protected:
  // Draws the plot of page 1 in the area from left to right, its top at
  // top, in the painter's text font (line height line); returns the y
  // below it.
  virtual int DrawPlot(QPainter& painter, int left, int right, int top, int line) = 0;

 private:
  QString title_;
  QString files_heading_;
  std::vector<std::string> game_files_;
  // Index of the first game file each page lists, filled as pages print.
  std::vector<std::size_t> first_file_on_page_{0};
};

}  // namespace scorewick::print
