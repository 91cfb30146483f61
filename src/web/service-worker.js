// Keeps a copy of the program's own files, so that the page opens without
// a network after the first visit. It caches these files and nothing else:
// the points a student types never leave the program's memory.
'use strict';
const CACHE = 'kurswaage-@SITE_DIGEST@';
const FILES = [@SITE_FILES@];

self.addEventListener('install', function (event) {
    event.waitUntil(caches.open(CACHE).then(function (cache) {
        return cache.addAll(FILES);
    }).then(function () {
        return self.skipWaiting();
    }));
});

// A new version's files replace the old ones.
self.addEventListener('activate', function (event) {
    event.waitUntil(caches.keys().then(function (names) {
        return Promise.all(names.filter(function (name) {
            return name.startsWith('kurswaage-') && name !== CACHE;
        }).map(function (name) {
            return caches.delete(name);
        }));
    }).then(function () {
        return self.clients.claim();
    }));
});

self.addEventListener('fetch', function (event) {
    const request = event.request;
    if (request.method !== 'GET' || new URL(request.url).origin !== self.location.origin)
        return;
    event.respondWith(caches.open(CACHE).then(function (cache) {
        return cache.match(request, { ignoreSearch: true }).then(function (copy) {
            return copy || fetch(request);
        });
    }));
});
