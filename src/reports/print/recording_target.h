#pragma once
// A page target that records what is drawn instead of making pixels: the
// texts with their baseline positions and fonts, the pictures with their
// rectangles, the lines, rectangles and shapes.  Printouts are tested by
// measuring these records (a page of any size costs no memory for pixels).

#include <QFont>
#include <QLineF>
#include <QPaintDevice>
#include <QPainter>
#include <QRectF>
#include <QString>
#include <memory>
#include <vector>

#include "reports/print/page_target.h"

namespace scorewick::print {

struct RecordedText {
  QPointF baseline;  // start of the text on its baseline, in page units
  QString text;
  QFont font;
};

struct RecordedPage {
  std::vector<RecordedText> texts;
  std::vector<QRectF> pictures;  // where pixmaps and images were drawn
  std::vector<QLineF> lines;
  std::vector<QRectF> shapes;  // rectangles, and the bounds of polygons and paths

  // The texts in drawing order, one string each.
  QStringList Texts() const;
  // The first text that contains part, or null.
  const RecordedText* Find(const QString& part) const;
};

class RecordingPaintDevice;

class RecordingPageTarget : public PageTarget {
 public:
  // A page of size device units at the given resolution (which only fonts
  // sized in points depend on).
  explicit RecordingPageTarget(QSize size, int dots_per_inch = 1200);
  ~RecordingPageTarget() override;
  QSize PageSize() const override { return size_; }
  QPainter* BeginPage() override;
  bool Finish() override;

  const std::vector<RecordedPage>& pages() const;
  // The device, for measuring fonts as the printout does.
  QPaintDevice* device() const;

 private:
  QSize size_;
  std::unique_ptr<RecordingPaintDevice> device_;
  QPainter painter_;
};

}  // namespace scorewick::print
