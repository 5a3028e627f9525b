// Writes the stroke data the generators read, one character a line, from the two npm packages:
// character TAB stroke letters (cnchar-order, "-" when it has none) TAB medians TAB outlines
// (both hanzi-writer-data). Medians: strokes separated by "|", points by " ", coordinates by ",".
// Outlines: one SVG path a stroke (M, L, Q, C, Z in the 1024 box, y upwards), separated by "|".
// Usage: node extract_strokes.js <hanzi-writer-data folder> <cnchar-order folder> > strokes.tsv
'use strict';
const fs = require('fs');
const path = require('path');

const [writerDir, orderDir] = process.argv.slice(2);
const order = require(path.resolve(orderDir, 'cnchar.order.min.js')).dict.orders;

const lines = [];
for (const file of fs.readdirSync(writerDir).sort()) {
  const ch = path.basename(file, '.json');
  if (!file.endsWith('.json') || [...ch].length !== 1 || ch.codePointAt(0) < 0x3400) continue;
  const data = JSON.parse(fs.readFileSync(path.join(writerDir, file), 'utf8'));
  const medians = data.medians.map((m) => m.map((p) => p.join(',')).join(' ')).join('|');
  const outlines = data.strokes.map((s) => s.replace(/\s+/g, ' ').trim()).join('|');
  lines.push(`${ch}\t${order[ch] || '-'}\t${medians}\t${outlines}`);
}
lines.sort((a, b) => a.codePointAt(0) - b.codePointAt(0));
process.stdout.write(lines.join('\n') + '\n');
