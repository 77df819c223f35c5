// Pictures of every sheet and of the inventory editor at a desktop width and
// at a phone's (390 pixels), into build-web/screenshots/, to be looked at.
import fs from "node:fs";
import path from "node:path";

import { launchBrowser } from "./browser.mjs";
import { pageDir, pageUrl } from "./support.mjs";

const out = path.join(pageDir, "..", "screenshots");
fs.mkdirSync(out, { recursive: true });
const sizes = [
  { name: "desktop", viewport: { width: 1100, height: 800 } },
  {
    name: "phone",
    viewport: { width: 390, height: 844 },
    isMobile: true,
    hasTouch: true,
    deviceScaleFactor: 2,
  },
];
const sheets = ["tsMain", "tsDjinn", "tsCharacters", "tsItems", "tsMisc"];

const browser = await launchBrowser();
try {
  for (const { name, ...options } of sizes) {
    const context = await browser.newContext(options);
    const page = await context.newPage();
    await page.goto(pageUrl);
    await page.waitForSelector('html[data-ready="true"]');
    for (const sheet of sheets) {
      await page.click(`#tab-${sheet}`);
      await page.screenshot({ path: path.join(out, `${name}-${sheet}.png`), fullPage: true });
    }
    await page.click("#mFile > summary");
    await page.screenshot({ path: path.join(out, `${name}-menu.png`) });
    await page.keyboard.press("Escape");
    await page.click("#tab-tsItems");
    await page.click("#btnIsaacItem");
    await page.screenshot({ path: path.join(out, `${name}-editor.png`) });
    await page.keyboard.press("Escape");
    // The check-and-repair box on a Silver password with two mistakes.
    await page.click("#mPassword > summary");
    await page.click("#mPasswordCheck");
    await page.keyboard.type("mr8Gs=imtYwRv#iSALNVs!YO9jEKpf+ijhERAgCgQEVRN&wt6bwCEh=K6qEN$");
    await page.click("#btnSearch");
    await page.screenshot({ path: path.join(out, `${name}-check.png`), fullPage: true });
    await context.close();
  }
  console.log(`screenshots in ${out}`);
} finally {
  await browser.close();
}
