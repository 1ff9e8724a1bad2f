// The setting controls, built from the core's description of the settings (titles, captions, values, where
// the windows offer each row), and the 24 values they edit. The values are the one state: every control writes
// its row and `show` puts every control in step with them. A value that no window offers selects nothing and is
// kept, with a note, until the user picks another.
import { element } from "./dom.js";
import { offeredValue } from "./settings_lookup.js";

/** @typedef {import("./card_core.js").SettingsDescription} SettingsDescription */
/** @typedef {import("./card_core.js").RowDescription} RowDescription */

export class SettingsForm {
  /**
   * @param {SettingsDescription} description
   * @param {{main: HTMLElement, advanced: HTMLElement, picker: HTMLElement}} places
   * @param {() => void} onShow  called whenever the values changed and every control shows them
   */
  constructor(description, places, onShow) {
    this.description = description;
    /** @type {number[]} */
    this.values = [...description.defaults];
    /** @type {(() => void)[]} */
    this.showers = [];
    this.onShow = onShow;
    for (const row of description.rows) {
      if (row.place === "main") places.main.append(this.radioGroup(row));
      if (row.place === "advanced") places.advanced.append(this.radioGroup(row));
      if (row.place === "slider") places.advanced.append(this.slider(row));
      if (row.place === "picker") places.picker.append(this.picker(row));
    }
  }

  /** @param {readonly number[]} values */
  setValues(values) {
    this.values = [...values];
    this.show();
  }

  show() {
    for (const showRow of this.showers) showRow();
    this.onShow();
  }

  /**
   * @param {number} row
   * @param {number} value
   */
  pick(row, value) {
    this.values[row] = value;
    this.show();
  }

  /**
   * @param {number} row
   * @param {number} value
   */
  isOffered(row, value) {
    return offeredValue(this.description, row, value) !== undefined;
  }

  /**
   * The note under a control while the card's value is one that no window offers.
   * @param {number} row
   * @param {string} id
   * @param {string} how  what the user does to replace it
   */
  keptNote(row, id, how) {
    const note = element("p", { id, className: "kept", hidden: true });
    const showNote = () => {
      const value = this.values[row];
      note.hidden = this.isOffered(row, value);
      note.textContent = `On the card: ${value}, which the windows do not offer. It is kept unless you ${how}.`;
    };
    return { note, showNote };
  }

  /** @param {RowDescription} row */
  radioGroup({ row, title, subtitle, values }) {
    const id = `row-${row}`;
    const hint = element("p", { id: `${id}-hint`, className: "hint" }, subtitle);
    const { note, showNote } = this.keptNote(row, `${id}-kept`, "pick another");
    const radios = values.map(({ value, caption, detail }) => {
      const radio = element("input", { type: "radio", name: id, value: String(value) });
      radio.setAttribute("aria-labelledby", `${id}-${value}`);
      const label = element("label", { className: "choice" }, radio,
        element("span", { id: `${id}-${value}`, className: "caption" }, caption));
      if (detail) {
        label.append(element("span", { id: `${id}-${value}-detail`, className: "detail" }, detail));
        radio.setAttribute("aria-describedby", `${id}-${value}-detail`);
      }
      radio.addEventListener("change", () => this.pick(row, value));
      return { radio, label, value };
    });
    const group = element("fieldset", { id, className: "setting" }, element("legend", {}, title),
      ...(subtitle ? [hint] : []), element("div", { className: "choices" }, ...radios.map((r) => r.label)), note);
    group.setAttribute("role", "radiogroup");
    group.setAttribute("aria-describedby", `${subtitle ? `${id}-hint ` : ""}${id}-kept`);
    this.showers.push(() => {
      for (const { radio, value } of radios) radio.checked = this.values[row] === value;
      showNote();
    });
    return group;
  }

  // "Partition Territory": usable only with a custom split; with the default split it stands in the middle,
  // at the territory the default split stores.
  /** @param {RowDescription} row */
  slider({ row, title, subtitle, values }) {
    const id = `row-${row}`;
    const partitionRow = this.description.partitionModeRow;
    const middle = this.description.defaults[row];
    const input = element("input", {
      type: "range", id, min: String(values[0].value), max: String(values.at(-1).value), step: "1",
    });
    input.setAttribute("aria-describedby", `${id}-hint ${id}-kept`);
    const shown = element("span", { className: "position" });
    shown.setAttribute("aria-hidden", "true");
    const { note, showNote } = this.keptNote(row, `${id}-kept`, "move the slider");
    input.addEventListener("input", () => this.pick(row, Number(input.value)));
    this.showers.push(() => {
      const custom = this.values[partitionRow] !== 0;
      input.disabled = !custom;
      input.value = String(custom ? this.values[row] : middle);
      const caption = values.find((v) => v.value === Number(input.value)).caption;
      input.setAttribute("aria-valuetext", caption);
      shown.textContent = caption;
      showNote();
      note.hidden ||= !custom;
    });
    return element("div", { className: "setting territory" }, element("label", { htmlFor: id }, title),
      element("p", { id: `${id}-hint`, className: "hint" }, subtitle),
      element("div", { className: "track" }, input, shown),
      element("p", { className: "ends" }, element("span", {}, "Driving Mode Portion"),
        element("span", {}, "Event Portion")), note);
  }

  // The time zone list; a value outside it gets an entry of its own, so that it stays selected and is kept.
  /** @param {RowDescription} row */
  picker({ row, title, values }) {
    const id = `row-${row}`;
    const options = values.map((v) => element("option", { value: String(v.value) }, v.caption));
    const select = element("select", { id }, ...options);
    const unlisted = element("option", { value: "" });
    select.addEventListener("change", () => this.pick(row, Number(select.value)));
    this.showers.push(() => {
      const value = this.values[row];
      if (this.isOffered(row, value)) {
        unlisted.remove();
      } else {
        unlisted.value = String(value);
        unlisted.textContent = `${value} (kept from the card)`;
        select.append(unlisted);
      }
      select.value = String(value);
    });
    return element("div", { className: "picker" }, element("label", { htmlFor: id }, title), select);
  }
}
