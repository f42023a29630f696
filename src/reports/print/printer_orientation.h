#pragma once
// TemporaryPrinterOrientation: switches a printer's (or PDF writer's) page
// orientation for as long as it lives, and puts the previous orientation
// back when it goes.  Printouts that ask for landscape hold one for the
// duration of their print job.

#include <stdexcept>

class QPagedPaintDevice;

namespace scorewick::print {

inline constexpr int kPortrait = 1;
inline constexpr int kLandscape = 2;

class TemporaryPrinterOrientation {
 public:
  // orientation: kPortrait (1) or kLandscape (2).  Any other value is a
  // programming error: std::invalid_argument("Unknown page orientation"),
  // and the device is left as it was.
  TemporaryPrinterOrientation(QPagedPaintDevice& device, int orientation);
  ~TemporaryPrinterOrientation();
  TemporaryPrinterOrientation(const TemporaryPrinterOrientation&) = delete;
  TemporaryPrinterOrientation& operator=(const TemporaryPrinterOrientation&) = delete;

 private:
  QPagedPaintDevice& device_;
  int previous_;
};

}  // namespace scorewick::print
