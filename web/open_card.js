// Opening a card: its files read through the core, its settings put into the form (or, for "Apply to another
// card", the form kept so that the list shows what this card will change), model, firmware and notes shown.
// A card that cannot be opened is said in the alert; for "Apply to another card" the last card stays open, so
// that the setup is not lost.
import { failureReason } from "./card_messages.js";
import { NotACardError } from "./card_folder.js";
import { byId, element, say, showIds } from "./dom.js";
import { showPlannedChanges } from "./page_state.js";

/**
 * @param {import("./page_state.js").PageState} page
 * @param {() => Promise<import("./card_folder.js").Card>} openCard
 * @param {{keepForm?: boolean}} [how]
 * @returns {Promise<boolean>} whether the card is open
 */
export async function showCard(page, openCard, { keepForm = false } = {}) {
  const { core, form } = page;
  const { settingsFile, versionFile, defaults, versionPlaceholders } = core.description;
  const problem = byId("open-problem");
  problem.hidden = true;
  performance.mark("dq:open-start");
  say(page.status);
  let reading = "The card";  // what the message names when reading fails
  try {
    const opened = await openCard();
    reading = settingsFile;
    const settingsBytes = await opened.read(settingsFile);
    reading = versionFile;
    const versionBytes = await opened.read(versionFile);
    const read = settingsBytes ? core.readSettings(settingsBytes) : null;
    const version = versionBytes ? core.readVersion(versionBytes) : versionPlaceholders;
    page.card = opened;
    page.cardValues = read ? read.values : [...defaults];
    if (keepForm) form.show();
    else form.setValues(page.cardValues);
    byId("model").textContent = version.model;
    byId("firmware").textContent = version.firmware;
    showCardNotes(page, read, versionBytes !== null);
    showIds(true, "card-facts", "settings");
    showPlannedChanges(page);
    performance.mark("dq:settings-shown");
    performance.measure("dq:open", "dq:open-start");
    return true;
  } catch (error) {
    if (!keepForm) {
      page.card = null;
      page.cardValues = null;
      showIds(false, "settings", "card-facts", "card-notes");
    }
    problem.textContent = error instanceof NotACardError ? error.message
      : `${reading} could not be read: ${failureReason(error)}`;
    problem.hidden = false;
    return false;
  }
}

/**
 * @param {import("./page_state.js").PageState} page
 * @param {{named: boolean[]} | null} read
 * @param {boolean} hasVersion
 */
function showCardNotes(page, read, hasVersion) {
  const { settingsFile, versionFile } = page.core.description;
  const notes = [];
  if (!read) notes.push(`The card has no ${settingsFile}: the settings show the camera's defaults.`);
  const unnamed = read ? read.named.filter((named) => !named).length : 0;
  if (unnamed) {
    notes.push(`${settingsFile} does not name ${unnamed} of the ${read.named.length} settings: they read as 0, ` +
      "as in the windows.");
  }
  if (!hasVersion) notes.push(`The card has no ${versionFile}: model and firmware are not known.`);
  byId("card-notes").replaceChildren(...notes.map((note) => element("li", {}, note)));
  byId("card-notes").hidden = notes.length === 0;
}
