// The page in Debian's Chromium, driven through clicks and key presses as a
// user drives it, with velmara-pw as the reference for every password and
// record it shows or writes.
import assert from "node:assert/strict";
import fs from "node:fs";
import { after, before, test } from "node:test";

import {
  characterOffset,
  characterSize,
  loadModule,
  nativePassword,
  pageUrl,
  putSaveBlock,
  randomRecord,
  recordSize,
  tempDir,
  velmaraPw,
  writeFile,
} from "./support.mjs";
import { launchBrowser } from "./browser.mjs";

const module = await loadModule();
let browser;

before(async () => {
  browser = await launchBrowser();
});
after(async () => {
  await browser?.close();
});

// A fresh page opened from disk, with the clipboard allowed; `requests`
// collects every URL it asks for.
async function openPage(t, viewport = { width: 1100, height: 900 }) {
  const context = await browser.newContext({ viewport, acceptDownloads: true });
  t.after(() => context.close());
  await context.grantPermissions(["clipboard-read", "clipboard-write"]);
  const page = await context.newPage();
  const requests = [];
  const errors = [];
  page.on("request", (request) => requests.push(request.url()));
  page.on("pageerror", (error) => errors.push(error.message));
  t.after(() => assert.deepEqual(errors, [], "errors in the page"));
  await page.goto(pageUrl);
  await page.waitForSelector('html[data-ready="true"]');
  return { page, requests };
}

// The rows the window shows for page `page` of a password: "abcde  fghij".
function pageRows(password, page) {
  const rows = [];
  for (let at = page * 50; at < Math.min(password.length, page * 50 + 50); at += 10) {
    const row = password.slice(at, Math.min(at + 10, password.length));
    rows.push(row.slice(0, 5) + "  " + row.slice(5));
  }
  return rows.join("\n");
}

async function chooseMenu(page, menu, item) {
  await page.click(`#${menu} > summary`);
  await page.click(`#${item}`);
}

// The whole password, read page by page off the memo.
async function shownPassword(page) {
  const entries = page.locator("#lbPages [role=option]");
  let password = "";
  for (let i = 0; i < (await entries.count()); ++i) {
    await entries.nth(i).click();
    password += (await page.textContent("#Memo1")).replace(/ {2}|\n/g, "");
  }
  return password;
}

// velmara-pw's reading of a password: the record it decodes into.
function nativeRecord(password) {
  const run = velmaraPw(["decode", "-o", "-", "-"], password);
  assert.equal(run.status, 0, run.stderr);
  return run.stdout;
}

// velmara-pw's password for a record.
const passwordOf = (dir, record, type = "gold") =>
  nativePassword(writeFile(dir, "reference.dat", record), type);

const isaacLevel = (record) => record[characterOffset + 15];

// Polls `read` until it gives `expected`: loads and drops finish after the
// click that starts them.
async function settles(read, expected, what) {
  const deadline = Date.now() + 5000;
  let value;
  for (;;) {
    value = await read();
    try {
      assert.deepEqual(value, expected, what);
      return;
    } catch (error) {
      if (Date.now() > deadline) throw error;
    }
    await new Promise((resolve) => setTimeout(resolve, 20));
  }
}

const sourceEntries = (page) => page.locator("#lbSaveSlots [role=option]").allTextContents();
const statusText = (page) => page.textContent("#lblStatus");

// The text of the message box that opens next, answered with `button`.
async function answerMessage(page, button = "OK") {
  await page.waitForSelector("#dlgMessage[open]");
  const text = await page.textContent("#dlgMessageText");
  await page.locator("#dlgMessageButtons").getByRole("button", { name: button }).click();
  await page.waitForSelector("#dlgMessage:not([open])", { state: "attached" });
  return text;
}

test("start-up shows page 1 of the low default's Gold password, loading nothing from elsewhere", async (t) => {
  const { page, requests } = await openPage(t);
  const dir = tempDir(t);
  const expected = passwordOf(dir, nativeRecord(module.defaultPassword(0)));

  assert.equal(await page.textContent("#Memo1"), pageRows(expected, 0));
  assert.ok(await page.isChecked("#rbGold"));
  const pages = await page.locator("#lbPages [role=option]").allTextContents();
  assert.deepEqual(pages, ["Page 1", "Page 2", "Page 3", "Page 4", "Page 5", "Page 6"]);
  assert.equal(await page.getAttribute("#lbPages [role=option] >> nth=0", "aria-selected"), "true");
  assert.equal(await page.textContent("#lblStatus"), module.texts().statusValid);
  assert.deepEqual(await page.locator("#lbSaveSlots [role=option]").allTextContents(), [
    "（密码文件）",
  ]);
  assert.equal(await shownPassword(page), expected);
  // Everything the page loads is its own: no request leaves the folder.
  for (const url of requests) assert.match(url, /^(file:|data:)/, url);
});

test("editing a level changes the password, which decodes to the new level", async (t) => {
  const { page } = await openPage(t);
  const before = await shownPassword(page);
  await page.getByRole("tab", { name: "角色(C)" }).click();
  await page.click("#eIsaacLevel");
  await page.keyboard.press("Control+A");
  await page.keyboard.type("42");
  // The edit takes two characters at most, like the window's.
  await page.keyboard.type("7");
  assert.equal(await page.inputValue("#eIsaacLevel"), "42");
  await page.getByRole("tab", { name: "密码(P)" }).click();
  await page.getByRole("button", { name: "刷新密码(R)" }).click();

  const after = await shownPassword(page);
  assert.notEqual(after, before);
  assert.equal(isaacLevel(nativeRecord(after)), 42);
});

test("out-of-range entries are clamped when the password is refreshed", async (t) => {
  const { page } = await openPage(t);
  await page.getByRole("tab", { name: "角色(C)" }).click();
  const entries = [
    ["#eGaretLevel", "0", "1"],
    ["#eIvanHP", "2500", "1999"],
    ["#eMiaAttack", "abc", "1"],
  ];
  for (const [edit, typed] of entries) {
    await page.fill(edit, "");
    await page.click(edit);
    await page.keyboard.type(typed);
  }
  await page.getByRole("tab", { name: "其他(E)" }).click();
  await page.fill("#eCoins", "");
  await page.click("#eCoins");
  await page.keyboard.type("-1");
  await page.getByRole("tab", { name: "密码(P)" }).click();
  await page.getByRole("button", { name: "刷新密码(R)" }).click();

  for (const [edit, , shown] of entries) assert.equal(await page.inputValue(edit), shown, edit);
  assert.equal(await page.inputValue("#eCoins"), "999999");
  const record = nativeRecord(await shownPassword(page));
  const view = new DataView(record.buffer, record.byteOffset);
  assert.equal(record[characterOffset + characterSize + 15], 1);
  assert.equal(view.getUint16(characterOffset + 2 * characterSize + 16, true), 1999);
  assert.equal(view.getUint16(characterOffset + 3 * characterSize + 24, true), 1);
  assert.equal(view.getUint32(592, true), 999999);
});

test("the type buttons, by keyboard: Silver makes a 61-character password at once, Bronze disables the statistics", async (t) => {
  const { page } = await openPage(t);
  await page.focus("#rbGold");
  await page.keyboard.press("ArrowDown");
  assert.ok(await page.isChecked("#rbSilver"));
  assert.deepEqual(await page.locator("#lbPages [role=option]").allTextContents(), [
    "Page 1",
    "Page 2",
  ]);
  assert.equal(await page.isVisible("#lblTypeGold"), false);
  await page.focus("#lbPages");
  await page.keyboard.press("ArrowDown");
  const silver = await page.textContent("#Memo1");
  assert.equal(silver.split("\n").length, 2);
  assert.match(silver.split("\n")[1], /^.  $/);

  await page.focus("#rbSilver");
  await page.keyboard.press("ArrowDown");
  assert.ok(await page.isChecked("#rbBronze"));
  assert.equal((await shownPassword(page)).length, 16);
  assert.equal(await page.isVisible("#lblTypeSilver"), false);
  assert.equal(await page.isEnabled("#eIsaacLevel"), true);
  assert.equal(await page.isEnabled("#eIsaacHP"), false);
  assert.equal(await page.isEnabled("#eCoins"), false);
});

test("pasting text with a mistake shows the decoder's message and the invalid state", async (t) => {
  const { page } = await openPage(t);
  const gold = module.defaultPassword(2);
  const mistaken = gold.slice(0, 57) + (gold[57] === "A" ? "B" : "A") + gold.slice(58);
  const native = velmaraPw(["decode", "-"], mistaken);
  assert.equal(native.status, 1);

  await page.evaluate(
    (text) => navigator.clipboard.writeText(text),
    module.clipboardText(mistaken),
  );
  await chooseMenu(page, "mFile", "mFileLoadClipboard");
  await page.keyboard.press("Control+V");
  await page.getByRole("button", { name: "导入" }).click();

  await page.waitForSelector("#dlgMessage[open]");
  assert.equal((await page.textContent("#dlgMessageText")) + "\n", native.stderr);
  await page.keyboard.press("Enter");
  await settles(() => page.isVisible("#dlgMessage"), false);

  assert.deepEqual(await sourceEntries(page), ["(from invalid password!)"]);
  assert.match(await page.getAttribute("#lbSaveSlots", "class"), /\bmarked\b/);
  // The invalid state shows once the message has been answered.
  await settles(() => statusText(page), module.texts().statusInvalid);
  assert.equal(await page.isVisible("#tab-tsDjinn"), false);
  assert.equal(await page.isEnabled("#btnPassword"), false);

  // Text of no password's length is marked unusable without a message.
  await chooseMenu(page, "mFile", "mFileLoadClipboard");
  await page.keyboard.type("ABCDE-FGHJK");
  await page.getByRole("button", { name: "导入" }).click();
  await settles(() => sourceEntries(page), ["（不可用的密码！）"]);
  assert.equal(await page.isVisible("#dlgMessage"), false);

  // A default, confirmed, brings the valid state back; declined, it changes nothing.
  await chooseMenu(page, "mDefaults", "mDefaultsHigh");
  assert.equal(await answerMessage(page, "No"), module.texts().confirmDefault);
  assert.equal(await statusText(page), module.texts().statusInvalid);
  await chooseMenu(page, "mDefaults", "mDefaultsHigh");
  await answerMessage(page, "Yes");
  await settles(() => statusText(page), module.texts().statusValid);
  assert.equal(await page.isVisible("#tab-tsDjinn"), true);
  assert.equal(await shownPassword(page), gold);
});

test("pasting a copied password gives the same password and type back", async (t) => {
  const { page } = await openPage(t);
  await page.click("#rbSilver");
  const silver = await shownPassword(page);
  await page.click("#rbGold");
  await chooseMenu(page, "mPassword", "mPasswordClipboard");
  const gold = module.clipboardText(await shownPassword(page));
  await settles(() => page.evaluate(() => navigator.clipboard.readText()), gold);

  // Ctrl+C in an edit copies the password unless text is selected there.
  await page.getByRole("tab", { name: "角色(C)" }).click();
  await page.click("#eIsaacLevel");
  await page.keyboard.press("End");
  await page.evaluate(() => navigator.clipboard.writeText("old"));
  await page.keyboard.press("Control+C");
  await settles(() => page.evaluate(() => navigator.clipboard.readText()), gold);
  await page.keyboard.press("Control+A");
  await page.keyboard.press("Control+C");
  await settles(() => page.evaluate(() => navigator.clipboard.readText()), "14");
  await page.getByRole("tab", { name: "密码(P)" }).click();

  // Ctrl+V on the page itself imports the clipboard text.
  await page.evaluate((text) => navigator.clipboard.writeText(text), module.clipboardText(silver));
  await page.click("#lblStatus");
  await page.keyboard.press("Control+V");
  await settles(() => page.isChecked("#rbSilver"), true);
  assert.equal(await shownPassword(page), silver);
});

// A 64 KiB battery save: blocks 1 and 4 usable, block 2 with slot number 3.
function batterySave(dir) {
  const image = new Uint8Array(65536);
  const low = nativeRecord(module.defaultPassword(0));
  const high = nativeRecord(module.defaultPassword(2));
  const put = (index, record, name, slot, clear) => {
    const at = putSaveBlock(image, index, { record, name, slot, clear });
    // The characters' names, as the captions show them.
    for (let c = 0; c < 4; ++c)
      image.set(
        new TextEncoder().encode(name.slice(0, 3) + c),
        at + 16 + characterOffset + c * characterSize,
      );
  };
  put(1, low, "Low", 0);
  put(2, low, "Bad", 3);
  put(4, high, "High", 1, 1); // cleared
  return { file: writeFile(dir, "battery.sav", image), image };
}

test("a battery save lists its usable blocks and a click on the second loads it", async (t) => {
  const { page } = await openPage(t);
  const dir = tempDir(t);
  const { file } = batterySave(dir);
  const chooser = page.waitForEvent("filechooser");
  await chooseMenu(page, "mFile", "mFileLoadSavegame");
  await (await chooser).setFiles(file);

  const entries = page.locator("#lbSaveSlots [role=option]");
  await settles(() => sourceEntries(page), ["Low", "High（清空）"]);
  assert.equal(await page.textContent("#gbIsaacItemsCaption"), "Low0");

  await entries.nth(1).click();
  const extracted = velmaraPw(["extract", file, "--block", "4", "-o", "-"]).stdout;
  assert.equal(await shownPassword(page), passwordOf(dir, extracted));
  await page.getByRole("tab", { name: "角色(C)" }).click();
  assert.equal(await page.inputValue("#eIsaacLevel"), String(isaacLevel(extracted)));
  assert.equal(await page.textContent("#gbGaretStats legend"), "Hig1");

  // The keyboard moves between the blocks too.
  await page.getByRole("tab", { name: "密码(P)" }).click();
  await page.focus("#lbSaveSlots");
  await page.keyboard.press("ArrowUp");
  const first = velmaraPw(["extract", file, "--block", "1", "-o", "-"]).stdout;
  assert.equal(await shownPassword(page), passwordOf(dir, first));
});

test("a short battery save or a data file of the wrong size shows the invalid state", async (t) => {
  const { page } = await openPage(t);
  const dir = tempDir(t);
  for (const [item, picker, name, bytes] of [
    ["mFileLoadSavegame", "sav", "half.sav", new Uint8Array(32768)],
    ["mFileLoadDatafile", "dat", "short.dat", new Uint8Array(100)],
  ]) {
    const chooser = page.waitForEvent("filechooser");
    await chooseMenu(page, "mFile", item);
    await (await chooser).setFiles(writeFile(dir, name, bytes));
    await settles(() => statusText(page), module.texts().statusInvalid, picker);
    for (const tab of ["tsDjinn", "tsCharacters", "tsItems", "tsMisc"])
      assert.equal(await page.isVisible(`#tab-${tab}`), false, `${picker}: ${tab}`);
    // Saving is refused while the data is invalid.
    await chooseMenu(page, "mFile", "mFileSavePwdData");
    assert.equal(await answerMessage(page), module.texts().cannotSaveInvalid);
  }
});

test("the data file and the tile dump download byte for byte", async (t) => {
  const { page } = await openPage(t);
  const dir = tempDir(t);
  // A party as the window leaves it, with bytes no control edits set.
  const record = nativeRecord(module.defaultPassword(1));
  record.set([0x11, 0x22, 0x33], 5);
  record.set([0x44, 0x55], characterOffset + 5);
  const file = writeFile(dir, "party.dat", record);
  const chooser = page.waitForEvent("filechooser");
  await chooseMenu(page, "mFile", "mFileLoadDatafile");
  await (await chooser).setFiles(file);
  await settles(() => sourceEntries(page), ["（数据文件）"]);

  const downloaded = async (item) => {
    const download = page.waitForEvent("download");
    await chooseMenu(page, "mFile", item);
    return fs.readFileSync(await (await download).path());
  };
  const data = await downloaded("mFileSavePwdData");
  assert.equal(data.length, recordSize);
  assert.deepEqual(data, Buffer.from(record));

  await page.click("#rbSilver");
  const tiles = await downloaded("mFileSaveTiles");
  assert.deepEqual(tiles, velmaraPw(["tiles", "--type", "silver", "-o", "-", file]).stdout);
});

test("dropping a data file on the page loads it", async (t) => {
  const { page } = await openPage(t);
  const record = randomRecord(21);
  const dir = tempDir(t);
  const transfer = await page.evaluateHandle(
    (bytes) => {
      const data = new DataTransfer();
      data.items.add(new File([new Uint8Array(bytes)], "Party.DAT"));
      return data;
    },
    [...record],
  );
  await page.dispatchEvent("main", "drop", { dataTransfer: transfer });
  await settles(() => sourceEntries(page), ["（数据文件）"]);
  assert.equal(await shownPassword(page), passwordOf(dir, record));
});

// Opens Isaac's inventory editor from the Items sheet.
async function openIsaacsEditor(page) {
  await page.getByRole("tab", { name: "道具(I)" }).click();
  await page.click("#btnIsaacItem");
  await page.waitForSelector("#dlgInventory[open]");
}

test("the inventory editor refuses a second stack and quantities outside 1 to 30", async (t) => {
  const { page } = await openPage(t);
  await openIsaacsEditor(page);
  const slots = page.locator("#lbCharacter [role=option]");
  const herbSlot = slots.filter({ hasText: /^Herb/ });
  assert.equal(await herbSlot.count(), 1);

  // Herb is stackable and Isaac holds some: Add and Replace refuse it.
  await page.locator("#lbItems [role=option]", { hasText: /^Herb$/ }).click();
  await page.getByRole("button", { name: "<< 加入(A)" }).click();
  assert.equal(await answerMessage(page), "Isaac already has some of these.");
  // A second Long Sword is fine.
  await page.locator("#lbItems [role=option]", { hasText: /^Long Sword$/ }).click();
  await page.getByRole("button", { name: "<< 加入(A)" }).click();
  assert.equal(await slots.filter({ hasText: /^Long Sword$/ }).count(), 2);

  await herbSlot.click();
  for (const entry of ["31", "0", "many"]) {
    await page.getByRole("button", { name: "数量(L)..." }).click();
    assert.equal(await page.textContent("#dlgPromptTitle"), "Quantity: Herb");
    await page.fill("#ePromptText", "");
    await page.keyboard.type(entry);
    await page.keyboard.press("Enter");
    assert.equal(await answerMessage(page), "Invalid quantity.  Use 1 through 30.", entry);
  }
  await herbSlot.dblclick();
  await page.fill("#ePromptText", "");
  await page.keyboard.type("30");
  await page.keyboard.press("Enter");
  await settles(() => herbSlot.textContent(), "Herb * 30");

  // Long Sword holds one piece only.
  await slots
    .filter({ hasText: /^Long Sword$/ })
    .first()
    .click();
  await page.getByRole("button", { name: "数量(L)..." }).click();
  assert.equal(await answerMessage(page), "That item only supports a quantity of 1.");

  await page.getByRole("button", { name: "确定(O)" }).click();
  await page.getByRole("tab", { name: "密码(P)" }).click();
  await page.getByRole("button", { name: "刷新密码(R)" }).click();
  const record = nativeRecord(await shownPassword(page));
  const words = [...Array(15).keys()].map((j) => record.readUInt16LE(characterOffset + 216 + 2 * j));
  assert.ok(words.includes((29 << 11) | 180), "Herb * 30 in the password");
  assert.equal(words.filter((word) => word === 1).length, 2, "two Long Swords");
});

test("under Silver the editor offers the special items only, and Escape drops the changes", async (t) => {
  const { page } = await openPage(t);
  await page.click("#rbSilver");
  await openIsaacsEditor(page);
  const items = await page.locator("#lbItems [role=option]").allTextContents();
  assert.deepEqual(items, [
    "Orb of Force",
    "Douse Drop",
    "Frost Jewel",
    "Lifting Gem",
    "Halt Gem",
    "Cloak Ball",
    "Carry Stone",
    "Catch Beads",
  ]);
  assert.equal(await page.isEnabled("#btnQuantity"), false);
  const before = await page.locator("#lbIsaacItems [role=option]").allTextContents();
  await page.locator("#lbCharacter [role=option]").first().click();
  await page.getByRole("button", { name: ">> 移除(M)" }).click();
  await page.keyboard.press("Escape");
  assert.equal(await page.isVisible("#dlgInventory"), false);
  assert.deepEqual(await page.locator("#lbIsaacItems [role=option]").allTextContents(), before);
});

test("the desktop's Alt mnemonics and the keyboard reach every sheet, menu and editor command", async (t) => {
  const { page } = await openPage(t);
  await page.keyboard.press("Alt+C");
  assert.equal(await page.isVisible("#tsCharacters"), true);

  // A menu opens with Alt and its letter; the item's letter alone chooses it.
  await page.keyboard.press("Alt+W");
  await page.keyboard.press("c");
  const copy = module.clipboardText(module.defaultPassword(0));
  await settles(() => page.evaluate(() => navigator.clipboard.readText()), copy);

  // Items sheet, Isaac's list, the second row, Enter: the editor opens on it.
  await page.keyboard.press("Alt+I");
  await page.keyboard.press("Tab");
  await page.keyboard.press("ArrowDown");
  await page.keyboard.press("ArrowDown");
  const rows = await page.locator("#lbIsaacItems [role=option]").allTextContents();
  await page.keyboard.press("Enter");
  await page.waitForSelector("#dlgInventory[open]");
  assert.equal(
    await page.getAttribute("#lbCharacter [role=option] >> nth=1", "aria-selected"),
    "true",
  );
  // Enter on a list presses nothing; a double click would ask for a quantity.
  await page.keyboard.press("Enter");
  assert.equal(await page.locator("dialog[open]").count(), 1);

  // Alt+I names both Insert and the item list: the focus moves, nothing is pressed.
  const focused = () => page.evaluate(() => document.activeElement.id);
  await page.keyboard.press("Alt+I");
  const first = await focused();
  await page.keyboard.press("Alt+I");
  assert.deepEqual([first, await focused()].sort(), ["btnInsert", "lbItems"]);
  assert.deepEqual(await page.locator("#lbCharacter [role=option]").allTextContents(), rows);
  await page.keyboard.press("Alt+M");
  await page.keyboard.press("Alt+O");
  await settles(() => page.isVisible("#dlgInventory"), false);
  const after = await page.locator("#lbIsaacItems [role=option]").allTextContents();
  assert.deepEqual(after, [...rows.slice(0, 1), ...rows.slice(2), ""]);
});

test("a repair: the live row check marks the mistakes, the search lists the fix, Use loads it", async (t) => {
  const { page } = await openPage(t);
  // A Silver password with an O typed for an a and two neighbours swapped.
  const typed = "mr8Gs=imtYwRv#iSALNVs!YO9jEKpf+ijhERAgCgQEVRN&wt6bwCEh=K6qEN$";
  const native = velmaraPw(["repair", "--json", "-"], typed);
  assert.equal(native.status, 0, native.stderr);
  const [fix] = JSON.parse(native.stdout);

  await chooseMenu(page, "mPassword", "mPasswordCheck");
  await page.waitForSelector("#dlgPasswordCheck[open]");
  assert.equal(await page.isEnabled("#btnSearch"), false);
  await page.keyboard.type(typed.slice(0, 10) + " " + typed.slice(10));
  assert.equal(
    await page.textContent("#lblLength"),
    "字符数：61（铜 16，银 61，金 260）：正好是银",
  );
  assert.equal(
    await page.textContent("#lblRows"),
    "行检查：✗ 有误的行：第1页 第3行；✓ 其余 5 行正确",
  );
  assert.equal(await page.textContent("#lblInvalid"), "字母表以外的字符：第1页 第3行 第4个 “O”");
  const rows = page.locator("#CheckView .check-row");
  assert.equal(await rows.count(), 7);
  assert.match(await rows.nth(2).getAttribute("class"), /\bfails\b/);
  assert.equal(await rows.nth(2).locator(".invalid").textContent(), "O");
  assert.match(await rows.nth(6).getAttribute("class"), /\bincomplete\b/);

  await page.getByRole("button", { name: "查找修复(S)" }).click();
  const candidates = page.locator("#lbCandidates [role=option]");
  assert.deepEqual(await candidates.allTextContents(), [
    "1. 第1页 第3行 第4个：O → a\n    第1页 第5行 第2、3个对调：EV → VE",
  ]);
  const decoder = velmaraPw(["decode", "--type", "silver", "-"], typed).stderr.trim();
  assert.equal(
    await page.textContent("#lblResult"),
    `${decoder}\n找到 1 个候选密码，最可能的排在最前面。`,
  );
  await page.getByRole("button", { name: "使用(U)" }).click();
  // The chosen password loads once the box has closed.
  await settles(() => page.isChecked("#rbSilver"), true);
  assert.equal(await shownPassword(page), fix.password);
  assert.equal(await statusText(page), module.texts().statusValid);

  // The box opens empty; typing again drops the last candidates, and Escape
  // leaves the page as it was.
  await chooseMenu(page, "mPassword", "mPasswordCheck");
  assert.equal(await page.inputValue("#ePassword"), "");
  assert.equal(await candidates.count(), 0);
  await page.keyboard.type("ABCDE");
  await page.keyboard.press("Escape");
  await settles(() => page.isVisible("#dlgPasswordCheck"), false);
  assert.equal(await shownPassword(page), fix.password);
});

test("an unpaired surrogate in pasted text is one character, shown as U+FFFD, and takes no neighbour with it", async (t) => {
  const { page } = await openPage(t);
  await chooseMenu(page, "mPassword", "mPasswordCheck");
  // No key press can type an unpaired surrogate; a paste can carry one.
  await page.evaluate(() => {
    const entry = document.getElementById("ePassword");
    entry.value = "A\uD800BC";
    entry.dispatchEvent(new InputEvent("input", { inputType: "insertFromPaste" }));
  });
  assert.match(await page.textContent("#lblLength"), /^字符数：4（/);
  assert.equal(
    await page.textContent("#lblInvalid"),
    "字母表以外的字符：第1页 第1行 第2个 “\uFFFD”",
  );
  assert.equal(await page.textContent("#CheckView .row-text"), "A\uFFFDBC  ");
});
