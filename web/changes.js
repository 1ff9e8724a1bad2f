// What Apply (or the downloads) will change on the card: the settings that differ, in the windows' order, each
// by its group's title and its old and new captions.
import { element } from "./dom.js";
import { rowLabel, valueLabel } from "./settings_lookup.js";

/** @typedef {import("./card_core.js").CardCore} CardCore */
/** @typedef {{row: number, text: string, advanced: boolean}} SettingChange */

/**
 * The values Apply writes: the form's, with the rule of confirming the advanced settings when an advanced
 * value differs from the card (the notice is asked then).
 * @param {CardCore} core
 * @param {readonly number[]} cardValues
 * @param {readonly number[]} formValues
 */
export function plannedValues(core, cardValues, formValues) {
  return advancedDiffers(core, cardValues, formValues) ? core.withPartitionRule(formValues) : [...formValues];
}

/**
 * @param {CardCore} core
 * @param {readonly number[]} before
 * @param {readonly number[]} after
 */
export function advancedDiffers(core, before, after) {
  const { firstAdvancedRow, advancedCount } = core.description;
  return after.slice(firstAdvancedRow, firstAdvancedRow + advancedCount)
    .some((value, i) => value !== before[firstAdvancedRow + i]);
}

/**
 * @param {CardCore} core
 * @param {readonly number[]} before
 * @param {readonly number[]} after
 * @returns {SettingChange[]}
 */
export function settingChanges(core, before, after) {
  const { description } = core;
  const { firstAdvancedRow, advancedCount } = description;
  return description.rows.filter(({ row }) => before[row] !== after[row]).map(({ row }) => ({
    row,
    text: `${rowLabel(description, row)}: ${valueLabel(description, row, before[row])} → ` +
      valueLabel(description, row, after[row]),
    advanced: row >= firstAdvancedRow && row < firstAdvancedRow + advancedCount,
  }));
}

/**
 * Lists `changes` in `list`, or says in `empty` that nothing changes.
 * @param {HTMLElement} list
 * @param {HTMLElement} empty
 * @param {SettingChange[]} changes
 */
export function showChanges(list, empty, changes) {
  list.replaceChildren(...changes.map(({ text }) => element("li", {}, text)));
  list.hidden = changes.length === 0;
  empty.hidden = changes.length !== 0;
}
