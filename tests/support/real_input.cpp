#include "tests/support/real_input.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "tests/support/message_pump.h"

namespace testsupport {
namespace {

constexpr DWORD kReplyTimeoutMs = 30000;
// After xdotool is done, its events still have to pass the X server and Wine before they are messages.
constexpr DWORD kSettleMs = 60;

std::string g_lastError;

// DQ_INPUT_BRIDGE holds a Unix path; Wine reaches the Unix root as drive Z:.
std::filesystem::path BridgeDirectory() {
  const char* unix = std::getenv("DQ_INPUT_BRIDGE");
  if (!unix || unix[0] != '/') return {};
  std::string windows = std::string("Z:") + unix;
  for (char& c : windows)
    if (c == '/') c = '\\';
  return std::filesystem::path(windows);
}

bool Fail(std::string message) {
  g_lastError = std::move(message);
  return false;
}

bool Request(const std::vector<std::string>& lines) {
  const std::filesystem::path directory = BridgeDirectory();
  if (directory.empty()) return Fail("DQ_INPUT_BRIDGE is not set: run the tests through scripts/test");
  static unsigned sequence = 0;
  char name[64];
  std::snprintf(name, sizeof name, "%08lu-%08u", ::GetCurrentProcessId(), ++sequence);
  const std::filesystem::path request = directory / (std::string(name) + ".req");
  const std::filesystem::path reply = directory / (std::string(name) + ".rep");
  {
    // Written in place and ended by a line "end", which tells the bridge that the request is complete:
    // renaming a finished file into place fails now and then under Wine (EIO) while the bridge works
    // in the same folder.
    std::ofstream out(request, std::ios::binary);
    for (const std::string& line : lines) out << line << '\n';
    out << "end\n";
    if (!out) return Fail("cannot write " + request.string());
  }
  std::error_code error;

  const bool answered = PumpUntil([&] { return std::filesystem::exists(reply); }, kReplyTimeoutMs);
  if (!answered) {
    std::filesystem::remove(request, error);
    return Fail("no answer from the input bridge in " + directory.string() + " (is input_bridge.py running?)");
  }
  std::ifstream in(reply, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  in.close();
  std::filesystem::remove(reply, error);
  int code = -1;
  std::string errors;
  text >> code;
  std::getline(text, errors, '\0');
  PumpFor(kSettleMs);
  if (code != 0) return Fail(lines.front() + " failed (" + std::to_string(code) + "):" + errors);
  g_lastError.clear();
  return true;
}

std::vector<std::string> Xdo(std::initializer_list<std::string> arguments) {
  std::vector<std::string> lines{"xdotool"};
  lines.insert(lines.end(), arguments);
  return lines;
}

std::string Number(long value) { return std::to_string(value); }

}  // namespace

bool RealInput::Available() { return !BridgeDirectory().empty() && Request(Xdo({"getmouselocation"})); }

bool RealInput::MoveTo(int x, int y) { return Request(Xdo({"mousemove", Number(x), Number(y)})); }

bool RealInput::Click(int x, int y) { return Request(Xdo({"mousemove", Number(x), Number(y), "click", "1"})); }

bool RealInput::Press(int x, int y) { return Request(Xdo({"mousemove", Number(x), Number(y), "mousedown", "1"})); }

bool RealInput::Release() { return Request(Xdo({"mouseup", "1"})); }

bool RealInput::Key(const std::string& name) { return Request(Xdo({"key", name})); }

bool RealInput::Drag(POINT from, POINT to, int steps) {
  std::vector<std::string> lines = Xdo({"mousemove", Number(from.x), Number(from.y), "mousedown", "1"});
  if (steps < 1) steps = 1;
  for (int i = 1; i <= steps; ++i) {
    const long x = from.x + (to.x - from.x) * i / steps;
    const long y = from.y + (to.y - from.y) * i / steps;
    lines.insert(lines.end(), {"sleep", "0.05", "mousemove", Number(x), Number(y)});
  }
  lines.insert(lines.end(), {"sleep", "0.05", "mouseup", "1"});
  return Request(lines);
}

bool RealInput::Park() {
  const int right = ::GetSystemMetrics(SM_CXSCREEN) - 1, bottom = ::GetSystemMetrics(SM_CYSCREEN) - 1;
  return MoveTo(right, bottom);
}

bool RealInput::Xdotool(const std::vector<std::string>& arguments) {
  std::vector<std::string> lines{"xdotool"};
  lines.insert(lines.end(), arguments.begin(), arguments.end());
  return Request(lines);
}

bool RealInput::Screenshot(const std::string& unixPath) { return Request({"screenshot", unixPath}); }

const std::string& RealInput::LastError() { return g_lastError; }

}  // namespace testsupport
