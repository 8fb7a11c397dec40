// Keeps Velmora working offline once it has been opened: the page and what
// installing it needs are cached on the first visit. The cached copy answers
// at once, however slow or stalled the network; each visit fetches the page
// afresh in the background, so that a new version shows on the next one.
'use strict';

const CACHE = 'velmora-@VERSION@';
const FILES = [@FILES@];

self.addEventListener('install', (event) => {
    event.waitUntil(caches.open(CACHE).then((cache) => cache.addAll(FILES)).then(() => self.skipWaiting()));
});

self.addEventListener('activate', (event) => {
    event.waitUntil(
        caches.keys()
            .then((keys) => Promise.all(keys.filter((key) => key !== CACHE).map((key) => caches.delete(key))))
            .then(() => self.clients.claim()),
    );
});

self.addEventListener('fetch', (event) => {
    const request = event.request;
    if (request.method !== 'GET' || new URL(request.url).origin !== self.location.origin) return;
    // Kept without its query: "?lang=en" is the same page.
    const key = new URL(request.url);
    key.search = '';
    const fresh = fetch(request).then(async (response) => {
        if (response.ok) await caches.open(CACHE).then((cache) => cache.put(key.href, response.clone()));
        return response;
    });
    event.waitUntil(fresh.then(() => undefined, () => undefined));
    event.respondWith(
        caches.match(key.href).then(
            (cached) =>
                cached ??
                fresh.catch(async () =>
                    request.mode === 'navigate' ? ((await caches.match('./')) ?? Response.error()) : Response.error(),
                ),
        ),
    );
});
