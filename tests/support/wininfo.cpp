// wininfo: what the end-to-end tests need to know about the windows and the process of the program under test,
// printed as tab-separated lines. Child controls are no X windows, so only the Win32 API can find them.
//
//   wininfo list                  every top-level window: hwnd pid visible left top right bottom class title
//   wininfo children WINDOW       each child of WINDOW: id class visible left top right bottom
//   wininfo process WINDOW        key=value lines: pid, gdi_objects, windows, handles, peak_working_set, working_set
//   wininfo foreground            hwnd and title of the foreground window, control id of the focused control
//   wininfo capture WINDOW        hwnd of the window that holds the mouse capture on WINDOW's thread (0x0: none)
//   wininfo sysclose WINDOW       posts the close command of the taskbar button's menu (WM_SYSCOMMAND SC_CLOSE)
//   wininfo syscommand WINDOW N   posts the system menu command N (for instance 16, the about item)
//   wininfo drivetype LETTER      GetDriveTypeW of LETTER:\ (2 removable, 3 fixed, 5 optical, 1 no such drive)
//   wininfo selfcheck             tells whether this Wine lets the GDI objects of a process be counted
//
// WINDOW is an exact title or a handle written as 0x... (the message boxes have no title).
// Exit code 0 on success, 1 when the window was not found, 2 on a usage error.
#include <windows.h>
// After windows.h, which they build on.
#include <psapi.h>
#include <winternl.h>

#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

namespace {

std::string Utf8(const std::wstring& text) {
  if (text.empty()) return {};
  int size =
      ::WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<size_t>(size), '\0');
  ::WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), out.data(), size, nullptr, nullptr);
  return out;
}

std::wstring TitleOf(HWND window) {
  wchar_t title[512] = {};
  ::GetWindowTextW(window, title, 512);
  return title;
}

void PrintRect(HWND window) {
  RECT r{};
  ::GetWindowRect(window, &r);
  std::printf("\t%ld\t%ld\t%ld\t%ld", r.left, r.top, r.right, r.bottom);
}

std::string ClassOf(HWND window) {
  wchar_t className[128] = {};
  ::GetClassNameW(window, className, 128);
  return Utf8(className);
}

BOOL CALLBACK PrintTopLevel(HWND window, LPARAM) {
  DWORD pid = 0;
  ::GetWindowThreadProcessId(window, &pid);
  std::printf("0x%llx\t%lu\t%d", static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(window)), pid,
              ::IsWindowVisible(window) ? 1 : 0);
  PrintRect(window);
  std::printf("\t%s\t%s\n", ClassOf(window).c_str(), Utf8(TitleOf(window)).c_str());
  return TRUE;
}

struct ChildWalk {
  HWND parent;
};

BOOL CALLBACK PrintChild(HWND child, LPARAM param) {
  auto* walk = reinterpret_cast<ChildWalk*>(param);
  if (::GetParent(child) != walk->parent) return TRUE;  // direct children only
  std::printf("%d\t%s\t%d", ::GetDlgCtrlID(child), ClassOf(child).c_str(), ::IsWindowVisible(child) ? 1 : 0);
  PrintRect(child);
  std::printf("\n");
  return TRUE;
}

struct WindowCount {
  DWORD pid;
  int count;
};

BOOL CALLBACK CountChild(HWND, LPARAM param) {
  ++reinterpret_cast<WindowCount*>(param)->count;
  return TRUE;
}

BOOL CALLBACK CountOwnWindows(HWND window, LPARAM param) {
  auto* count = reinterpret_cast<WindowCount*>(param);
  DWORD pid = 0;
  ::GetWindowThreadProcessId(window, &pid);
  if (pid != count->pid) return TRUE;
  ++count->count;
  ::EnumChildWindows(window, CountChild, param);
  return TRUE;
}

// Wine's GetGuiResources is a stub that returns 0. Wine keeps each process's GDI objects in a handle table whose
// address the process's PEB publishes (GdiSharedHandleTable, as on Windows); a live entry has a non-zero type.
// Entries are 24 bytes: object pointer (8), owner (4), unique with the stock flag in bit 7 of its first byte (2),
// type (1), flags (1), user pointer (8).
constexpr size_t kPebGdiSharedHandleTable = 0xF8;
constexpr size_t kGdiEntrySize = 24;
constexpr size_t kGdiMaxHandles = 0x10000;

long CountGdiObjectsInTable(HANDLE process) {
  PROCESS_BASIC_INFORMATION info{};
  if (::NtQueryInformationProcess(process, ProcessBasicInformation, &info, sizeof info, nullptr) != 0) return -1;
  UINT_PTR table = 0;
  SIZE_T read = 0;
  auto* pebField = reinterpret_cast<const BYTE*>(info.PebBaseAddress) + kPebGdiSharedHandleTable;
  if (!::ReadProcessMemory(process, pebField, &table, sizeof table, &read) || table == 0) return -1;
  std::vector<BYTE> chunk(kGdiEntrySize * 4096);
  long live = 0;
  for (size_t first = 0; first < kGdiMaxHandles; first += 4096) {
    auto* from = reinterpret_cast<const BYTE*>(table) + first * kGdiEntrySize;
    if (!::ReadProcessMemory(process, from, chunk.data(), chunk.size(), &read)) break;
    for (size_t i = 0; i < chunk.size(); i += kGdiEntrySize) {
      bool stock = (chunk[i + 12] & 0x80) != 0;
      if (chunk[i + 14] != 0 && !stock) ++live;
    }
  }
  return live;
}

long CountGdiObjects(HANDLE process) {
  DWORD reported = ::GetGuiResources(process, GR_GDIOBJECTS);
  if (reported != 0) return static_cast<long>(reported);
  return CountGdiObjectsInTable(process);
}

// Wine's GetProcessHandleCount reports 0 for another process; its system handle list names each handle's owner.
long CountHandles(HANDLE process, DWORD pid) {
  DWORD reported = 0;
  if (::GetProcessHandleCount(process, &reported) && reported != 0) return static_cast<long>(reported);
  std::vector<BYTE> buffer(1 << 20);
  ULONG needed = 0;
  NTSTATUS status;
  while ((status = ::NtQuerySystemInformation(SystemHandleInformation, buffer.data(), static_cast<ULONG>(buffer.size()),
                                              &needed)) ==
         static_cast<NTSTATUS>(0xC0000004L)) {  // STATUS_INFO_LENGTH_MISMATCH
    buffer.resize(buffer.size() * 2);
  }
  if (status != 0) return -1;
  const auto* list = reinterpret_cast<const SYSTEM_HANDLE_INFORMATION*>(buffer.data());
  long owned = 0;
  for (ULONG i = 0; i < list->Count; ++i) {
    if (list->Handle[i].OwnerPid == pid) ++owned;
  }
  return owned;
}

HWND FindTopLevel(const wchar_t* titleOrHandle) {
  if (titleOrHandle[0] == L'0' && titleOrHandle[1] == L'x') {
    auto window = reinterpret_cast<HWND>(static_cast<UINT_PTR>(std::wcstoull(titleOrHandle + 2, nullptr, 16)));
    return ::IsWindow(window) ? window : nullptr;
  }
  return ::FindWindowW(nullptr, titleOrHandle);
}

int ListWindows() {
  ::EnumWindows(PrintTopLevel, 0);
  return 0;
}

int ListChildren(const wchar_t* title) {
  HWND window = FindTopLevel(title);
  if (!window) return 1;
  ChildWalk walk{window};
  ::EnumChildWindows(window, PrintChild, reinterpret_cast<LPARAM>(&walk));
  return 0;
}

int DescribeProcess(const wchar_t* title) {
  HWND window = FindTopLevel(title);
  if (!window) return 1;
  DWORD pid = 0;
  ::GetWindowThreadProcessId(window, &pid);
  HANDLE process = ::OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, pid);
  if (!process) return 1;
  WindowCount windows{pid, 0};
  ::EnumWindows(CountOwnWindows, reinterpret_cast<LPARAM>(&windows));
  PROCESS_MEMORY_COUNTERS memory{};
  memory.cb = sizeof memory;
  ::GetProcessMemoryInfo(process, &memory, sizeof memory);
  std::printf("pid=%lu\ngdi_objects=%ld\nwindows=%d\nhandles=%ld\npeak_working_set=%llu\nworking_set=%llu\n", pid,
              CountGdiObjects(process), windows.count, CountHandles(process, pid),
              static_cast<unsigned long long>(memory.PeakWorkingSetSize),
              static_cast<unsigned long long>(memory.WorkingSetSize));
  ::CloseHandle(process);
  return 0;
}

int PrintForeground() {
  HWND window = ::GetForegroundWindow();
  GUITHREADINFO thread{};
  thread.cbSize = sizeof thread;
  int focusId = 0;
  if (window && ::GetGUIThreadInfo(::GetWindowThreadProcessId(window, nullptr), &thread) && thread.hwndFocus)
    focusId = ::GetDlgCtrlID(thread.hwndFocus);
  std::printf("0x%llx\t%s\t%d\n", static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(window)),
              Utf8(window ? TitleOf(window) : L"").c_str(), focusId);
  return 0;
}

int PrintCapture(const wchar_t* title) {
  HWND window = FindTopLevel(title);
  if (!window) return 1;
  GUITHREADINFO thread{};
  thread.cbSize = sizeof thread;
  if (!::GetGUIThreadInfo(::GetWindowThreadProcessId(window, nullptr), &thread)) return 1;
  std::printf("0x%llx\n", static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(thread.hwndCapture)));
  return 0;
}

int PostSysCommand(const wchar_t* title, WPARAM command) {
  HWND window = FindTopLevel(title);
  if (!window) return 1;
  return ::PostMessageW(window, WM_SYSCOMMAND, command, 0) ? 0 : 1;
}

int PrintDriveType(const wchar_t* letter) {
  wchar_t root[] = L"?:\\";
  root[0] = letter[0];
  std::printf("%u\n", ::GetDriveTypeW(root));
  return 0;
}

// Creates and deletes a few brushes in this process and tells whether the count followed.
int SelfCheck() {
  HANDLE self = ::GetCurrentProcess();
  long before = CountGdiObjects(self);
  std::vector<HBRUSH> brushes;
  for (int i = 0; i < 5; ++i) brushes.push_back(::CreateSolidBrush(RGB(i, 0, 0)));
  long during = CountGdiObjects(self);
  for (HBRUSH brush : brushes) ::DeleteObject(brush);
  long after = CountGdiObjects(self);
  bool works = before >= 0 && during == before + 5 && after == before;
  std::printf("gdi_count=%s\t%ld\t%ld\t%ld\n", works ? "works" : "unavailable", before, during, after);
  return works ? 0 : 1;
}

constexpr char kUsage[] =
    "usage: wininfo list | children WINDOW | process WINDOW | foreground | capture WINDOW | sysclose WINDOW\n"
    "               | syscommand WINDOW N | drivetype LETTER | selfcheck\n";

}  // namespace

int wmain(int argc, wchar_t** argv) {
  std::wstring command = argc > 1 ? argv[1] : L"";
  int result = 2;
  if (command == L"list")
    result = ListWindows();
  else if (command == L"children" && argc > 2)
    result = ListChildren(argv[2]);
  else if (command == L"process" && argc > 2)
    result = DescribeProcess(argv[2]);
  else if (command == L"foreground")
    result = PrintForeground();
  else if (command == L"capture" && argc > 2)
    result = PrintCapture(argv[2]);
  else if (command == L"sysclose" && argc > 2)
    result = PostSysCommand(argv[2], SC_CLOSE);
  else if (command == L"syscommand" && argc > 3)
    result = PostSysCommand(argv[2], std::wcstoul(argv[3], nullptr, 0));
  else if (command == L"drivetype" && argc > 2)
    result = PrintDriveType(argv[2]);
  else if (command == L"selfcheck")
    result = SelfCheck();
  else
    std::fputs(kUsage, stderr);
  std::fflush(stdout);
  return result;
}
