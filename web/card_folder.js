// Where the card's files come from and go to: a folder the browser lets the page write (File System Access
// API), or, where there is none, the files of a folder picked with <input webkitdirectory>, read only.
// Both give {files, cardName}: files.read(name) is the file's bytes or null when it is missing.

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
    cardName: picked.name,
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
  let cardName = null;
  for (const file of fileList) {
    const parts = file.webkitRelativePath.split("/");
    if (parts.length >= 2 && parts[parts.length - 2] === folderName && parts.length <= 3) {
      files.set(parts[parts.length - 1], file);
      cardName = parts[0];
    }
  }
  if (cardName === null) throw new NotACardError();
  return {
    cardName,
    async read(name) {
      const file = files.get(name);
      return file ? new Uint8Array(await file.arrayBuffer()) : null;
    },
  };
}
