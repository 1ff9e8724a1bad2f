// What will change is listed before Apply and in the notice; a setup is carried to the next card by a saved
// profile or by "Apply to another card", each card left with the bytes dqcard apply writes; a profile dqcard
// refuses is refused here too, with nothing changed.
import assert from "node:assert/strict";
import { readFileSync } from "node:fs";
import { after, before, test } from "node:test";
import { cardFile, DEMO, dqcardApplies, dqcardExports, FOLDER, makeCard, openCard, openPage, OTHER, shows,
  startBrowser } from "./browser.mjs";

let session;
let page;
before(async () => {
  session = await startBrowser();
  page = await openPage(session.browser, session.url);
});
after(async () => { await session.close(); });

const choose = (group, choice) => page.getByRole("radiogroup", { name: group })
  .getByRole("radio", { name: choice, exact: true }).check();
const changes = () => page.getByRole("region", { name: "What will change" });
const status = () => page.getByRole("status");
const notice = () => page.getByRole("dialog", { name: "Do you want to change the Advanced Settings?" });
const confirmApply = async () => {
  await page.getByRole("button", { name: "Apply", exact: true }).click();
  await notice().getByRole("button", { name: "Apply" }).click();
  await shows(status(), "Configuration has been changed.");
};
async function saveProfile() {
  const [file] = await Promise.all([page.waitForEvent("download"),
    page.getByRole("button", { name: "Save profile" }).click()]);
  return readFileSync(await file.path());
}
const loadProfile = (name, bytes) => page.getByLabel("Load profile")
  .setInputFiles({ name, mimeType: "text/plain", buffer: Buffer.from(bytes) });

test("the changes are listed before Apply; the saved profile and Apply to another card write dqcard apply's bytes",
  async () => {
    await makeCard(page, "first", DEMO);
    await makeCard(page, "second", OTHER);
    await openCard(page, "first");
    await shows(changes(), "Nothing changed");
    await shows(changes(), "The camera's clock is set from this computer's time.");
    await choose("Recording Resolution", "720p HD");
    await choose("Video Quality", "Standard");
    await shows(changes(), "Recording Resolution: 1080p Full HD → 720p HD");
    await shows(changes(), "Partition Territory: 80:20 → 50:50");  // the rule confirming the notice applies
    await page.getByRole("button", { name: "Apply", exact: true }).click();
    await shows(notice(), "Video Quality: Ultra High → Standard");
    assert.doesNotMatch(await notice().innerText(), /Recording Resolution/);
    await notice().getByRole("button", { name: "Apply" }).click();
    await shows(status(), "Configuration has been changed.");
    await shows(changes(), "Nothing changed");
    const profile = await saveProfile();
    assert.deepEqual(await cardFile(page, `first/${FOLDER}/config.txt`), dqcardApplies(DEMO, profile));

    await page.evaluate(() => { window.pickedFolder = "second"; });
    await page.getByRole("button", { name: "Apply to another card" }).click();
    await shows(changes(), "Memory Allocation: Custom → Default");
    await confirmApply();
    assert.deepEqual(await cardFile(page, `second/${FOLDER}/config.txt`), dqcardApplies(OTHER, profile));
  });

test("a profile from dqcard export writes what dqcard apply writes; one dqcard refuses changes nothing", async () => {
  await makeCard(page, "third", OTHER);
  await openCard(page, "third");
  const exported = dqcardExports(DEMO);
  await loadProfile("cam1.txt", exported);
  await shows(status(), "cam1.txt is loaded. Nothing is written to the card before you apply.");
  await confirmApply();
  assert.deepEqual(await cardFile(page, `third/${FOLDER}/config.txt`), dqcardApplies(OTHER, exported));

  await makeCard(page, "kept", { [`${FOLDER}/config.txt`]: "Night Bright=7\r\n" });
  await openCard(page, "kept");
  const carried = await saveProfile();
  await shows(status(), "It carries values that no window offers, kept from the card: Night Bright=7. dqcard apply " +
    "refuses them without --force");
  await loadProfile("kept.txt", `${carried}Resolution=720p\nvolume=2\n`);
  await shows(status(), 'kept.txt:11: Night Bright: "7" is not offered by the windows (allowed: 0 (basic)');
  await shows(status(), 'kept.txt:26: unknown setting "volume"');
  await shows(status(), "This page writes only values that the windows offer.");
  assert.doesNotMatch(await status().innerText(), /--force/);
  await shows(changes(), "Nothing changed");
});
