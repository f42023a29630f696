#include "reports/print/printer_orientation.h"

#include <QPageLayout>
#include <QPagedPaintDevice>

namespace scorewick::print {
namespace {

QPageLayout::Orientation ToQt(int orientation) {
  if (orientation == kPortrait) return QPageLayout::Portrait;
  if (orientation == kLandscape) return QPageLayout::Landscape;
  throw std::invalid_argument("Unknown page orientation");
}

}  // namespace

TemporaryPrinterOrientation::TemporaryPrinterOrientation(QPagedPaintDevice& device, int orientation)
    : device_(device),
      previous_(device.pageLayout().orientation() == QPageLayout::Landscape ? kLandscape
                                                                            : kPortrait) {
  device_.setPageOrientation(ToQt(orientation));
}

TemporaryPrinterOrientation::~TemporaryPrinterOrientation() {
  device_.setPageOrientation(ToQt(previous_));
}

}  // namespace scorewick::print
