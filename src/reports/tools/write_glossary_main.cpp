// Writes the help manual's glossary of the statistics, so that the page
// shipped beside the program is made from the statistics' own glossary.
//   scorewick_write_glossary OUT.html
#include <cstdio>
#include <string>

#include "records/file_io.h"
#include "reports/glossary_page.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: scorewick_write_glossary OUT.html\n");
    return 2;
  }
  const scorewick::Status saved =
      scorewick::WriteTextFileAtomically(argv[1], scorewick::reports::GlossaryPage());
  if (!saved) {
    std::fprintf(stderr, "%s\n", saved.reason.c_str());
    return 1;
  }
  return 0;
}
