// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// A Web Worker for tests under Node.js: a browser's Worker (postMessage,
// terminate, 'message' and 'error' events) made of a worker_threads thread.
// In the thread, this same file gives the worker script the `self` and
// `postMessage` a browser gives it, then imports it.

import { isMainThread, parentPort, Worker as Thread, workerData } from 'node:worker_threads';

export class ThreadWorker extends EventTarget {
    // `ended` resolves when the thread has stopped, whatever stopped it.
    constructor(script) {
        super();
        this.script = String(script);
        this.posted = [];
        this.thread = new Thread(new URL(import.meta.url), { workerData: this.script });
        this.ended = new Promise((resolve) => this.thread.once('exit', resolve));
        this.thread.on('message',
                       (data) => this.dispatchEvent(new MessageEvent('message', { data })));
        this.thread.on('error', (e) => {
            const event = new Event('error');
            event.message = e.message;
            this.dispatchEvent(event);
        });
    }

    postMessage(data) {
        this.posted.push(data);
        this.thread.postMessage(data);
    }

    terminate() {
        this.thread.terminate();
    }
}

if (!isMainThread) {
    globalThis.self = globalThis;
    globalThis.postMessage = (data) => parentPort.postMessage(data);
    // Messages that come while the script loads wait for its handler.
    const early = [];
    parentPort.on('message', (data) => {
        if (self.onmessage)
            self.onmessage({ data });
        else
            early.push(data);
    });
    await import(workerData);
    for (const data of early.splice(0))
        self.onmessage({ data });
}
