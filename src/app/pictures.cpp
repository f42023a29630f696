#include "app/pictures.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace scorewick::app {
namespace {

const QColor kGrass(46, 125, 50);
const QColor kDirt(191, 140, 84);
const QColor kNavy(26, 42, 84);
const QColor kStitch(200, 30, 40);

void DrawBaseball(QPainter& p, QRectF r) {
  QRadialGradient shade(r.center() - QPointF(r.width() / 6, r.height() / 6), r.width() / 1.6);
  shade.setColorAt(0, Qt::white);
  shade.setColorAt(1, QColor(214, 214, 205));
  p.setPen(QPen(QColor(120, 120, 110), std::max(1.0, r.width() / 32)));
  p.setBrush(shade);
  p.drawEllipse(r);
  // Two seams curving in from the sides, with their stitches.
  QPen seam(kStitch, std::max(1.0, r.width() / 24));
  p.setPen(seam);
  p.setBrush(Qt::NoBrush);
  const double w = r.width(), h = r.height();
  QPainterPath left, right;
  left.moveTo(r.left() + w * 0.22, r.top() + h * 0.1);
  left.cubicTo(r.left() + w * 0.42, r.top() + h * 0.35, r.left() + w * 0.42, r.top() + h * 0.65,
               r.left() + w * 0.22, r.top() + h * 0.9);
  right.moveTo(r.right() - w * 0.22, r.top() + h * 0.1);
  right.cubicTo(r.right() - w * 0.42, r.top() + h * 0.35, r.right() - w * 0.42, r.top() + h * 0.65,
                r.right() - w * 0.22, r.top() + h * 0.9);
  p.drawPath(left);
  p.drawPath(right);
  if (w >= 20) {
    QPen stitch(kStitch, std::max(1.0, w / 40));
    p.setPen(stitch);
    for (const QPainterPath* path : {&left, &right}) {
      const double side = path == &left ? 1 : -1;
      for (int i = 1; i < 8; ++i) {
        const QPointF at = path->pointAtPercent(i / 8.0);
        p.drawLine(at + QPointF(-side * w * 0.04, -h * 0.02),
                   at + QPointF(side * w * 0.04, h * 0.02));
      }
    }
  }
}

// A handheld: a rounded case with a screen; Palm devices are grey with a
// green screen, Pocket PCs silver-blue with a colour screen.
void DrawHandheld(QPainter& p, QRectF r, bool pocket_pc) {
  p.setPen(QPen(QColor(40, 40, 40), 1));
  p.setBrush(pocket_pc ? QColor(150, 170, 205) : QColor(120, 120, 120));
  p.drawRoundedRect(r, r.width() / 6, r.width() / 6);
  QRectF screen(r.left() + r.width() * 0.15, r.top() + r.height() * 0.12, r.width() * 0.7,
                r.height() * 0.55);
  p.setBrush(pocket_pc ? QColor(90, 160, 230) : QColor(150, 190, 120));
  p.drawRect(screen);
  p.setBrush(QColor(60, 60, 60));
  const double b = r.width() * 0.14;
  for (int i = 0; i < 3; ++i) {
    p.drawEllipse(
        QRectF(r.left() + r.width() * (0.16 + 0.27 * i), r.bottom() - r.height() * 0.22, b, b));
  }
}

// A bold arrow from one point to another.
void DrawArrow(QPainter& p, QPointF from, QPointF to, QColor color) {
  QLineF line(from, to);
  p.setPen(QPen(color, 3, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QLineF(from, line.pointAt(0.7)));
  QLineF back(to, from);
  QLineF wing1 = back;
  wing1.setLength(7);
  wing1.setAngle(back.angle() + 35);
  QLineF wing2 = back;
  wing2.setLength(7);
  wing2.setAngle(back.angle() - 35);
  p.setPen(Qt::NoPen);
  p.setBrush(color);
  p.drawPolygon(QPolygonF({to, wing1.p2(), wing2.p2()}));
}

QPixmap Blank(int w, int h) {
  QPixmap pixmap(w, h);
  pixmap.fill(Qt::transparent);
  return pixmap;
}

}  // namespace

QPixmap SplashPicture() {
  const int w = 440, h = 280;
  QPixmap pixmap(w, h);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient sky(0, 0, 0, h);
  sky.setColorAt(0, QColor(120, 170, 230));
  sky.setColorAt(0.55, QColor(200, 225, 250));
  sky.setColorAt(0.56, kGrass.lighter(115));
  sky.setColorAt(1, kGrass);
  p.fillRect(pixmap.rect(), sky);
  // The infield diamond seen from behind home plate.
  QPolygonF diamond({QPointF(w * 0.5, h * 0.98), QPointF(w * 0.9, h * 0.75),
                     QPointF(w * 0.5, h * 0.6), QPointF(w * 0.1, h * 0.75)});
  p.setPen(Qt::NoPen);
  p.setBrush(kDirt);
  p.drawPolygon(diamond);
  p.setBrush(kGrass.lighter(105));
  p.drawPolygon(QPolygonF({QPointF(w * 0.5, h * 0.92), QPointF(w * 0.78, h * 0.76),
                           QPointF(w * 0.5, h * 0.65), QPointF(w * 0.22, h * 0.76)}));
  p.setBrush(Qt::white);
  for (QPointF base : {diamond[1], diamond[2], diamond[3]}) {
    p.drawRect(QRectF(base.x() - 5, base.y() - 4, 10, 8));
  }
  DrawBaseball(p, QRectF(w * 0.06, h * 0.08, 96, 96));
  DrawHandheld(p, QRectF(w * 0.83, h * 0.1, 50, 76), false);
  QFont title("Arial", 29, QFont::Bold);
  p.setFont(title);
  p.setPen(QColor(0, 0, 0, 90));
  p.drawText(QRectF(w * 0.3 + 2, h * 0.1 + 2, w * 0.5, 50), Qt::AlignCenter, "Scorewick");
  p.setPen(kNavy);
  p.drawText(QRectF(w * 0.3, h * 0.1, w * 0.5, 50), Qt::AlignCenter, "Scorewick");
  p.setFont(QFont("Arial", 13, QFont::Bold));
  p.drawText(QRectF(w * 0.3, h * 0.1 + 50, w * 0.5, 24), Qt::AlignCenter, "PC to PDA Interface");
  p.setFont(QFont("Arial", 9));
  p.setPen(Qt::white);
  p.drawText(QRectF(0, h - 22, w - 10, 18), Qt::AlignRight | Qt::AlignVCenter, "Brixley Scorewick");
  p.setPen(QPen(kNavy, 2));
  p.setBrush(Qt::NoBrush);
  p.drawRect(QRectF(1, 1, w - 2, h - 2));
  return pixmap;
}

QPixmap BackgroundTile() {
  // Mown grass: broad diagonal bands of two close greens.
  const int size = 96;
  QPixmap pixmap(size, size);
  pixmap.fill(QColor(226, 238, 224));
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(216, 232, 214));
  for (int offset = -size; offset < size; offset += size / 2) {
    p.drawPolygon(
        QPolygonF({QPointF(offset, 0), QPointF(offset + size / 4.0, 0),
                   QPointF(offset + size / 4.0 + size, size), QPointF(offset + size, size)}));
  }
  return pixmap;
}

namespace {

// New team: a player's cap and a plus.
void DrawNewTeam(QPainter& p, int) {
  p.setPen(Qt::NoPen);
  p.setBrush(kNavy);
  p.drawPie(QRectF(2, 6, 16, 16), 0, 180 * 16);
  p.drawRect(QRectF(10, 13, 11, 2.5));
  p.setBrush(Qt::white);
  p.drawEllipse(QRectF(8.5, 8, 3, 3));
  p.setPen(QPen(QColor(30, 150, 40), 3));
  p.drawLine(QPointF(18, 2), QPointF(18, 10));
  p.drawLine(QPointF(14, 6), QPointF(22, 6));
  p.setPen(QPen(kNavy, 1.5));
  p.drawLine(QPointF(3, 19), QPointF(20, 19));
  p.drawLine(QPointF(3, 22), QPointF(16, 22));
}

// Edit team: a roster card and a pencil.
void DrawEditTeam(QPainter& p, int) {
  p.setPen(QPen(QColor(90, 90, 90), 1));
  p.setBrush(Qt::white);
  p.drawRect(QRectF(3, 2, 14, 19));
  p.setPen(QPen(kNavy, 1.2));
  for (int i = 0; i < 5; ++i) p.drawLine(QPointF(5, 6 + 3 * i), QPointF(15, 6 + 3 * i));
  p.setPen(QPen(QColor(230, 170, 30), 3.5, Qt::SolidLine, Qt::FlatCap));
  p.drawLine(QPointF(21, 8), QPointF(11, 19));
  p.setPen(QPen(QColor(60, 60, 60), 2));
  p.drawLine(QPointF(11, 19), QPointF(9.5, 21.5));
}

// New game: a diamond with a plus.
void DrawNewGame(QPainter& p, int) {
  p.setPen(QPen(QColor(90, 60, 30), 1));
  p.setBrush(QColor(200, 150, 90));
  p.drawPolygon(QPolygonF({QPointF(11, 4), QPointF(19, 13), QPointF(11, 22), QPointF(3, 13)}));
  p.setBrush(Qt::white);
  for (const QPointF c : {QPointF(11, 20), QPointF(17, 13), QPointF(11, 6), QPointF(5, 13)})
    p.drawRect(QRectF(c.x() - 1.5, c.y() - 1.5, 3, 3));
  p.setPen(QPen(QColor(30, 150, 40), 3));
  p.drawLine(QPointF(19, 1), QPointF(19, 9));
  p.drawLine(QPointF(15, 5), QPointF(23, 5));
}

// Print game: a printer with a score sheet.
void DrawPrintGame(QPainter& p, int) {
  p.setPen(QPen(QColor(60, 60, 60), 1));
  p.setBrush(Qt::white);
  p.drawRect(QRectF(6, 2, 12, 9));
  p.setBrush(QColor(170, 170, 175));
  p.drawRoundedRect(QRectF(2, 9, 20, 9), 2, 2);
  p.setBrush(Qt::white);
  p.drawRect(QRectF(6, 15, 12, 7));
  p.setPen(QPen(kNavy, 1));
  p.drawLine(QPointF(8, 18), QPointF(16, 18));
  p.drawLine(QPointF(8, 20), QPointF(14, 20));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(40, 180, 60));
  p.drawEllipse(QRectF(18, 11, 2.5, 2.5));
}

// Game statistics: bars.
void DrawGameStatistics(QPainter& p, int) {
  p.setPen(QPen(QColor(60, 60, 60), 1));
  p.drawLine(QPointF(2, 22), QPointF(22, 22));
  const QColor colors[] = {kNavy, kStitch, QColor(30, 150, 40), QColor(230, 170, 30)};
  const double heights[] = {9, 16, 12, 19};
  for (int i = 0; i < 4; ++i) {
    p.setBrush(colors[i]);
    p.drawRect(QRectF(3.5 + 4.6 * i, 22 - heights[i], 3.6, heights[i]));
  }
}

// A handheld with an arrow into it (export) or out of it (import).
void DrawHandheldLink(QPainter& p, int bitmap) {
  const bool pocket_pc = bitmap == 9 || bitmap == 11;
  const bool export_to = bitmap == 8 || bitmap == 9;
  DrawHandheld(p, QRectF(11, 2, 12, 20), pocket_pc);
  if (export_to) {
    DrawArrow(p, QPointF(1, 12), QPointF(11, 12), QColor(30, 150, 40));
  } else {
    DrawArrow(p, QPointF(11, 12), QPointF(1, 12), QColor(200, 100, 20));
  }
}

// The pictures of the toolbar by their bitmap numbers.
struct ToolbarDrawing {
  int bitmap;
  void (*draw)(QPainter& p, int bitmap);
};

constexpr ToolbarDrawing kToolbarDrawings[] = {
    {6, DrawNewTeam},       {15, DrawEditTeam},       {17, DrawNewGame},
    {7, DrawPrintGame},     {12, DrawGameStatistics}, {8, DrawHandheldLink},
    {10, DrawHandheldLink}, {9, DrawHandheldLink},    {11, DrawHandheldLink},
};

}  // namespace

QPixmap ToolbarPicture(int bitmap) {
  const int s = kToolbarIconSize;
  QPixmap pixmap = Blank(s, s);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  for (const ToolbarDrawing& d : kToolbarDrawings) {
    if (d.bitmap == bitmap) d.draw(p, bitmap);
  }
  return pixmap;
}

QPixmap DividerPicture() {
  QPixmap pixmap = Blank(4, kToolbarIconSize);
  QPainter p(&pixmap);
  p.setPen(QColor(128, 128, 128));
  p.drawLine(1, 1, 1, kToolbarIconSize - 2);
  p.setPen(Qt::white);
  p.drawLine(2, 1, 2, kToolbarIconSize - 2);
  return pixmap;
}

QPixmap BaseballPicture(int size) {
  QPixmap pixmap = Blank(size, size);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(150, 90, 40));
  p.drawEllipse(QRectF(0, 0, size, size));
  DrawBaseball(p, QRectF(size * 0.14, size * 0.14, size * 0.72, size * 0.72));
  return pixmap;
}

}  // namespace scorewick::app
