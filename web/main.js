// The page's start: the core loaded, the form built from its description, and the card opened the way this
// browser allows: a folder it lets the page write (Apply), or the card's files read and handed back as
// downloads (a folder input where the browser has one, and everywhere a multiple-file input).
import CARD_CORE_WASM from "card-core-wasm";
import { applyToCard } from "./apply_card.js";
import { loadCardCore } from "./card_core.js";
import { openWritableCard } from "./card_folder.js";
import { deviceKind, fallbackHint } from "./card_messages.js";
import { runClock } from "./clock_text.js";
import { byId, say, showIds } from "./dom.js";
import { downloadClock, downloadSettings } from "./downloads.js";
import { showCard } from "./open_card.js";
import { showPlannedChanges } from "./page_state.js";
import { openChosenFiles, openPickedFolder } from "./picked_files.js";
import { loadProfile, saveProfile } from "./profile.js";
import { SettingsForm } from "./settings_form.js";

async function startPage() {
  const core = await loadCardCore(CARD_CORE_WASM);
  const { description } = core;
  /** @type {import("./page_state.js").PageState} */
  const page = { core, form: null, card: null, cardValues: null, status: byId("outcome") };
  page.form = new SettingsForm(description, {
    main: byId("main-groups"), advanced: byId("advanced-groups"), picker: byId("time-zone-place"),
  }, () => showPlannedChanges(page));

  byId("reset-all").addEventListener("click", () => {
    page.form.setValues(description.defaults);
    say(page.status, "Every setting is back to its default. Nothing is written before you apply.");
  });
  byId("save-profile").addEventListener("click", () => saveProfile(page));
  const profileInput = byId("profile-file");
  profileInput.addEventListener("change", async () => {
    if (profileInput.files.length) await loadProfile(page, profileInput.files[0]);
    profileInput.value = "";  // the same file again is a change too
  });
  runClock(byId("clock"));

  if ("showDirectoryPicker" in window) offerFolderAccess(page);
  else offerFilesAndDownloads(page);
  byId("starting").remove();
  performance.mark("dq:ready");
}

/**
 * "Open card" and Apply; after a successful Apply, "Apply to another card" keeps the form for the next card.
 * @param {import("./page_state.js").PageState} page
 */
function offerFolderAccess(page) {
  const { cardFolder } = page.core.description;
  const open = byId("open-card");
  const another = byId("apply-another");
  /** @param {{keepForm?: boolean}} how */
  const pickCard = async (how) => {
    // One picker at a time: the buttons are back when this card is shown or refused.
    open.disabled = another.disabled = true;
    let opened = false;
    try {
      const picked = await window.showDirectoryPicker({ mode: "readwrite" });
      opened = await showCard(page, () => openWritableCard(picked, cardFolder), how);
    } catch (error) {
      if (error.name !== "AbortError") await showCard(page, () => Promise.reject(error), how);
    } finally {
      if (opened) another.hidden = true;  // until this card is applied
      open.disabled = another.disabled = false;
    }
  };
  open.addEventListener("click", () => pickCard({}));
  another.addEventListener("click", () => pickCard({ keepForm: true }));
  byId("apply").addEventListener("click", () => applyToCard(page));
  open.hidden = false;
}

/**
 * The card's files chosen by the user, read only; config.txt and RTC_time.ini handed back as downloads.
 * @param {import("./page_state.js").PageState} page
 */
function offerFilesAndDownloads(page) {
  const { cardFolder, settingsFile, versionFile, clockFile } = page.core.description;
  const device = deviceKind();
  byId("fallback-hint").textContent = fallbackHint({ folderName: cardFolder, settingsFile, versionFile, device });
  byId("files-label").textContent = `Choose ${settingsFile} and ${versionFile}`;
  byId("folder-label").textContent = `Choose the ${cardFolder} folder`;
  const folderInput = byId("card-folder");
  const filesInput = byId("card-files");
  folderInput.addEventListener("change", () =>
    showCard(page, async () => openPickedFolder(folderInput.files, cardFolder)));
  filesInput.addEventListener("change", () =>
    showCard(page, async () => openChosenFiles(filesInput.files, [settingsFile, versionFile], cardFolder)));
  const downloadConfig = byId("download-settings");
  const downloadTime = byId("download-clock");
  downloadConfig.textContent = `Download ${settingsFile}`;
  downloadTime.textContent = `Download ${clockFile}`;
  downloadConfig.addEventListener("click", () => downloadSettings(page));
  downloadTime.addEventListener("click", () => downloadClock(page));
  byId("copy-hint").textContent = `Copy both files into the card's ${cardFolder} folder, replacing the ones ` +
    `there. ${clockFile} carries the time of its download: copy it soon after.`;
  byId("clock-change").textContent = `${clockFile} sets the camera's clock to this computer's time at its download.`;
  byId("apply").hidden = true;
  showIds(true, "fallback-hint", "choose-files", "download-settings", "download-clock", "copy-hint");
  showIds(device === "desktop" && "webkitdirectory" in folderInput, "choose-folder");
}

startPage().catch((error) => {
  byId("starting").textContent = `The page could not start: ${error.message}`;
});
