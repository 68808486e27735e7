// okit: run, render, script and check forms from the command line.

#include <iostream>
#include <string>
#include <vector>

#include "app/commands.h"

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  return okit::run_command_line(args, std::cout, std::cerr);
}
