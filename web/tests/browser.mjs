// Debian's Chromium under playwright-core: no browser download, no network
// services of its own, a fresh profile for every launch.
import fs from "node:fs";
import os from "node:os";
import path from "node:path";

import { chromium } from "playwright-core";

export const chromiumPath = process.env.VELMARA_CHROMIUM || "/usr/bin/chromium";

export async function launchBrowser() {
  // The sandbox refuses to start as root; the profile is made new each time.
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), "velmara-chromium-"));
  const context = await chromium.launchPersistentContext(profile, {
    executablePath: chromiumPath,
    headless: true,
    args: [
      "--no-sandbox",
      "--disable-background-networking",
      "--disable-component-update",
      "--disable-sync",
      "--no-first-run",
      "--disable-gpu",
    ],
  });
  const browser = context.browser();
  return {
    // Fresh contexts share the browser; the persistent one is only its home.
    newContext: (options) => browser.newContext(options),
    close: async () => {
      await context.close();
      fs.rmSync(profile, { recursive: true, force: true });
    },
  };
}
