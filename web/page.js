// The page: opens a card, shows its settings, and writes them back as the windows' Apply does (config.txt
// through the core, read back and checked, then RTC_time.ini), or, in a browser that cannot write to a
// folder, hands the two files over as downloads.

const byId = (id) => document.getElementById(id);
const say = (target, ...lines) => target.replaceChildren(...lines.map((line) => element("p", {}, line)));

async function startPage() {
  const core = await loadCardCore(CARD_CORE_WASM);
  const { description } = core;
  const { cardFolder, settingsFile, clockFile, versionFile } = description;
  const form = new SettingsForm(description, {
    main: byId("main-groups"), advanced: byId("advanced-groups"), picker: byId("time-zone-place"),
  });
  const outcome = byId("outcome");
  const advancedRows = (values) => values.slice(description.firstAdvancedRow,
    description.firstAdvancedRow + description.advancedCount);
  let card = null;
  let cardValues = null;

  async function showCard(openCard) {
    const problem = byId("open-problem");
    problem.hidden = true;
    say(outcome);
    let reading = "The card";  // what the message names when reading fails
    try {
      const opened = await openCard();
      reading = settingsFile;
      const settingsBytes = await opened.read(settingsFile);
      reading = versionFile;
      const versionBytes = await opened.read(versionFile);
      const read = settingsBytes ? core.readSettings(settingsBytes) : null;
      const version = versionBytes ? core.readVersion(versionBytes) : description.versionPlaceholders;
      card = opened;
      cardValues = read ? read.values : [...description.defaults];
      form.setValues(cardValues);
      byId("model").textContent = version.model;
      byId("firmware").textContent = version.firmware;
      showCardNotes(read, versionBytes !== null);
      byId("card-facts").hidden = false;
      byId("settings").hidden = false;
      performance.mark("dq:settings-shown");
    } catch (error) {
      card = null;
      byId("settings").hidden = true;
      byId("card-facts").hidden = true;
      byId("card-notes").hidden = true;
      problem.textContent = error instanceof NotACardError ? notACardMessage(cardFolder)
        : `${reading} could not be read: ${failureReason(error)}`;
      problem.hidden = false;
    }
  }

  function showCardNotes(read, hasVersion) {
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

  // The values to write, or null when the user declines the notice about the advanced settings. Confirmed
  // advanced settings follow the advanced window's rule for the memory partition.
  async function confirmedValues() {
    const changed = advancedRows(form.values).some((value, i) => value !== advancedRows(cardValues)[i]);
    if (!changed) return form.values;
    const notice = byId("advanced-notice");
    notice.returnValue = "";
    notice.showModal();
    await new Promise((resolve) => notice.addEventListener("close", resolve, { once: true }));
    if (notice.returnValue !== "apply") return null;
    form.setValues(core.withPartitionRule(form.values));
    return form.values;
  }

  async function applyToCard() {
    say(outcome);
    const values = await confirmedValues();
    if (!values) {
      say(outcome, "Nothing was written: the advanced settings were not confirmed.");
      return;
    }
    const apply = byId("apply");
    apply.disabled = true;
    say(outcome, "Saving…");
    performance.mark("dq:apply-start");
    try {
      say(outcome, ...await saveCard(values));
    } finally {
      performance.measure("dq:apply", "dq:apply-start");
      apply.disabled = false;
    }
  }

  // Writes the card's two files; returns the lines that say how it went, never claiming what did not happen.
  async function saveCard(values) {
    const written = core.formatSettings(values);
    try {
      await card.write(settingsFile, written);
    } catch (error) {
      return [`${settingsFile} was not saved: ${failureReason(error)}`, "The card keeps its old settings."];
    }
    try {
      const readBack = await card.read(settingsFile);
      if (!readBack || !core.checkSettings(readBack, values)) {
        return [`${settingsFile} does not read back as written: the card may be failing. Apply again, or use ` +
          "another card."];
      }
    } catch (error) {
      return [`${settingsFile} could not be read back: ${failureReason(error)}`];
    }
    cardValues = [...values];  // the form goes on editing its own array
    try {
      await card.write(clockFile, core.formatClock(new Date()));
    } catch (error) {
      return [`${settingsFile} was saved, but ${clockFile} was not: ${failureReason(error)}`,
        "The camera keeps its clock; apply again to set it."];
    }
    return CLOSING_MESSAGE;
  }

  function download(name, bytes) {
    const url = URL.createObjectURL(new Blob([bytes], { type: "application/octet-stream" }));
    element("a", { href: url, download: name }).click();
    setTimeout(() => URL.revokeObjectURL(url));
  }

  async function downloadSettings() {
    const values = await confirmedValues();
    if (!values) {
      say(outcome, "Nothing was made: the advanced settings were not confirmed.");
      return;
    }
    download(settingsFile, core.formatSettings(values));
    say(outcome, `${settingsFile} is in your downloads.`);
  }

  byId("reset-all").addEventListener("click", () => {
    form.setValues(description.defaults);
    say(outcome, "Every setting is back to its default. Nothing is written before you apply.");
  });
  runClock(byId("clock"));

  if ("showDirectoryPicker" in window) {
    const open = byId("open-card");
    // One picker at a time: the button is back when this card is shown or refused.
    open.addEventListener("click", async () => {
      open.disabled = true;
      try {
        const picked = await window.showDirectoryPicker({ mode: "readwrite" });
        await showCard(() => openWritableCard(picked, cardFolder));
      } catch (error) {
        if (error.name !== "AbortError") await showCard(() => Promise.reject(error));
      } finally {
        open.disabled = false;
      }
    });
    byId("apply").addEventListener("click", applyToCard);
    open.hidden = false;
  } else {
    const input = byId("card-files");
    input.addEventListener("change", () => showCard(async () => openPickedFiles(input.files, cardFolder)));
    const downloadClock = byId("download-clock");
    const downloadConfig = byId("download-settings");
    downloadConfig.textContent = `Download ${settingsFile}`;
    downloadClock.textContent = `Download ${clockFile}`;
    downloadConfig.addEventListener("click", downloadSettings);
    downloadClock.addEventListener("click", () => download(clockFile, core.formatClock(new Date())));
    byId("copy-hint").textContent = `Copy both files into the card's ${cardFolder} folder, replacing the ones ` +
      `there. ${clockFile} carries the time of its download: copy it soon after.`;
    byId("apply").hidden = true;
    for (const id of ["no-direct-writing", "choose-folder", "download-settings", "download-clock", "copy-hint"]) {
      byId(id).hidden = false;
    }
  }
  byId("starting").remove();
  performance.mark("dq:ready");
}

startPage().catch((error) => {
  byId("starting").textContent = `The page could not start: ${error.message}`;
});
