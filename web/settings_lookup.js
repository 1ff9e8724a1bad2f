// Questions about one row of the settings description: what it is called and what a value shows as.

/** @typedef {import("./card_core.js").SettingsDescription} SettingsDescription */

/**
 * @param {SettingsDescription} description
 * @param {number} row
 */
export const rowOf = (description, row) => description.rows.find((r) => r.row === row);

/**
 * The entry of `value` in its row, or undefined when no window offers it.
 * @param {SettingsDescription} description
 * @param {number} row
 * @param {number} value
 */
export const offeredValue = (description, row, value) => rowOf(description, row).values.find((v) => v.value === value);

/**
 * The group's title, or the key of a row no window sets.
 * @param {SettingsDescription} description
 * @param {number} row
 */
export const rowLabel = (description, row) => rowOf(description, row).title || rowOf(description, row).key;

/**
 * The caption of `value`, or the number where it has none.
 * @param {SettingsDescription} description
 * @param {number} row
 * @param {number} value
 */
export const valueLabel = (description, row, value) => offeredValue(description, row, value)?.caption ?? String(value);

/**
 * The rows of `values` a window sets with a value no window offers.
 * @param {SettingsDescription} description
 * @param {readonly number[]} values
 */
export const unofferedRows = (description, values) => description.rows
  .filter(({ row, place }) => place !== "nowhere" && !offeredValue(description, row, values[row]))
  .map(({ row }) => row);
