#include "tests/support/real_input.h"

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#include "tests/support/message_pump.h"

namespace testsupport {
namespace {

constexpr DWORD kReplyTimeoutMs = 30000;
constexpr DWORD kCaptureTimeoutMs = 10000;

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
  // Wine sends its X requests (a window just shown, moved or shaped) when the thread next looks for
  // messages: send them before xdotool acts on the screen.
  PumpMessages();
  static std::atomic<unsigned> sequence = 0;
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
  // xdotool ends with a round trip to the X server, so its events are in Wine's connection now: one
  // pumping round reads them and handles the messages they become.
  PumpMessages();
  if (code != 0) return Fail(lines.front() + " failed (" + std::to_string(code) + "):" + errors);
  g_lastError.clear();
  return true;
}

// xdotool arguments that bring the pointer to `at` with a real move: first to the pixel beside it.
std::vector<std::string> Approach(POINT at) {
  const long besideX = at.x > 0 ? at.x - 1 : at.x + 1;
  return {"xdotool",          "mousemove", std::to_string(besideX), std::to_string(at.y),
          "mousemove", std::to_string(at.x), std::to_string(at.y)};
}

std::vector<std::string> ApproachAndThen(POINT at, std::initializer_list<std::string> then) {
  std::vector<std::string> lines = Approach(at);
  lines.insert(lines.end(), then);
  return lines;
}

// Waits until `thread` holds the mouse capture (`held`) or holds none.
bool WaitForCapture(DWORD thread, bool held) {
  const ULONGLONG start = ::GetTickCount64();
  for (;;) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (::GetGUIThreadInfo(thread, &info) && (info.hwndCapture != nullptr) == held) return true;
    if (::GetTickCount64() - start > kCaptureTimeoutMs)
      return Fail(held ? "the press took no capture" : "the release left the capture held");
    ::Sleep(5);
  }
}

HWND TopLevelAt(POINT at) { return ::GetAncestor(::WindowFromPoint(at), GA_ROOT); }

}  // namespace

bool RealInput::Available() { return !BridgeDirectory().empty() && Request({"xdotool", "getmouselocation"}); }

bool RealInput::MoveTo(int x, int y) { return Request(Approach(POINT{x, y})); }

bool RealInput::Click(int x, int y) { return Request(ApproachAndThen(POINT{x, y}, {"click", "1"})); }

bool RealInput::ClickRepeatedly(int x, int y, int times, int delayMs, int button) {
  return Request(ApproachAndThen(POINT{x, y}, {"click", "--repeat", std::to_string(times), "--delay",
                                               std::to_string(delayMs), std::to_string(button)}));
}

bool RealInput::Press(int x, int y) { return Request(ApproachAndThen(POINT{x, y}, {"mousedown", "1"})); }

bool RealInput::Release() { return Request({"xdotool", "mouseup", "1"}); }

bool RealInput::Drag(POINT from, POINT to, int steps) {
  const DWORD thread = ::GetWindowThreadProcessId(::WindowFromPoint(from), nullptr);
  std::vector<std::string> rest{"xdotool"};
  if (steps < 1) steps = 1;
  for (int i = 1; i <= steps; ++i) {
    const long x = from.x + (to.x - from.x) * i / steps;
    const long y = from.y + (to.y - from.y) * i / steps;
    rest.insert(rest.end(), {"mousemove", std::to_string(x), std::to_string(y)});
  }
  rest.insert(rest.end(), {"mouseup", "1"});
  std::atomic<bool> done = false;
  bool ok = false;
  std::thread mover([&] {
    if (Request(ApproachAndThen(from, {"mousedown", "1"}))) {
      const bool captured = WaitForCapture(thread, true);
      const std::string why = g_lastError;
      // The window's thread may be another than the caller's: wait until it has handled the release too.
      ok = Request(rest) && WaitForCapture(thread, false) && captured;
      if (!captured) Fail(why);
    }
    done = true;
  });
  PumpUntil([&] { return done.load(); }, 3 * kReplyTimeoutMs);
  mover.join();
  PumpMessages();
  return ok;
}

bool RealInput::Key(HWND window, const std::string& name) {
  const HWND top = ::GetAncestor(window, GA_ROOT);
  POINT pointer{};
  ::GetCursorPos(&pointer);
  if (TopLevelAt(pointer) != top) {
    RECT area{};
    ::GetWindowRect(top, &area);
    const POINT centre{(area.left + area.right) / 2, (area.top + area.bottom) / 2};
    if (TopLevelAt(centre) != top) return Fail("the centre of the window for key " + name + " is not on it");
    if (!MoveTo(centre.x, centre.y)) return false;
  }
  return Request({"xdotool", "key", name});
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
