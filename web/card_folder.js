// A card the browser lets the page write: a folder handle of the File System Access API. Reading and writing
// go by file name in the card's parameter folder.
import { notACardMessage } from "./card_messages.js";

/**
 * What the page needs of a card: read(name) gives a file's bytes, or null when the card has no such file;
 * a card the page can write to also has write(name, bytes).
 * @typedef {object} Card
 * @property {(name: string) => Promise<Uint8Array | null>} read
 * @property {(name: string, bytes: Uint8Array<ArrayBuffer>) => Promise<void>} [write]
 */

/** The folder the user picked, or the files chosen, are not a camera card's: the message says what to pick. */
export class NotACardError extends Error {}

/**
 * The card's root or its parameter folder, as the user may pick either (as `dqcard --card` takes either).
 * @param {FileSystemDirectoryHandle} picked
 * @param {string} folderName
 */
async function parameterFolderOf(picked, folderName) {
  if (picked.name === folderName) return picked;
  try {
    return await picked.getDirectoryHandle(folderName);
  } catch (error) {
    if (error.name !== "NotFoundError" && error.name !== "TypeMismatchError") throw error;
    throw new NotACardError(notACardMessage(folderName));
  }
}

/**
 * @param {FileSystemDirectoryHandle} picked
 * @param {string} folderName
 * @returns {Promise<Card>}
 */
export async function openWritableCard(picked, folderName) {
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
