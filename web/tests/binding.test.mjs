// The binding against the native velmara-pw: the same passwords, tiles,
// records, clipboard layouts, save block lists and decoder messages, byte
// for byte.
import assert from "node:assert/strict";
import fs from "node:fs";
import path from "node:path";
import test from "node:test";

import {
  loadModule,
  nativePassword,
  putSaveBlock,
  random,
  randomRecord,
  recordSize,
  tempDir,
  types,
  velmaraPw,
  writeFile,
} from "./support.mjs";

const module = await loadModule();

// The 64 password characters in tile order, for building broken passwords.
const alphabet = "ABCDEFGHJKLMNPQRSTUVWXYZ23456789abcdefghijkmnpqrstuvwxyz!?#&$%+=";

function nativeDecode(text, name = "auto") {
  return velmaraPw(["decode", "--type", name, "-o", "-", "-"], text);
}

// 30 records in the window's bounds and 10 of arbitrary bytes, whose values
// the encoder lowers in its own copy.
const seeds = [...Array(40).keys()].map((i) => ({ seed: 1000 + i, anyBytes: i >= 30 }));

test("passwords and tiles of seeded records match velmara-pw for every type", (t) => {
  const dir = tempDir(t);
  const party = new module.Party();
  for (const { seed, anyBytes } of seeds) {
    const record = randomRecord(seed, anyBytes);
    const file = writeFile(dir, `${seed}.dat`, record);
    assert.ok(party.setBytes(record));
    for (const { type, name, length } of types) {
      const expected = nativePassword(file, name);
      assert.equal(expected.length, length);
      assert.equal(party.makePassword(type), expected, `seed ${seed}, ${name}`);
      const tiles = velmaraPw(["tiles", "--type", name, "-o", "-", file]);
      assert.deepEqual(Buffer.from(party.tiles()), tiles.stdout, `tiles of seed ${seed}, ${name}`);
    }
    // Encoding never writes the record.
    assert.deepEqual(party.bytes(), record);
  }
  party.delete();
});

test("decoded records match velmara-pw byte for byte for every type", () => {
  const party = new module.Party();
  for (const { seed, anyBytes } of seeds.slice(0, 20)) {
    for (const { type, name } of types) {
      assert.ok(party.setBytes(randomRecord(seed, anyBytes)));
      const password = party.makePassword(type);
      const native = nativeDecode(password, name);
      assert.equal(native.status, 0, native.stderr);
      assert.equal(party.decode(type, password), "");
      const record = party.bytes();
      assert.equal(record.length, recordSize);
      assert.deepEqual(Buffer.from(record), native.stdout, `seed ${seed}, ${name}`);
    }
  }
  party.delete();
});

test("the clipboard layout matches velmara-pw --groups and cleans back", (t) => {
  const dir = tempDir(t);
  const party = new module.Party();
  const file = writeFile(dir, "party.dat", randomRecord(7));
  party.setBytes(randomRecord(7));
  for (const { type, name } of types) {
    const password = party.makePassword(type);
    const native = velmaraPw(["encode", "--type", name, "--groups", file]);
    assert.equal(module.clipboardText(password), native.stdout.toString("latin1"), name);
    assert.equal(module.cleanPasswordText(module.clipboardText(password)), password);
    assert.equal(module.typeForLength(module.passwordCharCount(password)), type);
  }
  for (const length of [0, 15, 17, 60, 62, 259, 261])
    assert.equal(module.typeForLength(length), -1);
  party.delete();
});

// A password with its character at `index` replaced by the one `step` tiles on.
function shifted(password, index, step) {
  const tile = alphabet.indexOf(password[index]);
  return password.slice(0, index) + alphabet[(tile + step + 64) % 64] + password.slice(index + 1);
}

test("every decoder message is velmara-pw's, character for character", () => {
  const party = new module.Party();
  party.setBytes(randomRecord(3));
  const gold = party.makePassword(0);
  const silver = party.makePassword(1);
  const bronze = party.makePassword(2);
  const cases = [
    { what: "letter O", text: "O" + gold.slice(1), type: 0 },
    { what: "digit 0 in Silver", text: silver.slice(0, 30) + "0" + silver.slice(31), type: 1 },
    { what: "full-width blank", text: bronze.slice(0, 5) + "\u3000" + bronze.slice(6), type: 2 },
    { what: "accented letter", text: "\u00e9" + bronze.slice(1), type: 2 },
    { what: "one row wrong", text: shifted(gold, 3, 1), type: 0 },
    {
      what: "rows on several pages",
      text: shifted(shifted(shifted(gold, 12, 5), 77, 9), 251, 2),
      type: 0,
    },
    {
      what: "Bronze's short second row carries no row check",
      text: shifted(bronze, 12, 1),
      type: 2,
    },
    // Two tiles of one row moved in opposite directions keep the row check.
    { what: "check value", text: shifted(shifted(silver, 1, 1), 2, -1), type: 1 },
    { what: "Silver text read as Gold", text: silver, type: 0, name: "gold" },
    { what: "one character too many", text: bronze + "A", type: 2, name: "bronze" },
    { what: "longer than any password", text: gold + gold, type: 0, name: "gold" },
  ];
  const messages = new Set();
  for (const c of cases) {
    const message = party.decode(c.type, c.text);
    assert.notEqual(message, "", c.what);
    const native = nativeDecode(c.text, c.name ?? "auto");
    assert.equal(native.status, 1, c.what);
    assert.equal(message + "\n", native.stderr, c.what);
    messages.add(message.replace(/".*"|row .*/s, "…"));
  }
  // Invalid character, row mistakes, wrong length and check value.
  assert.equal(messages.size, 4, [...messages].join(" | "));
  party.delete();
});

test("save blocks are listed and read as velmara-pw lists and extracts them", (t) => {
  const dir = tempDir(t);
  const image = new Uint8Array(65536 + 100);
  const block = (index, { name = "Mia", clear = 0, seed = index, ...fields }) =>
    putSaveBlock(image, index, { record: randomRecord(seed), name, clear, ...fields });
  block(0, { name: "Isaac" });
  block(2, { name: "Mia", clear: 1 });
  block(3, { slot: 3 });
  block(5, { signature: "camelot" });
  block(9, { name: "Ivan" });
  block(10, { name: "Ga{" });
  block(15, { name: "" });
  const file = writeFile(dir, "battery.sav", image);

  const native = velmaraPw(["slots", file]);
  assert.equal(native.status, 0, native.stderr);
  const listed = module.saveBlocks(image);
  const lines = listed.map(({ text, offset }) => `${offset / 4096}\t${offset}\t${text}\n`);
  assert.equal(lines.join(""), native.stdout.toString("utf8"));
  assert.deepEqual(
    listed.map((entry) => entry.text),
    ["Isaac", "Mia（清空）", "Ivan", ""],
  );

  const party = new module.Party();
  for (const { offset } of listed) {
    const extracted = velmaraPw(["extract", file, "--block", String(offset / 4096), "-o", "-"]);
    assert.ok(party.loadSaveBlock(image, offset));
    assert.deepEqual(Buffer.from(party.bytes()), extracted.stdout);
  }
  // A block past the image is refused and the record kept.
  const before = party.bytes();
  assert.equal(party.loadSaveBlock(image.subarray(0, 4096), 4096), false);
  assert.deepEqual(party.bytes(), before);
  assert.deepEqual(module.saveBlocks(image.subarray(0, 65535)), []);
  party.delete();
});

test("a record of any size but 2,608 bytes is refused and the record kept", () => {
  const party = new module.Party();
  const record = randomRecord(11);
  assert.ok(party.setBytes(record));
  for (const size of [0, 100, recordSize - 1, recordSize + 1, recordSize + 16]) {
    assert.equal(party.setBytes(new Uint8Array(size)), false, String(size));
    assert.deepEqual(party.bytes(), record);
  }
  party.delete();
});

// Mistakes the repair search undoes, made in passwords of seeded records.
function mistyped(password, seed) {
  const next = random(seed);
  const at = (n) => Math.floor(next() * n);
  const kinds = [
    (p) => shifted(p, at(p.length - 1), 1 + at(63)), // one wrong character
    (p) => {
      const i = at(p.length - 1);
      return p.slice(0, i) + p[i + 1] + p[i] + p.slice(i + 2); // neighbours swapped
    },
    (p) => {
      const i = at(p.length);
      return p.slice(0, i) + p.slice(i + 1); // one character missing
    },
    (p) => {
      const i = at(p.length);
      return p.slice(0, i) + alphabet[at(64)] + p.slice(i); // one too many
    },
    (p) => {
      const i = at(10);
      return p.slice(0, i) + "O" + p.slice(i + 1); // a look-alike outside the alphabet
    },
  ];
  return kinds[seed % kinds.length](password);
}

test("the repair search finds the candidates velmara-pw repair finds, in its order", () => {
  const party = new module.Party();
  for (let seed = 0; seed < 30; ++seed) {
    assert.ok(party.setBytes(randomRecord(500 + seed)));
    const { type } = types[seed % 3];
    const text = mistyped(party.makePassword(type), seed);
    const checked = module.checkPassword(text);
    assert.equal(checked.password, text);
    const found = module.repairPassword(checked.password);
    const native = velmaraPw(["repair", "--json", "-"], text);
    const expected = native.status === 0 ? JSON.parse(native.stdout).map((c) => c.password) : [];
    assert.deepEqual(
      found.candidates.map((c) => c.password),
      expected,
      `seed ${seed}: ${text}`,
    );
    // One mistake of the kinds searched for always leaves a candidate.
    assert.ok(found.candidates.length > 0, `seed ${seed}: no candidate`);
    for (const candidate of found.candidates)
      assert.equal(party.decode(type, candidate.password), "");
  }
  party.delete();
});
