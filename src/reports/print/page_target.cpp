#include "reports/print/page_target.h"

#include <QPagedPaintDevice>

namespace scorewick::print {

QSize PagedDeviceTarget::PageSize() const { return QSize(device_.width(), device_.height()); }

QPainter* PagedDeviceTarget::BeginPage() {
  if (!started_) {
    started_ = true;
    if (!painter_.begin(&device_)) return nullptr;
    return &painter_;
  }
  if (!painter_.isActive() || !device_.newPage()) return nullptr;
  // A new page starts with the painter's state as a fresh one would have.
  painter_.resetTransform();
  painter_.setFont(QFont());
  painter_.setPen(QPen());
  painter_.setBrush(QBrush());
  return &painter_;
}

bool PagedDeviceTarget::Finish() {
  if (!painter_.isActive()) return !started_;
  return painter_.end();
}

ImagePageTarget::ImagePageTarget(QSize size, int dots_per_inch)
    : size_(size), dots_per_inch_(dots_per_inch) {}

ImagePageTarget::~ImagePageTarget() { Finish(); }

QPainter* ImagePageTarget::BeginPage() {
  if (painter_) painter_->end();
  QImage page(size_, QImage::Format_RGB32);
  page.fill(Qt::white);
  const int dots_per_meter = static_cast<int>(dots_per_inch_ / 0.0254 + 0.5);
  page.setDotsPerMeterX(dots_per_meter);
  page.setDotsPerMeterY(dots_per_meter);
  pages_.push_back(std::move(page));
  painter_ = std::make_unique<QPainter>(&pages_.back());
  painter_->setRenderHint(QPainter::Antialiasing);
  painter_->setRenderHint(QPainter::TextAntialiasing);
  return painter_.get();
}

bool ImagePageTarget::Finish() {
  if (painter_) painter_->end();
  painter_.reset();
  return true;
}

}  // namespace scorewick::print
