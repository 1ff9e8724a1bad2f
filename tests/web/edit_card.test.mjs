// The page edits a card as a user would, and leaves on it exactly the bytes dqcard writes for the same values.
import assert from "node:assert/strict";
import { after, before, test } from "node:test";
import { cardFile, DEMO, DEMO_CONFIG, dqcardWrites, FOLDER, makeCard, openCard, openPage, shows, startBrowser }
  from "./browser.mjs";

let session;
let page;
before(async () => {
  session = await startBrowser();
  page = await openPage(session.browser, session.url);
});
after(async () => {
  // Nothing but the page itself was ever asked for, and the page's policy refuses anything else.
  assert.deepEqual(page.strayRequests, []);
  assert.equal(await page.evaluate((url) => fetch(url).then(() => "fetched", () => "refused"), session.url), "refused");
  await session.close();
});

const group = (name) => page.getByRole("radiogroup", { name });
const choose = (groupName, choice) => group(groupName).getByRole("radio", { name: choice, exact: true }).check();
const status = () => page.getByRole("status");
const checked = (groupName, choice) => group(groupName).getByRole("radio", { name: choice, exact: true, checked: true });
const apply = () => page.getByRole("button", { name: "Apply", exact: true }).click();
const notice = () => page.getByRole("dialog", { name: "Do you want to change the Advanced Settings?" });

async function expectSaved(card, files, assignments) {
  await shows(status(), "Configuration has been changed.");
  await shows(status(), "Please disconnect the USB cable and reboot the device to apply the new configuration.");
  await shows(status(), "Eject the card safely before you remove it");
  assert.deepEqual(await cardFile(page, `${card}/${FOLDER}/config.txt`), dqcardWrites(files, assignments));
}

test("the card's settings are shown, changed and written as dqcard writes them, with the clock", async () => {
  await makeCard(page, "round-trip", DEMO);
  await openCard(page, "round-trip");
  await shows(page.locator("#model"), /^DQ-918LX$/);
  await shows(page.locator("#firmware"), /^v1\.02\.15$/);
  await checked("G-Sensor: Parking", "3").waitFor();
  await page.getByText(/^\d{4}-\d\d-\d\d [AP]M \d\d: \d\d: \d\d$/).waitFor();

  await choose("Recording Resolution", "720p Ultra-Wide");
  await choose("Speaker Volume", "Mute");
  await choose("G-Sensor: Driving", "Off");
  await page.getByRole("combobox", { name: "Time zone" }).selectOption({ label: "UTC+01:00" });
  const before = new Date();
  await apply();
  await expectSaved("round-trip", DEMO,
    ["resolution=720p-wide", "speaker-volume=mute", "driving-mode-accelerator=off", "time-zone=UTC+01:00"]);
  const clock = (await cardFile(page, `round-trip/${FOLDER}/RTC_time.ini`)).toString("latin1");
  const [, y, mo, d, h, mi, s] = clock.match(/^RTC Time Setting=(\d{4})(\d\d)(\d\d)(\d\d)(\d\d)(\d\d)\r\n$/).map(Number);
  const written = new Date(y, mo - 1, d, h, mi, s);
  assert.ok(written >= new Date(before).setMilliseconds(0) && written <= new Date(), `clock ${clock}`);
});

test("advanced changes wait for the notice: Cancel writes nothing, Apply writes them with the partition rule",
  async () => {
    await makeCard(page, "advanced", DEMO);
    await openCard(page, "advanced");
    await choose("Video Quality", "Standard");
    const territory = page.getByRole("slider", { name: "Partition Territory" });
    await page.getByRole("slider", { name: "Partition Territory", disabled: true }).waitFor();
    await choose("Memory Allocation", "Custom");
    await territory.fill("7");
    await apply();
    await shows(notice(), "If you change the Memory Allocation setting, the recorded videos and pictures will be " +
      "deleted. Please be sure to make a backup before applying the changes.");
    await notice().getByRole("button", { name: "Cancel" }).click();
    await shows(status(), "Nothing was written");
    assert.equal((await cardFile(page, `advanced/${FOLDER}/config.txt`)).toString("latin1"), DEMO_CONFIG);

    await apply();
    await notice().getByRole("button", { name: "Apply", exact: true }).click();
    const custom = ["bit-rate=standard", "memory-partition=custom", "partition-territory=80:20"];
    await expectSaved("advanced", DEMO, custom);

    // Back to the default split: the territory the slider showed gives way to the middle, 50:50.
    await choose("Memory Allocation", "Default");
    await page.getByRole("slider", { name: "Partition Territory", disabled: true }).waitFor();
    await apply();
    await notice().getByRole("button", { name: "Apply", exact: true }).click();
    await expectSaved("advanced", DEMO, [...custom, "memory-partition=default"]);
  });

test("a card without config.txt or ver.txt shows the defaults and placeholders; Reset All brings defaults back",
  async () => {
    const empty = { [`${FOLDER}/DQ_configure.exe`]: "" };
    await makeCard(page, "bare", empty);
    await openCard(page, `bare/${FOLDER}`);  // the parameter folder itself may be picked as well
    await shows(page.locator("#model"), /^QUILVa$/);
    await shows(page.locator("#firmware"), /^########$/);
    await checked("Night Brightness", "Bright 1").waitFor();
    await choose("Night Brightness", "Basic");
    await page.getByRole("button", { name: "Reset All" }).click();
    await checked("Night Brightness", "Bright 1").waitFor();
    await choose("Recording Resolution", "720p HD");
    await apply();
    await expectSaved("bare", empty, ["resolution=720p"]);
  });

test("a garbled config.txt: values no window offers are shown as such and kept", async () => {
  const garbled = { [`${FOLDER}/config.txt`]: "\u00ff\u0000junk\r\nNight Bright=7\r\nTime zone=30\r\nno end" };
  await makeCard(page, "garbled", garbled);
  await openCard(page, "garbled");
  await shows(group("Night Brightness"), "On the card: 7, which the windows do not offer");
  assert.equal(await group("Night Brightness").getByRole("radio", { checked: true }).count(), 0);
  assert.equal(await page.getByRole("combobox", { name: "Time zone" }).inputValue(), "30");
  await choose("Recording Resolution", "720p HD");
  await apply();
  await expectSaved("garbled", garbled, ["resolution=720p"]);
});

test("a folder that is not a card is named as such; a card removed before Apply is reported, not saved",
  async () => {
    await makeCard(page, "holiday-photos", { "IMG_0001.JPG": "jpeg" });
    await openCard(page, "holiday-photos");
    await shows(page.getByRole("alert"), `This folder is not a camera card. Pick the card itself, which holds the ${FOLDER}`);
    await page.getByRole("button", { name: "Apply", exact: true }).waitFor({ state: "hidden" });

    await makeCard(page, "pulled", DEMO);
    await openCard(page, "pulled");
    await page.evaluate(async () => (await navigator.storage.getDirectory()).removeEntry("pulled", { recursive: true }));
    await apply();
    await shows(status(), "config.txt was not saved: the card was removed");
    assert.doesNotMatch(await status().innerText(), /Configuration has been changed/);
  });
