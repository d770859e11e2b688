// Ends through the fatal error, with the code and message given on its command line, for the
// test that watches the box and the exit code from outside.
#include <cstdlib>

#include "core/fatal_error.h"

int main(int argc, char** argv) {
  folderlocker::OleSession ole;
  folderlocker::FatalError(argc > 1 ? std::atoi(argv[1]) : 0, argc > 2 ? argv[2] : "");
}
