#include <iostream>

#include "cli/command.h"

int main(int argc, char** argv) {
  return scorewick::cli::RunCommandLine(argc, argv, std::cout, std::cerr);
}
