// dqcard's entry point: the arguments as UTF-8 on every platform.
#include <string>
#include <vector>

#include "cli/run.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>

namespace {

std::string Utf8(const wchar_t* text) {
  const int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
  std::string utf8(size > 0 ? size - 1 : 0, '\0');
  if (size > 1) WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8.data(), size, nullptr, nullptr);
  return utf8;
}

}  // namespace

// The wide entry point: the narrow one would get the arguments in the ANSI code page, which cannot carry
// every file name.
int wmain(int argc, wchar_t** argv) {
  SetConsoleOutputCP(CP_UTF8);
  // A profile on standard input is read as bytes: text mode would stop at a 0x1A byte.
  _setmode(_fileno(stdin), _O_BINARY);
  std::vector<std::string> arguments;
  for (int i = 1; i < argc; ++i) arguments.push_back(Utf8(argv[i]));
  return cli::Run(arguments);
}

#else

int main(int argc, char** argv) {
  const std::vector<std::string> arguments(argv + 1, argv + argc);
  return cli::Run(arguments);
}

#endif
