// Where the card's files come from and go to: a folder the browser lets the page write (File System Access
// API), or, where there is none, the files of a folder picked with <input webkitdirectory>, read only.
// Both give a card whose read(name) is the file's bytes, or null when it is missing; the first also writes.

class NotACardError extends Error {}

// The card's root or its parameter folder, as the user may pick either (as `dqcard --card` takes either).
async function parameterFolderOf(picked, folderName) {
  if (picked.name === folderName) return picked;
  try {
    return await picked.getDirectoryHandle(folderName);
  } catch (error) {
    if (error.name === "NotFoundError" || error.name === "TypeMismatchError") throw new NotACardError();
    throw error;
  }
}

async function openWritableCard(picked, folderName) {
  const folder = await parameterFolderOf(picked, folderName);
  return {
    async read(name) {
      try {
        const file = await (await folder.getFileHandle(name)).getFile();
        return new Uint8Array(await file.arrayBuffer());
      } catch (error) {
        if (error.name === "NotFoundError") return null;
        throw error;
      }
    },
    // The browser writes a copy of its own beside the file and puts it in place on close, so a failed write
    // leaves the old file as it was.
    async write(name, bytes) {
      const handle = await folder.getFileHandle(name, { create: true });
      const stream = await handle.createWritable();
      try {
        await stream.write(bytes);
        await stream.close();
      } catch (error) {
        await stream.abort().catch(() => {});
        throw error;
      }
    },
  };
}

// `fileList` from <input webkitdirectory>: each file's webkitRelativePath starts with the picked folder's name.
function openPickedFiles(fileList, folderName) {
  const files = new Map();
  for (const file of fileList) {
    // The card's root gives "root/folder/name", the parameter folder itself "folder/name".
    const parts = file.webkitRelativePath.split("/");
    if (parts.length <= 3 && parts.at(-2) === folderName) files.set(parts.at(-1), file);
  }
  if (files.size === 0) throw new NotACardError();
  return {
    async read(name) {
      const file = files.get(name);
      return file ? new Uint8Array(await file.arrayBuffer()) : null;
    },
  };
}
