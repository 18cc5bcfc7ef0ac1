// Keeps the page's files so that it starts offline after the first visit. One cache per
// version, named after a hash of the files the build wrote, so that a new version served is
// a new worker: it fetches every file afresh past the browser's HTTP cache, takes over at once,
// and drops the caches of older versions; the page open at the time keeps running the files it
// loaded. The build fills in the version and the list.
'use strict';
const kCache = 'anglarix-@VERSION@';
// clang-format off
const kFiles = @FILES@;
// clang-format on

self.addEventListener(
    'install',
    event => event.waitUntil(
        caches.open(kCache)
            .then(cache => cache.addAll(kFiles.map(file => new Request(file, { cache: 'reload' }))))
            .then(() => self.skipWaiting())));
self.addEventListener(
    'activate',
    event => event.waitUntil(
        caches.keys()
            .then(
                names => Promise.all(names.filter(name => name.startsWith('anglarix-') && name !== kCache)
                                         .map(name => caches.delete(name))))
            .then(() => self.clients.claim())));

// The files of this version from its cache, whatever the network does; a page address of the
// scope not in the list is the page itself. Anything else goes to the network.
self.addEventListener('fetch', function(event) {
  const request = event.request;
  if (request.method !== 'GET' || new URL(request.url).origin !== self.location.origin) return;
  event.respondWith(caches.open(kCache).then(
      cache => cache.match(request, { ignoreSearch: true })
                   .then(
                       hit => hit ||
                           (request.mode === 'navigate' ? fetch(request).catch(() => cache.match('./')) :
                                                          fetch(request)))));
});
