// The page's window: the controls of the desktop one. What the user's visit
// holds (the texts, the states, the random sequence, the language) and every
// rule are the engine's; this script forwards the user's actions to it and
// shows what it gives back.
'use strict';

(() => {
    const byId = (id) => document.getElementById(id);
    const Pole = [0, 1, 2, 3, 4].map((i) => byId(`Pole${i}`));
    const Buton = [0, 1, 2].map((i) => byId(`Buton${i}`));
    const Sluch = byId('Sluch');

    // The engine's texts in and out of its memory (enginetext.mjs, set in
    // here when the page is made).
    // @ENGINETEXT@

    let engine = null;
    // Until start-up shows the first view, the field holds why nothing
    // works, should the engine never start.
    let transcript = null;
    const earlyDraws = [];

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

    // The module's bytes, decoded natively where the browser can.
    function moduleBytes() {
        const encoded = byId('engine').textContent.trim();
        if (Uint8Array.fromBase64) return Uint8Array.fromBase64(encoded);
        const binary = atob(encoded);
        const bytes = new Uint8Array(binary.length);
        for (let i = 0; i < binary.length; ++i) bytes[i] = binary.charCodeAt(i);
        return bytes;
    }

    // Compiled off the main thread: the first frame waits for none of it, as
    // it needs nothing of the engine (its language is chosen below).
    function loadEngine() {
        // Inside the promise, so that a browser without WebAssembly rejects it.
        return new Promise((resolve) => resolve(WebAssembly.compile(moduleBytes())))
            .then((module) => WebAssembly.instantiate(module, {}))
            .then((instance) => {
                const exports = instance.exports;
                exports._initialize();
                const now = Date.now();
                exports.velmora_seed(now >>> 0, Math.floor(now / 2 ** 32) ^ Math.floor(performance.now() * 1000));
                const loaded = engineText(exports);
                loaded.number('velmora_separator', decimalSeparator());
                return loaded;
            });
    }

    // The transcript keeps the engine's CR LF; the field shows plain lines.
    function setTranscript(text) {
        transcript = text;
        Pole[4].value = text.replace(/\r\n/g, '\n');
    }

    // Shows what the visit holds, as the engine tells it.
    function render() {
        const view = JSON.parse(engine.text('velmora_view'));
        for (let i = 1; i <= 3; ++i) {
            if (Pole[i].value !== view.fields[i - 1]) Pole[i].value = view.fields[i - 1];
            Pole[i].readOnly = view.locked;
        }
        if (view.transcript !== transcript) setTranscript(view.transcript);
        if (Sluch.selectedIndex !== view.range) Sluch.selectedIndex = view.range;
        if (view.focus === 'introduction') Pole[0].focus();
        if (view.focus === 'transcript') {
            // The result is what a keyboard or screen-reader user meets
            // next, and no second key press can wipe it.
            Pole[4].focus({ preventScroll: true });
            Pole[4].setSelectionRange(0, 0);
            Pole[4].scrollTop = 0;
            showTranscriptStart();
        }
        Buton[0].disabled = !view.calculate;
        return view;
    }

    // One of the user's actions, handed to the engine with the fields' texts
    // as they stand (whatever wrote them), then shown.
    function command(name, ...args) {
        for (let i = 1; i <= 3; ++i) engine.number('velmora_edit', i, Pole[i].value);
        engine.number(name, ...args);
        return render();
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
    // Once the page has loaded, so that caching it competes with nothing.
    if (worker && 'serviceWorker' in navigator && /^https?:$/.test(location.protocol))
        window.addEventListener('load', () => navigator.serviceWorker.register(worker).catch(() => {}), { once: true });

    // ---- the language ------------------------------------------------------

    // Every language's texts, as the design tables have them.
    const languages = JSON.parse(byId('texts').textContent);
    const switchButtons = [...document.querySelectorAll('#Languages > button')];
    const storageKey = 'velmora.language';

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

    // What the engine weighs to choose the page's language.
    function askedLanguage() {
        let address = null;
        try {
            address = new URLSearchParams(location.search).get('lang');
        } catch {
            // An address without a query.
        }
        const tags = navigator.languages?.length ? navigator.languages : [navigator.language];
        return [address ?? '', stored() ?? '', tags.map((tag) => String(tag ?? '').replace(/\n/g, ' ')).join('\n')];
    }

    function showLanguage(code) {
        const texts = languages.texts[code];
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
    }

    // The engine decides what a new language changes; the page shows it, and
    // keeps the choice for the next visit and in its address.
    function switchLanguage(code) {
        if (!engine) {
            showLanguage(code);
            return;
        }
        const before = document.documentElement.lang;
        const view = command('velmora_language', code);
        if (view.language === before) return;
        showLanguage(view.language);
        store(view.language);
        try {
            const address = new URL(location.href);
            if (address.searchParams.has('lang')) {
                address.searchParams.set('lang', view.language);
                history.replaceState(history.state, '', address);
            }
        } catch {
            // The address stays as it is.
        }
    }

    for (const button of switchButtons) button.addEventListener('click', () => switchLanguage(button.lang));

    // The engine's rule for the language, as the build wrote it down, so
    // that the first frame is already in the language the engine will
    // choose: the first asked tag whose language has a catalogue, else the
    // fallback.
    function firstLanguage() {
        const { codes, ends, otherwise } = languages.choice;
        const [address, kept, tags] = askedLanguage();
        for (const tag of [address, kept, ...tags.split('\n')]) {
            let end = tag.length;
            for (const c of ends) if (tag.includes(c)) end = Math.min(end, tag.indexOf(c));
            const language = tag.slice(0, end).replace(/[A-Z]/g, (c) => c.toLowerCase());
            const code = codes.find((c) => c.toLowerCase() === language);
            if (language && code) return code;
        }
        return otherwise;
    }
    const first = firstLanguage();
    if (first !== document.documentElement.lang) showLanguage(first);

    const started = () => Pole[4].classList.remove('starting');
    // The engine's start and the first view, each a task of its own, so
    // that neither holds the main thread long.
    const nextTask = (value) => new Promise((resolve) => setTimeout(() => resolve(value), 0));
    const ready = loadEngine().then(nextTask).then(
        (loaded) => {
            engine = loaded;
            const chosen = engine.text('velmora_choose_language', ...askedLanguage());
            if (chosen !== document.documentElement.lang) showLanguage(chosen);
            engine.number('velmora_language', document.documentElement.lang);
            earlyDraws.splice(0).forEach((r) => engine.number('velmora_queue_draw', r));
            Buton.forEach((button, index) => button.addEventListener('click', () => command('velmora_button', index)));
            Sluch.addEventListener('change', () => command('velmora_select_range', Sluch.selectedIndex));
            for (let i = 1; i <= 3; ++i) {
                Pole[i].addEventListener('input', () => engine.number('velmora_edit', i, Pole[i].value));
                Pole[i].addEventListener('keydown', (event) => {
                    if (event.key === 'Enter' && !event.isComposing) command('velmora_enter');
                });
            }
            command('velmora_form_load');
            started();
            return true;
        },
        () => {
            // The message written into the transcript field stays.
            Buton.forEach((button) => (button.disabled = true));
            Sluch.disabled = true;
            started();
            return false;
        },
    );

    // For the page's tests: the transcript as the engine wrote it, and draws
    // of their choosing ahead of the engine's sequence.
    window.velmora = Object.freeze({
        ready,
        transcript: () => transcript ?? '',
        queueDraws: (draws) => {
            for (const r of draws) {
                if (engine) engine.number('velmora_queue_draw', r);
                else earlyDraws.push(r);
            }
        },
    });
})();
