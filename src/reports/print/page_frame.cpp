#include "reports/print/page_frame.h"

#include <QFontMetrics>

#include "reports/maker.h"
#include "reports/print/cell_font.h"

namespace scorewick::print {
namespace {

QString FromView(std::string_view text) {
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

void DrawTextAt(QPainter& painter, int x, int y, const QString& text) {
  const QFontMetrics metrics(painter.font(), painter.device());
  painter.drawText(x, y + metrics.ascent(), text);
}

int TextWidth(const QPainter& painter, const QString& text) {
  return QFontMetrics(painter.font(), painter.device()).horizontalAdvance(text);
}

int DrawPageHeader(QPainter& painter, QSize page, int page_number, const QString& title,
                   const LocalDate& today) {
  const QFont previous = painter.font();
  const int margin = 3 * WidthOfW(previous, painter.device());
  const QFont header = SansFont(page.width() / 50, painter.device());
  painter.setFont(header);
  const int y = static_cast<int>(page.height() * 0.02);
  DrawTextAt(painter, margin, y, QString("Page %1").arg(page_number));
  DrawTextAt(painter, (page.width() - TextWidth(painter, title)) / 2, y, title);
  const QString date = QString("%1/%2/%3").arg(today.month).arg(today.day).arg(today.year);
  DrawTextAt(painter, page.width() - margin - TextWidth(painter, date), y, date);
  const int height = HeightOfW(header, painter.device());
  painter.setFont(previous);
  return y + height;
}

QString CreditLineText() {
  return "This page was created using " + FromView(reports::kMakerName) + ", " +
         FromView(reports::kMakerWebAddress);
}

void DrawCreditLine(QPainter& painter, QSize page) {
  DrawCreditLine(painter, page, CreditLineText());
}

void DrawCreditLine(QPainter& painter, QSize page, const QString& text) {
  const QFont previous = painter.font();
  const QFont credit = SansFont(page.width() / 70, painter.device(), /*italic=*/true);
  painter.setFont(credit);
  const int height = HeightOfW(credit, painter.device());
  DrawTextAt(painter, (page.width() - TextWidth(painter, text)) / 2, page.height() - 2 * height,
             text);
  painter.setFont(previous);
}

}  // namespace scorewick::print
