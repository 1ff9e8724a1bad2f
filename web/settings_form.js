// The setting controls, built from the core's description of the settings (titles, captions, values, where
// the windows offer each row), and the 24 values they edit. The values are the one state: every control writes
// its row and `show` puts every control in step with them. A value that no window offers selects nothing and is
// kept, with a note, until the user picks another.

function element(tag, properties = {}, ...children) {
  const node = Object.assign(document.createElement(tag), properties);
  node.append(...children);
  return node;
}

class SettingsForm {
  constructor(description, places) {
    this.description = description;
    this.values = [...description.defaults];
    this.showers = [];
    for (const row of description.rows) {
      if (row.place === "main") places.main.append(this.radioGroup(row));
      if (row.place === "advanced") places.advanced.append(this.radioGroup(row));
      if (row.place === "slider") places.advanced.append(this.slider(row));
      if (row.place === "picker") places.picker.append(this.picker(row));
    }
  }

  setValues(values) {
    this.values = [...values];
    this.show();
  }

  show() {
    for (const showRow of this.showers) showRow();
  }

  pick(row, value) {
    this.values[row] = value;
    this.show();
  }

  isOffered(row, value) {
    return this.description.rows.find((r) => r.row === row).values.some((v) => v.value === value);
  }

  // The note under a control while the card's value is one that no window offers.
  keptNote(row, id, how) {
    const note = element("p", { id, className: "kept", hidden: true });
    const showNote = () => {
      const value = this.values[row];
      note.hidden = this.isOffered(row, value);
      note.textContent = `On the card: ${value}, which the windows do not offer. It is kept unless you ${how}.`;
    };
    return { note, showNote };
  }

  radioGroup({ row, title, subtitle, values }) {
    const id = `row-${row}`;
    const hint = element("p", { id: `${id}-hint`, className: "hint" }, subtitle);
    const { note, showNote } = this.keptNote(row, `${id}-kept`, "pick another");
    const radios = values.map(({ value, caption, detail }) => {
      const radio = element("input", { type: "radio", name: id, value });
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
  slider({ row, title, subtitle, values }) {
    const id = `row-${row}`;
    const partitionRow = this.description.partitionModeRow;
    const middle = this.description.defaults[row];
    const input = element("input", { type: "range", id, min: values[0].value, max: values.at(-1).value, step: 1 });
    input.setAttribute("aria-describedby", `${id}-hint ${id}-kept`);
    const shown = element("span", { className: "position" });
    shown.setAttribute("aria-hidden", "true");
    const { note, showNote } = this.keptNote(row, `${id}-kept`, "move the slider");
    input.addEventListener("input", () => this.pick(row, Number(input.value)));
    this.showers.push(() => {
      const custom = this.values[partitionRow] !== 0;
      input.disabled = !custom;
      input.value = custom ? this.values[row] : middle;
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
  picker({ row, title, values }) {
    const id = `row-${row}`;
    const select = element("select", { id }, ...values.map((v) => element("option", { value: v.value }, v.caption)));
    const unlisted = element("option", { value: "" });
    select.addEventListener("change", () => this.pick(row, Number(select.value)));
    this.showers.push(() => {
      const value = this.values[row];
      if (this.isOffered(row, value)) {
        unlisted.remove();
      } else {
        unlisted.value = value;
        unlisted.textContent = `${value} (kept from the card)`;
        select.append(unlisted);
      }
      select.value = value;
    });
    return element("div", { className: "picker" }, element("label", { htmlFor: id }, title), select);
  }
}
