#pragma once
// Where printed pages go.  A printout draws one page after another with a
// QPainter; the target supplies the painter and the page size in device
// units, so that the same drawing goes to a printer, a PDF file, images or
// a recording for tests.

#include <QImage>
#include <QPainter>
#include <QSize>
#include <memory>
#include <vector>

class QPagedPaintDevice;

namespace scorewick::print {

class PageTarget {
 public:
  virtual ~PageTarget() = default;
  // The printable page in device units; drawing starts at (0, 0).
  virtual QSize PageSize() const = 0;
  // Starts the next page (the first on the first call) and returns its
  // painter, valid until the next BeginPage or Finish; null when the
  // device refused.
  virtual QPainter* BeginPage() = 0;
  // Ends the job.  False when the device reported a failure.
  virtual bool Finish() = 0;
};

// A printer or a PDF writer: pages follow one another in one painter.
class PagedDeviceTarget : public PageTarget {
 public:
  explicit PagedDeviceTarget(QPagedPaintDevice& device) : device_(device) {}
  QSize PageSize() const override;
  QPainter* BeginPage() override;
  bool Finish() override;

 private:
  QPagedPaintDevice& device_;
  QPainter painter_;
  bool started_ = false;
};

// Pages as white images of a given size and resolution: previews and
// pictures of printouts.
class ImagePageTarget : public PageTarget {
 public:
  ImagePageTarget(QSize size, int dots_per_inch);
  ~ImagePageTarget() override;
  QSize PageSize() const override { return size_; }
  QPainter* BeginPage() override;
  bool Finish() override;
  const std::vector<QImage>& pages() const { return pages_; }

 private:
  QSize size_;
  int dots_per_inch_;
  std::vector<QImage> pages_;
  std::unique_ptr<QPainter> painter_;
};

}  // namespace scorewick::print
