// A card the page can only read, where the browser cannot write to a folder: the files of a folder picked with
// <input webkitdirectory>, or the card's files themselves chosen with <input type="file" multiple>.
import { NotACardError } from "./card_folder.js";
import { noCardFilesMessage, notACardMessage } from "./card_messages.js";

/**
 * @param {Map<string, File>} files  by the name the card gives them
 * @returns {import("./card_folder.js").Card}
 */
function readOnlyCard(files) {
  return {
    async read(name) {
      const file = files.get(name);
      return file ? new Uint8Array(await file.arrayBuffer()) : null;
    },
  };
}

/**
 * From <input webkitdirectory>: each file's webkitRelativePath starts with the picked folder's name, the card's
 * root ("root/folder/name") or its parameter folder ("folder/name").
 * @param {FileList} fileList
 * @param {string} folderName
 */
export function openPickedFolder(fileList, folderName) {
  const files = new Map();
  for (const file of fileList) {
    const parts = file.webkitRelativePath.split("/");
    if (parts.length <= 3 && parts.at(-2) === folderName) files.set(parts.at(-1), file);
  }
  if (files.size === 0) throw new NotACardError(notACardMessage(folderName));
  return readOnlyCard(files);
}

// The card's file system (FAT) ignores case, and so does matching a chosen file to a card file.
/**
 * From <input type="file" multiple>: the chosen files that are card files, by name; the rest is left alone.
 * @param {FileList} fileList
 * @param {string[]} names  the card files the page reads
 * @param {string} folderName
 */
export function openChosenFiles(fileList, names, folderName) {
  const files = new Map();
  for (const file of fileList) {
    const name = names.find((cardName) => cardName.toLowerCase() === file.name.toLowerCase());
    if (name) files.set(name, file);
  }
  if (files.size === 0) throw new NotACardError(noCardFilesMessage(folderName, names));
  return readOnlyCard(files);
}
