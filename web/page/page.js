// The page's window: the controls, commands and states of the desktop one.
// Reading numbers, the transcript and every rounding happen in the engine;
// this script only wires the controls to it.
'use strict';

(() => {
    const byId = (id) => document.getElementById(id);
    const Pole = [0, 1, 2, 3, 4].map((i) => byId(`Pole${i}`));
    const Buton = [0, 1, 2].map((i) => byId(`Buton${i}`));
    const Sluch = byId('Sluch');

    let engine = null;
    let transcript = '';
    const earlyDraws = [];
    let settle;
    const ready = new Promise((resolve) => {
        settle = resolve;
    });

    // Named outright: a bare Intl.NumberFormat() may keep to en-US whatever
    // language the browser reports. A tag Intl refuses (WebKitGTK passes on a
    // POSIX locale such as "C" or "de_DE.UTF-8") is tried in its BCP 47 form,
    // then the platform's own default stands in, and at last a full stop.
    function decimalSeparator() {
        const language = navigator.language ?? '';
        const candidates = [language, language.split(/[.@]/)[0].replace(/_/g, '-'), undefined];
        for (const locales of candidates) {
            try {
                const parts = new Intl.NumberFormat(locales).formatToParts(1.5);
                const decimal = parts.find((part) => part.type === 'decimal');
                if (decimal) return decimal.value;
            } catch {
                // Refused: the next candidate.
            }
        }
        return '.';
    }

    async function loadEngine() {
        const encoded = atob(byId('engine').textContent.trim());
        const bytes = Uint8Array.from(encoded, (c) => c.charCodeAt(0));
        const { instance } = await WebAssembly.instantiate(bytes, {});
        const exports = instance.exports;
        exports._initialize();

        const encoder = new TextEncoder();
        const decoder = new TextDecoder();
        const separator = decimalSeparator();

        // Hands the texts in as NUL-terminated UTF-8 and reads back the text
        // the call returns, or gives what it returns where that is no text.
        function withTexts(texts, call, returnsText = true) {
            const pointers = texts.map((text) => {
                const utf8 = encoder.encode(text);
                const at = exports.velmora_alloc(utf8.length + 1);
                // Taken after the allocation, which may grow the memory.
                const memory = new Uint8Array(exports.memory.buffer);
                memory.set(utf8, at);
                memory[at + utf8.length] = 0;
                return at;
            });
            try {
                const at = call(pointers);
                if (!returnsText) return at;
                const memory = new Uint8Array(exports.memory.buffer);
                const end = memory.indexOf(0, at);
                return decoder.decode(memory.subarray(at, end));
            } finally {
                pointers.forEach((at) => exports.velmora_free(at));
            }
        }

        const now = Date.now();
        exports.velmora_seed(now >>> 0, Math.floor(now / 2 ** 32) ^ Math.floor(performance.now() * 1000));

        return {
            queueDraw: (r) => exports.velmora_queue_draw(r),
            solve: (a, b, c) =>
                withTexts([a, b, c, separator], ([pa, pb, pc, ps]) => exports.velmora_solve(pa, pb, pc, ps)),
            fill: (range) => withTexts([range], ([p]) => exports.velmora_fill(p)),
            language: (code) => withTexts([code], ([p]) => exports.velmora_language(p), false) === 1,
        };
    }

    // The transcript keeps the engine's CR LF; the field shows plain lines.
    function setTranscript(text) {
        transcript = text;
        Pole[4].value = text.replace(/\r\n/g, '\n');
    }

    function Buton_Click(index) {
        switch (index) {
            case 0:
                Calculate();
                break;
            case 1:
                ClearAll();
                break;
            case 2:
                FillRandom();
                break;
        }
    }

    // A single-selection list box keeps one entry selected: the user can move
    // the selection but not clear it, so every fill finds its range.
    function Sluch_Click() {
        FillRandom();
    }

    function Form_Load() {
        // Selecting from code raises no change event, so the fill is called here.
        Sluch.selectedIndex = 0;
        Sluch_Click();
    }

    function Calculate() {
        setTranscript('');
        LockInputs();
        Buton[0].disabled = true;
        setTranscript(engine.solve(Pole[1].value, Pole[2].value, Pole[3].value));
        // The result is what a keyboard or screen-reader user meets next, and
        // no second key press can wipe it.
        Pole[4].focus({ preventScroll: true });
        Pole[4].setSelectionRange(0, 0);
        Pole[4].scrollTop = 0;
        showTranscriptStart();
    }

    // On a phone the transcript may start below the fold: bring its first
    // lines into view, and no further than its top.
    function showTranscriptStart() {
        const box = Pole[4].getBoundingClientRect();
        const style = getComputedStyle(Pole[4]);
        const lines = 2 * (parseFloat(style.lineHeight) || 1.2 * parseFloat(style.fontSize));
        const height = window.visualViewport?.height ?? window.innerHeight;
        if (box.top < 0 || box.top + Math.min(lines, box.height) > height) Pole[4].scrollIntoView({ block: 'start' });
    }

    function ClearAll() {
        for (let i = 1; i <= 3; ++i) Pole[i].value = '';
        setTranscript('');
        for (let i = 1; i <= 3; ++i) Pole[i].readOnly = false;
        Buton[0].disabled = false;
    }

    function LockInputs() {
        for (let i = 1; i <= 3; ++i) Pole[i].readOnly = true;
    }

    function FillRandom() {
        ClearAll();
        const range = Sluch.options[Sluch.selectedIndex].text;
        for (let i = 1; i <= 3; ++i) Pole[i].value = engine.fill(range);
    }

    // The touch layout, which the style sheet chooses by the same query: the
    // range list as a drop-down, and an introduction that a tap opens and
    // that brings up no keyboard (it is there to be read).
    const listSize = Sluch.size;
    const windowLayout = window.matchMedia(byId('MainWindow').dataset.layout);
    function arrange() {
        const touch = !windowLayout.matches;
        Sluch.size = touch ? 1 : listSize;
        if (touch) Pole[0].inputMode = 'none';
        else Pole[0].removeAttribute('inputmode');
    }
    arrange();
    windowLayout.addEventListener('change', arrange);
    Pole[0].addEventListener('click', () => Pole[0].classList.add('open'));

    // iOS's keypad of digits has no minus sign, so there the fields keep the
    // full keyboard, whose page of digits has one.
    if ('standalone' in navigator) for (let i = 1; i <= 3; ++i) Pole[i].removeAttribute('inputmode');

    // Hosted on a web site, the page keeps itself for offline use; from a
    // file there is nothing to register and nothing to ask for.
    const worker = document.documentElement.dataset.worker;
    if (worker && 'serviceWorker' in navigator && /^https?:$/.test(location.protocol))
        navigator.serviceWorker.register(worker).catch(() => {});

    // ---- the language ------------------------------------------------------

    // Every language's texts, as the design tables have them.
    const languages = JSON.parse(byId('texts').textContent);
    const switchButtons = [...document.querySelectorAll('#Languages > button')];
    const storageKey = 'velmora.language';
    let language = languages.first;

    // Storage may be missing or refused (private windows, file pages, strict
    // settings); the page then forgets the choice without a word.
    function stored() {
        try {
            return window.localStorage.getItem(storageKey);
        } catch {
            return null;
        }
    }
    function store(code) {
        try {
            window.localStorage.setItem(storageKey, code);
        } catch {
            // Not kept; nothing to tell.
        }
    }

    // ?lang= in the address fixes the language, so a teacher can link to
    // one; then the choice kept from an earlier visit; then the browser's
    // languages in order, the first with a catalogue winning; else English.
    function chosenLanguage() {
        const known = (code) => (code && Object.prototype.hasOwnProperty.call(languages.texts, code) ? code : null);
        let fromAddress = null;
        try {
            fromAddress = new URLSearchParams(location.search).get('lang');
        } catch {
            // An address without a query.
        }
        const tags = navigator.languages?.length ? navigator.languages : [navigator.language];
        const fromBrowser = tags.map((tag) => known(String(tag ?? '').toLowerCase().split(/[-_.@]/)[0])).find(Boolean);
        return known(fromAddress) ?? known(stored()) ?? fromBrowser ?? 'en';
    }

    function showLanguage(code) {
        const texts = languages.texts[code];
        language = code;
        document.documentElement.lang = code;
        document.title = texts.title;
        document.querySelector('meta[name="description"]')?.setAttribute('content', texts.description);
        // Hosted, an app installed from the page is named in its language.
        document.querySelector('link[rel="manifest"]')?.setAttribute('href', `manifest.${code}.webmanifest`);
        for (const [id, caption] of Object.entries(texts.captions)) byId(id).textContent = caption;
        for (const [id, name] of Object.entries(texts.accessibleNames)) byId(id).setAttribute('aria-label', name);
        // From its first line, where the caret and the view stand in the
        // page as written; a new value puts the caret at its end.
        Pole[0].value = texts.introduction.map((line) => `${line}\n`).join('');
        Pole[0].setSelectionRange(0, 0);
        Pole[0].scrollTop = 0;
        if (!engine) Pole[4].value = texts.cannotLoad;
        byId('Languages').setAttribute('aria-label', texts.languageSwitch);
        for (const button of switchButtons) button.setAttribute('aria-pressed', String(button.lang === code));
        if (engine) engine.language(code);
    }

    // A new language starts a new account: the transcript goes, the
    // coefficients stay, and the window is ready to calculate them again.
    function switchLanguage(code) {
        if (code === language) return;
        showLanguage(code);
        store(code);
        try {
            const address = new URL(location.href);
            if (address.searchParams.has('lang')) {
                address.searchParams.set('lang', code);
                history.replaceState(history.state, '', address);
            }
        } catch {
            // The address stays as it is.
        }
        if (!engine) return;
        setTranscript('');
        for (let i = 1; i <= 3; ++i) Pole[i].readOnly = false;
        Buton[0].disabled = false;
    }

    showLanguage(chosenLanguage());
    for (const button of switchButtons) button.addEventListener('click', () => switchLanguage(button.lang));

    const started = () => Pole[4].classList.remove('starting');
    loadEngine().then(
        (loaded) => {
            engine = loaded;
            engine.language(language);
            earlyDraws.splice(0).forEach(engine.queueDraw);
            Buton.forEach((button, index) => button.addEventListener('click', () => Buton_Click(index)));
            Sluch.addEventListener('change', Sluch_Click);
            Pole[0].focus();
            Form_Load();
            started();
            settle(true);
        },
        () => {
            // The message written into the transcript field stays.
            Buton.forEach((button) => (button.disabled = true));
            Sluch.disabled = true;
            started();
            settle(false);
        },
    );

    // For the page's tests: the transcript as the engine wrote it, and draws
    // of their choosing ahead of the engine's sequence.
    window.velmora = Object.freeze({
        ready,
        transcript: () => transcript,
        queueDraws: (draws) => {
            for (const r of draws) {
                if (engine) engine.queueDraw(r);
                else earlyDraws.push(r);
            }
        },
    });
})();
