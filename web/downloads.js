// Where the browser cannot write to the card: config.txt and RTC_time.ini handed over as downloads, for the
// user to copy into the card's parameter folder.
import { failureReason } from "./card_messages.js";
import { confirmedValues } from "./apply_card.js";
import { element, say } from "./dom.js";

/** @typedef {import("./page_state.js").PageState} PageState */

/**
 * Hands `bytes` to the browser as the download `name`.
 * @param {string} name
 * @param {Uint8Array<ArrayBuffer>} bytes
 */
export function download(name, bytes) {
  const url = URL.createObjectURL(new Blob([bytes], { type: "application/octet-stream" }));
  element("a", { href: url, download: name }).click();
  setTimeout(() => URL.revokeObjectURL(url));
}

/** @param {PageState} page */
export async function downloadSettings(page) {
  const { core, status } = page;
  const { settingsFile } = core.description;
  try {
    const values = await confirmedValues(page);
    if (!values) {
      say(status, "Nothing was made: the advanced settings were not confirmed.");
      return;
    }
    download(settingsFile, core.formatSettings(values));
    say(status, `${settingsFile} is in your downloads.`);
  } catch (error) {
    say(status, `${settingsFile} could not be made: ${failureReason(error)}`);
  }
}

/** @param {PageState} page */
export function downloadClock(page) {
  const { core, status } = page;
  const { clockFile } = core.description;
  try {
    download(clockFile, core.formatClock(new Date()));
    say(status, `${clockFile} is in your downloads, with this computer's time: copy it onto the card soon.`);
  } catch (error) {
    say(status, `${clockFile} could not be made: ${failureReason(error)}`);
  }
}
