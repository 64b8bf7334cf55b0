// The results board for a projector: the ranking as the server gives it, as many rows a page
// as the screen holds, the pages turning by themselves. Polls the results every 2 seconds.
// Every text from the meeting is put into the page as text (textContent), never as markup.
"use strict";

(function () {
    const POLL_MS = 2000;
    const PAGE_MS = 8000;
    const TIMEOUT_MS = 5000;

    const $ = (id) => document.getElementById(id);
    const ui = {
        tournament: $("tournament"),
        page: $("page"),
        main: document.querySelector("main"),
        table: $("results"),
        rows: $("rows"),
        empty: $("empty"),
        updated: $("updated"),
        paused: $("paused"),
    };

    let rows = [];
    let lastText = null; // the last answer, to redraw only on a change
    let lastSuccess = null;
    let page = 0;
    let perPage = 1;
    let paused = false;
    let pageTimer = null;

    function two(n) {
        return String(n).padStart(2, "0");
    }

    function clock(date) {
        return two(date.getHours()) + ":" + two(date.getMinutes()) + ":" + two(date.getSeconds());
    }

    function cell(text, className) {
        const td = document.createElement("td");
        if (className) td.className = className;
        td.textContent = text;
        return td;
    }

    // How many rows fit under the heading row in the space the page leaves the table.
    function measure() {
        const head = ui.table.tHead.getBoundingClientRect().height;
        let rowHeight = 53;
        const sample = ui.rows.rows[0];
        if (sample) rowHeight = sample.getBoundingClientRect().height || rowHeight;
        perPage = Math.max(1, Math.floor((ui.main.clientHeight - head) / rowHeight));
    }

    function pageCount() {
        return Math.max(1, Math.ceil(rows.length / perPage));
    }

    function render() {
        const pages = pageCount();
        if (page >= pages) page = 0;
        const body = document.createDocumentFragment();
        for (const row of rows.slice(page * perPage, (page + 1) * perPage)) {
            const ranked = typeof row.rank === "number";
            const tr = document.createElement("tr");
            if (!ranked) tr.className = "unentered";
            tr.appendChild(cell(String(row.rank), "num"));
            tr.appendChild(cell(row.name || ""));
            tr.appendChild(cell(row.team || ""));
            tr.appendChild(cell(String(row.group) + "-" + String(row.party), "party"));
            tr.appendChild(cell(ranked ? String(row.one) : "", "num"));
            tr.appendChild(cell(ranked ? String(row.two) : "", "num"));
            tr.appendChild(cell(ranked ? String(row.total) : "", "num"));
            body.appendChild(tr);
        }
        ui.rows.replaceChildren(body);
        ui.empty.hidden = rows.length > 0;
        ui.page.textContent = page + 1 + "/" + pages;
    }

    function relayout() {
        const first = page * perPage;
        measure();
        page = Math.floor(first / perPage);
        render();
    }

    function turn(step) {
        const pages = pageCount();
        page = (page + step + pages) % pages;
        render();
        restartPaging();
    }

    function restartPaging() {
        if (pageTimer) clearInterval(pageTimer);
        pageTimer = paused ? null : setInterval(() => turn(1), PAGE_MS);
    }

    async function poll() {
        let controller = null;
        let timer = null;
        try {
            const options = { cache: "no-store" };
            if (window.AbortController) {
                controller = new AbortController();
                options.signal = controller.signal;
                timer = setTimeout(() => controller.abort(), TIMEOUT_MS);
            }
            const response = await fetch("/api/results", options);
            const text = await response.text();
            if (!response.ok) throw new Error(String(response.status));
            if (text !== lastText) {
                const data = JSON.parse(text);
                lastText = text;
                rows = Array.isArray(data.rows) ? data.rows : [];
                const name = typeof data.tournament === "string" ? data.tournament : "";
                ui.tournament.textContent = name;
                document.title = (name ? name + " " : "") + "成績表";
                const first = !ui.rows.rows.length;
                render();
                if (first) relayout();
            }
            lastSuccess = new Date();
            ui.updated.className = "";
            ui.updated.textContent = "最終更新 " + clock(lastSuccess);
        } catch (e) {
            ui.updated.className = "stale";
            ui.updated.textContent =
                (lastSuccess ? "最終更新 " + clock(lastSuccess) : "まだ読み込めていません") +
                "（サーバーにつながりません）";
        } finally {
            if (timer) clearTimeout(timer);
            setTimeout(poll, POLL_MS);
        }
    }

    // The organiser at the projector: space holds or resumes the pages, the arrow and page
    // keys turn them by hand.
    document.addEventListener("keydown", (event) => {
        if (event.key === " " || event.key === "Spacebar") {
            paused = !paused;
            ui.paused.hidden = !paused;
            restartPaging();
        } else if (event.key === "ArrowRight" || event.key === "PageDown") {
            turn(1);
        } else if (event.key === "ArrowLeft" || event.key === "PageUp") {
            turn(-1);
        } else {
            return;
        }
        event.preventDefault();
    });
    window.addEventListener("resize", relayout);

    measure();
    render();
    restartPaging();
    poll();
})();
