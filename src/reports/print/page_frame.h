#pragma once
// The frame every printed page shares: a header line with the page number
// at the left, the title in the middle and today's date at the right, and
// an italic credit line near the foot of the page.
//
// Positions are in device units of the printable page, (0, 0) at its top
// left.  Texts are placed by the top of their line, as the printouts lay
// them out, not by their baseline.

#include <QFont>
#include <QPainter>
#include <QSize>
#include <QString>

#include "records/local_date.h"

namespace scorewick::print {

// Draws text with the top of its line at (x, y) in the painter's font.
void DrawTextAt(QPainter& painter, int x, int y, const QString& text);
// Width of text in the painter's font, in device units.
int TextWidth(const QPainter& painter, const QString& text);

// The page header.  Its side margin is three widths of "W" in the font the
// painter holds when it is called; the header itself is drawn in "Arial"
// of height page width / 50 at y = 2% of the page height:
//   "Page N" at the side margin, the title centred across the page, the
//   date "month/day/year" ending one side margin before the right edge.
// The painter's font is left as it was.  Returns the next free line: y
// plus the header font's height.
int DrawPageHeader(QPainter& painter, QSize page, int page_number, const QString& title,
                   const LocalDate& today);

// "This page was created using Brixley Scorewick, <web address>" in italic
// "Arial" of height page width / 70, centred, its top at page height minus
// twice its height.  The painter's font is left as it was.
void DrawCreditLine(QPainter& painter, QSize page);
QString CreditLineText();
// The same line and place with another text.
void DrawCreditLine(QPainter& painter, QSize page, const QString& text);

}  // namespace scorewick::print
