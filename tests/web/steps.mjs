// Drives a file command of the module to its end the way a page would: it hands over the files
// the choosers ask for, in order, answers every question with `answer`, presses the default
// button of every message, and keeps what the module hands out.
export function drive(editor, step, { file = null, files = [], image = null, answer = 0 } = {}) {
  const queue = file ? [file, ...files] : [...files];
  const seen = { saved: [], messages: [], questions: [], end: null };
  for (let guard = 0; guard < 20; ++guard) {
    switch (step.kind) {
      case "done":
      case "show":
      case "quit":
        seen.end = step;
        return seen;
      case "message":
        seen.messages.push(step);
        step = editor.resume({ button: step.defaultButton });
        break;
      case "question":
        seen.questions.push(step);
        step = editor.resume({ button: answer });
        break;
      case "chooseFile":
        if (step.image ? !image : queue.length === 0) {
          throw new Error(`unexpected chooser: ${step.title}`);
        }
        step = editor.resume(step.image ? { image } : { file: queue.shift() });
        break;
      case "decodeImage":
        step = editor.resume({ image });
        break;
      case "saveFile":
        seen.saved.push({ name: step.name, bytes: step.bytes, purpose: step.purpose,
                          replacesOpened: step.replacesOpened });
        step = editor.resume({ saved: true });
        break;
      default:
        throw new Error(`unknown step ${JSON.stringify(step)}`);
    }
  }
  throw new Error("the command did not end");
}

// Bytes of a deterministic pseudo-random dump (xorshift), the same on every run.
export function randomDump(size, seed) {
  const bytes = new Uint8Array(size);
  let x = seed >>> 0 || 1;
  for (let i = 0; i < size; ++i) {
    x ^= x << 13;
    x >>>= 0;
    x ^= x >>> 17;
    x ^= x << 5;
    x >>>= 0;
    bytes[i] = x & 0xff;
  }
  return bytes;
}
