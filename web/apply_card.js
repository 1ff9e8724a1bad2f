// Applying, as the windows' OK does: the notice first when an advanced value differs from the card (naming
// the advanced settings that change), then config.txt through the core, read back and checked, then
// RTC_time.ini from this computer's time. Both files are written even when nothing changed.
import { CLOSING_MESSAGE, failureReason } from "./card_messages.js";
import { advancedDiffers, settingChanges } from "./changes.js";
import { byId, element, say } from "./dom.js";

/** @typedef {import("./page_state.js").PageState} PageState */

/**
 * The values to write, or null when the user declines the notice about the advanced settings. Confirmed
 * advanced settings follow the advanced window's rule for the memory partition.
 * @param {PageState} page
 * @returns {Promise<number[] | null>}
 */
export async function confirmedValues(page) {
  const { core, form, cardValues } = page;
  if (!advancedDiffers(core, cardValues, form.values)) return [...form.values];
  const planned = core.withPartitionRule(form.values);
  const changes = settingChanges(core, cardValues, planned).filter(({ advanced }) => advanced);
  byId("notice-changes").replaceChildren(...changes.map(({ text }) => element("li", {}, text)));
  const notice = byId("advanced-notice");
  notice.returnValue = "";
  notice.showModal();
  await new Promise((resolve) => notice.addEventListener("close", resolve, { once: true }));
  if (notice.returnValue !== "apply") return null;
  form.setValues(planned);
  return planned;
}

/** @param {PageState} page */
export async function applyToCard(page) {
  const { status } = page;
  const apply = byId("apply");
  byId("apply-another").hidden = true;
  say(status);
  apply.disabled = true;
  try {
    const values = await confirmedValues(page);
    if (!values) {
      say(status, "Nothing was written: the advanced settings were not confirmed.");
      return;
    }
    say(status, "Saving…");
    performance.mark("dq:apply-start");
    const { lines, saved } = await saveCard(page, values);
    performance.measure("dq:apply", "dq:apply-start");
    say(status, ...lines);
    byId("apply-another").hidden = !saved;
  } catch (error) {
    say(status, `Nothing was written: ${failureReason(error)}`);
  } finally {
    apply.disabled = false;
  }
}

/**
 * Writes the card's two files; says how it went, never claiming what did not happen.
 * @param {PageState} page
 * @param {number[]} values
 * @returns {Promise<{lines: string[], saved: boolean}>}
 */
async function saveCard(page, values) {
  const { core, card } = page;
  const { settingsFile, clockFile } = core.description;
  const failed = (/** @type {string[]} */ ...lines) => ({ lines, saved: false });
  try {
    await card.write(settingsFile, core.formatSettings(values));
  } catch (error) {
    return failed(`${settingsFile} was not saved: ${failureReason(error)}`, "The card keeps its old settings.");
  }
  try {
    const readBack = await card.read(settingsFile);
    if (!readBack || !core.checkSettings(readBack, values)) {
      return failed(`${settingsFile} does not read back as written: the card may be failing. Apply again, or ` +
        "use another card.");
    }
  } catch (error) {
    return failed(`${settingsFile} could not be read back: ${failureReason(error)}`);
  }
  page.cardValues = [...values];  // the form goes on editing its own array
  page.form.show();
  try {
    await card.write(clockFile, core.formatClock(new Date()));
  } catch (error) {
    return failed(`${settingsFile} was saved, but ${clockFile} was not: ${failureReason(error)}`,
      "The camera keeps its clock; apply again to set it.");
  }
  return { lines: CLOSING_MESSAGE, saved: true };
}
