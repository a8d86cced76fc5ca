// quorvale-level: the editor's headless companion for level files.
#include "cli/QuorvaleLevel.h"

#include <iostream>

#include <unistd.h>

int main(int argc, char** argv)
{
    return RunQuorvaleLevel(std::vector<std::string>(argv + 1, argv + argc), std::cin, std::cout, std::cerr,
                            isatty(STDERR_FILENO) == 1);
}
