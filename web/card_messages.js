// What the page tells the user about the card: the windows' own texts, the reasons a file failed in words, and
// how to bring the card's files in and out where the browser cannot write to the card.

export const CLOSING_MESSAGE = [
  "Configuration has been changed.",
  "Please disconnect the USB cable and reboot the device to apply the new configuration.",
  "Eject the card safely before you remove it.",
];

/** @param {string} folderName */
export const notACardMessage = (folderName) =>
  `This folder is not a camera card. Pick the card itself, which holds the ${folderName} folder, or that folder.`;

/**
 * @param {string} folderName
 * @param {string[]} names  the card files the page reads
 */
export const noCardFilesMessage = (folderName, names) =>
  `None of the chosen files is ${names.join(" or ")}. Choose them in the card's ${folderName} folder.`;

/**
 * Why a file could not be read or written, from the browser's error.
 * @param {any} error
 */
export function failureReason(error) {
  switch (error?.name) {
    case "QuotaExceededError":
      return "the card is full. The browser writes a new copy beside the old file, so a card with no room at all " +
        "cannot be saved from this page: free a little space on the card, or use dqcard.";
    case "NoModificationAllowedError":
      return "the card is write-protected. Slide its lock switch back and open the card again.";
    case "NotAllowedError":
    case "SecurityError":
      return "the browser was not allowed to write to the card. Open the card again and allow editing.";
    case "NotFoundError":
    case "InvalidStateError":
      return "the card was removed, or its folder is no longer there. Put it back and open it again.";
    default:
      return error?.message || String(error);
  }
}

/** @typedef {"desktop" | "iOS" | "Android"} DeviceKind */

// Phones and tablets have no folder input (Android's Chrome, Safari on iPhone and iPad) though some browsers
// there still claim the property; iPadOS calls itself a Mac with a touch screen.
/** @returns {DeviceKind} */
export function deviceKind() {
  const agent = navigator.userAgent;
  if (/iPhone|iPad|iPod/.test(agent) || (/Macintosh/.test(agent) && navigator.maxTouchPoints > 1)) return "iOS";
  if (/Android/.test(agent)) return "Android";
  return "desktop";
}

/**
 * Where the browser cannot write to the card: which folder to pick, so that nobody hands over the card's
 * videos, and where the downloads go.
 * @param {{folderName: string, settingsFile: string, versionFile: string, device: DeviceKind}} facts
 */
export function fallbackHint({ folderName, settingsFile, versionFile, device }) {
  const copyBack = `copy the two downloads into that folder${
    device === "iOS" ? " with the Files app" : device === "Android" ? " with your file manager" : ""}, replacing ` +
    "the files there.";
  if (device !== "desktop") {
    return `This browser cannot write to the card itself. Choose ${settingsFile} and ${versionFile} in the ` +
      `card's ${folderName} folder; after your changes, ${copyBack}`;
  }
  return `This browser cannot write to the card itself. Choose the card's ${folderName} folder, not the whole ` +
    `card with its videos, or just ${settingsFile} and ${versionFile} in it; after your changes, ${copyBack}`;
}
