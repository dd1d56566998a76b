// trailcam-card: shows, checks and writes a trail camera's settings files from the command line.
#include <iostream>
#include <string_view>
#include <vector>

#include "cli/card_command.h"

int main(int argc, char* argv[]) {
    const std::vector<std::string_view> arguments(argv + 1, argv + argc);
    return RunCardCommand(arguments, std::cout, std::cerr);
}
