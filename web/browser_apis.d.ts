// The part of the File System Access API the page uses that TypeScript's DOM types lack (Chromium's browsers
// have it; the page checks for it before use).
interface Window {
  showDirectoryPicker(options?: { mode?: "read" | "readwrite" }): Promise<FileSystemDirectoryHandle>;
}
