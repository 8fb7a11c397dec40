// Texts into and out of the engine's memory, for the page and for everything
// that drives the module itself (the tests, the benchmark). A text goes in as
// NUL-terminated UTF-8 the engine allocates, and comes back the same way.
// The page generator sets this into the page's script without its `export`,
// so it refers to nothing outside itself.
export function engineText(exports) {
    const encoder = new TextEncoder();
    const decoder = new TextDecoder('utf-8', { fatal: true });

    // The text's address in the module's memory; the caller frees it.
    const put = (text) => {
        const utf8 = encoder.encode(String(text));
        const at = exports.velmora_alloc(utf8.length + 1);
        // Taken after the allocation, which may grow the memory.
        const memory = new Uint8Array(exports.memory.buffer);
        memory.set(utf8, at);
        memory[at + utf8.length] = 0;
        return at;
    };
    const read = (at) => {
        const memory = new Uint8Array(exports.memory.buffer);
        return decoder.decode(memory.subarray(at, memory.indexOf(0, at)));
    };
    // Calls the export `name`: strings go in as texts, numbers as they are.
    const raw = (name, args) => {
        const texts = [];
        const passed = args.map((arg) => {
            if (typeof arg !== 'string') return arg;
            texts.push(put(arg));
            return texts.at(-1);
        });
        try {
            return exports[name](...passed);
        } finally {
            texts.forEach((at) => exports.velmora_free(at));
        }
    };
    return {
        put,
        read,
        // The export's result as a number, or read as the text it returns.
        number: (name, ...args) => raw(name, args),
        text: (name, ...args) => read(raw(name, args)),
    };
}
