#include "reports/print/recording_target.h"

#include <QPaintEngine>
#include <QPainterPath>
#include <QPolygonF>
#include <QTransform>

namespace scorewick::print {

class RecordingPaintEngine : public QPaintEngine {
 public:
  explicit RecordingPaintEngine(std::vector<RecordedPage>& pages)
      : QPaintEngine(QPaintEngine::AllFeatures), pages_(pages) {}

  bool begin(QPaintDevice*) override { return true; }
  bool end() override { return true; }
  Type type() const override { return QPaintEngine::User; }

  void updateState(const QPaintEngineState& state) override {
    if (state.state() & QPaintEngine::DirtyTransform) transform_ = state.transform();
    if (state.state() & QPaintEngine::DirtyFont) font_ = state.font();
  }

  void drawTextItem(const QPointF& p, const QTextItem& item) override {
    QFont font = item.font();
    page().texts.push_back({transform_.map(p), item.text(), font});
  }
  void drawPixmap(const QRectF& r, const QPixmap&, const QRectF&) override {
    page().pictures.push_back(transform_.mapRect(r));
  }
  void drawImage(const QRectF& r, const QImage&, const QRectF&, Qt::ImageConversionFlags) override {
    page().pictures.push_back(transform_.mapRect(r));
  }
  void drawLines(const QLineF* lines, int count) override {
    for (int i = 0; i < count; ++i) page().lines.push_back(transform_.map(lines[i]));
  }
  void drawRects(const QRectF* rects, int count) override {
    for (int i = 0; i < count; ++i) page().shapes.push_back(transform_.mapRect(rects[i]));
  }
  void drawPolygon(const QPointF* points, int count, PolygonDrawMode) override {
    page().shapes.push_back(
        transform_.map(QPolygonF(QList<QPointF>(points, points + count))).boundingRect());
  }
  void drawPath(const QPainterPath& path) override {
    page().shapes.push_back(transform_.map(path).boundingRect());
  }

 private:
  RecordedPage& page() {
    if (pages_.empty()) pages_.emplace_back();
    return pages_.back();
  }

  std::vector<RecordedPage>& pages_;
  QTransform transform_;
  QFont font_;
};

class RecordingPaintDevice : public QPaintDevice {
 public:
  RecordingPaintDevice(QSize size, int dots_per_inch)
      : size_(size), dpi_(dots_per_inch), engine_(pages) {}
  ~RecordingPaintDevice() override = default;

  QPaintEngine* paintEngine() const override { return &engine_; }
  std::vector<RecordedPage> pages;

 protected:
  int metric(PaintDeviceMetric metric) const override {
    switch (metric) {
      case PdmWidth:
        return size_.width();
      case PdmHeight:
        return size_.height();
      case PdmWidthMM:
        return static_cast<int>(size_.width() * 25.4 / dpi_);
      case PdmHeightMM:
        return static_cast<int>(size_.height() * 25.4 / dpi_);
      case PdmNumColors:
        return 0x7FFFFFFF;
      case PdmDepth:
        return 32;
      case PdmDpiX:
      case PdmDpiY:
      case PdmPhysicalDpiX:
      case PdmPhysicalDpiY:
        return dpi_;
      case PdmDevicePixelRatio:
        return 1;
      case PdmDevicePixelRatioScaled:
        return static_cast<int>(devicePixelRatioFScale());
    }
    return 0;
  }

 private:
  QSize size_;
  int dpi_;
  mutable RecordingPaintEngine engine_;
};

QStringList RecordedPage::Texts() const {
  QStringList out;
  for (const RecordedText& t : texts) out << t.text;
  return out;
}

const RecordedText* RecordedPage::Find(const QString& part) const {
  for (const RecordedText& t : texts) {
    if (t.text.contains(part)) return &t;
  }
  return nullptr;
}

RecordingPageTarget::RecordingPageTarget(QSize size, int dots_per_inch)
    : size_(size), device_(std::make_unique<RecordingPaintDevice>(size, dots_per_inch)) {}

RecordingPageTarget::~RecordingPageTarget() { Finish(); }

QPainter* RecordingPageTarget::BeginPage() {
  if (painter_.isActive()) painter_.end();
  device_->pages.emplace_back();
  if (!painter_.begin(device_.get())) return nullptr;
  return &painter_;
}

bool RecordingPageTarget::Finish() {
  if (painter_.isActive()) painter_.end();
  return true;
}

const std::vector<RecordedPage>& RecordingPageTarget::pages() const { return device_->pages; }

QPaintDevice* RecordingPageTarget::device() const { return device_.get(); }

}  // namespace scorewick::print
