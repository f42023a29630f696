#pragma once
// The program's one printer, shared by every printout and by File >
// Printer Setup.  With no printer installed it prints to a PDF file.

class QPrinter;

namespace scorewick::app {

QPrinter& ApplicationPrinter();

}  // namespace scorewick::app
