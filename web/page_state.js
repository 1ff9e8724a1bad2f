// What the parts of the page share: the core, the form, the card that is open and its values as read, and the
// status region where every outcome and failure is said.
import { byId } from "./dom.js";
import { plannedValues, settingChanges, showChanges } from "./changes.js";

/**
 * @typedef {object} PageState
 * @property {import("./card_core.js").CardCore} core
 * @property {import("./settings_form.js").SettingsForm} form
 * @property {import("./card_folder.js").Card | null} card  null until a card is open
 * @property {number[] | null} cardValues  the values on the card: as read, then as last written
 * @property {HTMLElement} status
 */

/**
 * Lists what Apply or the downloads would change on the open card.
 * @param {PageState} page
 */
export function showPlannedChanges(page) {
  if (!page.cardValues) return;
  const planned = plannedValues(page.core, page.cardValues, page.form.values);
  showChanges(byId("change-list"), byId("no-change"), settingChanges(page.core, page.cardValues, planned));
}
