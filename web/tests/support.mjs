// What the tests of the browser edition share: the built module and page,
// the native velmara-pw as the reference, seeded party records, and a
// temporary folder.
import { spawnSync } from "node:child_process";
import fs from "node:fs";
import os from "node:os";
import path from "node:path";
import { createRequire } from "node:module";
import { fileURLToPath } from "node:url";

const here = path.dirname(fileURLToPath(import.meta.url));
export const root = path.resolve(here, "../..");
// The build of scripts/build-web.sh, or another one named by VELMARA_WEB_BUILD.
export const pageDir = process.env.VELMARA_WEB_BUILD
  ? path.resolve(process.env.VELMARA_WEB_BUILD)
  : path.join(root, "build-web/web");
export const pageUrl = new URL(`file://${path.join(pageDir, "index.html")}`).href;

// The native command-line front end of the desktop build, or VELMARA_PW.
export const velmaraPwPath = process.env.VELMARA_PW
  ? path.resolve(process.env.VELMARA_PW)
  : path.join(root, "build/cli/velmara-pw");

export async function loadModule() {
  const require = createRequire(import.meta.url);
  const create = require(path.join(pageDir, "velmara-codec.js"));
  return create();
}

// Runs velmara-pw; stdout as a Buffer, stderr as text.
export function velmaraPw(args, input) {
  const run = spawnSync(velmaraPwPath, args, { input, maxBuffer: 1 << 20 });
  if (run.error) throw run.error;
  return { status: run.status, stdout: run.stdout, stderr: run.stderr.toString("utf8") };
}

export function tempDir(t) {
  const dir = fs.mkdtempSync(path.join(os.tmpdir(), "velmara-web-"));
  t.after(() => fs.rmSync(dir, { recursive: true, force: true }));
  return dir;
}

// The password types as the codec numbers them, with velmara-pw's names.
export const types = [
  { type: 0, name: "gold", length: 260 },
  { type: 1, name: "silver", length: 61 },
  { type: 2, name: "bronze", length: 16 },
];

export const recordSize = 2608;
// The record's layout: four character records after the general area.
export const characterOffset = 1280;
export const characterSize = 332;
export const saveBlockSize = 4096;

// A small seeded generator (mulberry32), so that every run tests the same records.
export function random(seed) {
  let a = seed >>> 0;
  return () => {
    a = (a + 0x6d2b79f5) >>> 0;
    let t = a;
    t = Math.imul(t ^ (t >>> 15), t | 1);
    t ^= t + Math.imul(t ^ (t >>> 7), t | 61);
    return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
  };
}

// A record of random bytes. Unless `anyBytes`, the fields the window edits
// stay within its bounds and the Djinn sit with their element's character,
// as a record that has been through the window does.
export function randomRecord(seed, anyBytes = false) {
  const next = random(seed);
  const bytes = new Uint8Array(recordSize);
  for (let i = 0; i < recordSize; ++i) bytes[i] = Math.floor(next() * 256);
  if (anyBytes) return bytes;
  const view = new DataView(bytes.buffer);
  const pick = (lo, hi) => lo + Math.floor(next() * (hi - lo + 1));
  for (let c = 0; c < 4; ++c) {
    const at = characterOffset + c * characterSize;
    view.setUint8(at + 15, pick(1, 99)); // level
    view.setUint16(at + 16, pick(1, 1999), true); // HP
    view.setUint16(at + 18, pick(1, 1999), true); // PP
    view.setUint16(at + 24, pick(1, 511), true); // attack
    view.setUint16(at + 26, pick(1, 511), true); // defense
    view.setUint16(at + 28, pick(1, 511), true); // agility
    view.setUint8(at + 30, pick(1, 99)); // luck
    for (let e = 0; e < 4; ++e) view.setUint32(at + 248 + 4 * e, e === c ? pick(0, 127) : 0, true);
  }
  view.setUint32(592, pick(0, 999999), true);
  return bytes;
}

// The Gold (or other) password velmara-pw makes of a data file.
export function nativePassword(file, type = "gold") {
  const run = velmaraPw(["encode", "--type", type, file]);
  if (run.status !== 0) throw new Error(`velmara-pw encode failed: ${run.stderr}`);
  return run.stdout.toString("latin1").replace(/\n$/, "");
}

// Writes block `index` of a battery save image: the signature, the slot
// number, the party record with the save's name in its first five bytes, and
// the clear mark when one is given (else the record's own).
export function putSaveBlock(
  image,
  index,
  { record, signature = "CAMELOT", slot = 0, name, clear },
) {
  const at = index * saveBlockSize;
  image.set(new TextEncoder().encode(signature), at);
  image[at + 7] = slot;
  image.set(record, at + 16);
  image.fill(0, at + 16, at + 21);
  image.set(new TextEncoder().encode(name), at + 16);
  if (clear !== undefined) image[at + 49] = clear;
  return at;
}

export function writeFile(dir, name, bytes) {
  const file = path.join(dir, name);
  fs.writeFileSync(file, bytes);
  return file;
}
