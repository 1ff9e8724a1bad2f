// dqcard as a whole: the arguments in, the exit status out.
#pragma once

#include <span>
#include <string>

namespace cli {

// `arguments` are UTF-8, without the program's name.
int Run(std::span<const std::string> arguments);

}  // namespace cli
