// What the page tells the user about the card: the windows' own texts, and the reasons a file failed in words.

const CLOSING_MESSAGE = [
  "Configuration has been changed.",
  "Please disconnect the USB cable and reboot the device to apply the new configuration.",
  "Eject the card safely before you remove it.",
];

const notACardMessage = (folderName) =>
  `This folder is not a camera card. Pick the card itself, which holds the ${folderName} folder, or that folder.`;

// Why a file could not be read or written, from the browser's error.
function failureReason(error) {
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
