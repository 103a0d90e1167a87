// Figures of the core module under Node: a 16 MiB dump loaded and saved, a click on a cell with
// the view drawn anew. node bench/web/core_module_bench.mjs (after the web tree is built).
import { loadCore } from "../../tests/web/load_core.mjs";
import { drive, randomDump } from "../../tests/web/steps.mjs";

const kRuns = 10;
const dump = randomDump(16 << 20, 0xbe7c4);

function median(samples) {
  const sorted = [...samples].sort((a, b) => a - b);
  return sorted[Math.floor(sorted.length / 2)];
}

function measure(name, run, runs = kRuns) {
  const samples = [];
  let first = 0;
  for (let i = 0; i < runs; ++i) {
    const start = performance.now();
    run(i);
    const took = performance.now() - start;
    if (i === 0) first = took;
    samples.push(took);
  }
  console.log(`${name.padEnd(34)} first ${first.toFixed(1).padStart(7)} ms   median ${median(samples).toFixed(2).padStart(7)} ms`);
}

const start = performance.now();
const core = await loadCore();
console.log(`${"module instantiated".padEnd(34)} ${(performance.now() - start).toFixed(1)} ms`);
const editor = core.createEditor("rus");
measure("load a 16 MiB fullflash", (i) => {
  drive(editor, editor.menu("N2"), { file: { name: `dump${i % 2}.bin`, bytes: dump } });
});
measure("save into it (handed out)", () => {
  editor.clickCell(3, 3);
  editor.press("writeBack");
  drive(editor, editor.menu("N23"));
});
measure("click on a cell and view()", (i) => {
  editor.clickCell(3 + (i % 5), 3);
  editor.view();
}, 100);
measure("view() alone", () => editor.view(), 100);
editor.delete();
const dropped = core.createEditor("rus");
measure("drop a 16 MiB fullflash", (i) => {
  drive(dropped, dropped.openFile({ name: `drop${i % 2}.bin`, bytes: dump }));
});
dropped.delete();
