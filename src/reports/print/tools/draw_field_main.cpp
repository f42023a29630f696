// Draws the field picture the plots use and saves it as a bitmap: run at
// build time so the picture ships beside the program.
//   scorewick_draw_field OUT.bmp

#include <cstdio>

#include "reports/print/field_picture.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: scorewick_draw_field OUT.bmp\n");
    return 2;
  }
  if (!scorewick::print::DrawFieldWithoutBases().save(argv[1], "BMP")) {
    std::fprintf(stderr, "scorewick_draw_field: cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
