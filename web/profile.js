// A setup carried to the next card: "Save profile" downloads the form's values as dqcard export prints them;
// "Load profile" reads a profile with dqcard's own reader and applies it over the form as dqcard apply does,
// refusing what dqcard apply refuses without --force. Nothing is written to a card before Apply.
import { failureReason } from "./card_messages.js";
import { download } from "./downloads.js";
import { say } from "./dom.js";
import { rowOf, unofferedRows } from "./settings_lookup.js";

/** @typedef {import("./page_state.js").PageState} PageState */

export const PROFILE_NAME = "DQ-918LX_profile.txt";

/** @param {PageState} page */
export function saveProfile(page) {
  const { core, form, status } = page;
  try {
    download(PROFILE_NAME, core.formatProfile(form.values));
    const unoffered = unofferedRows(core.description, form.values)
      .map((row) => `${rowOf(core.description, row).key}=${form.values[row]}`);
    say(status, `${PROFILE_NAME} is in your downloads.`, ...(unoffered.length === 0 ? [] : [
      `It carries values that no window offers, kept from the card: ${unoffered.join(", ")}. ` +
        "dqcard apply refuses them without --force, and this page refuses them when the profile is loaded."]));
  } catch (error) {
    say(status, `The profile could not be made: ${failureReason(error)}`);
  }
}

/**
 * @param {PageState} page
 * @param {File} file
 */
export async function loadProfile(page, file) {
  const { core, form, status } = page;
  try {
    const { values, errors } = core.applyProfile(file.name, new Uint8Array(await file.arrayBuffer()), form.values);
    if (errors.length) {
      const refusal = errors.some(({ notOffered }) => notOffered)
        ? ["This page writes only values that the windows offer."] : [];
      say(status, `${file.name} was not loaded, and no setting changed:`, ...errors.map(({ reason }) => reason),
        ...refusal);
      return;
    }
    form.setValues(values);
    say(status, `${file.name} is loaded. Nothing is written to the card before you apply.`);
  } catch (error) {
    say(status, `${file.name} could not be read: ${failureReason(error)}`);
  }
}
