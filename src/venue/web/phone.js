// The party leader's page: choose the party, type its code, type the card of one round and
// send it. Every text that comes from the meeting or the server is put into the page as
// text (textContent), never as markup.
"use strict";

(function () {
    const STORE = "kmtx-venue-phone";
    const FIELDS = [
        { key: "one", label: ["ホールイン", "ワン"], max: 2 },
        { key: "two", label: ["２打"], max: 2 },
        { key: "total", label: ["打数"], max: 3 },
    ];
    const ROUNDS = 9;
    const TIMEOUT_MS = 15000;
    const NETWORK_TEXT = "サーバーにつながりませんでした。電波の届く所で、もう一度お試し下さい。";

    const $ = (id) => document.getElementById(id);
    const ui = {
        tournament: $("tournament"),
        course: $("course"),
        choose: $("choose"),
        group: $("group"),
        party: $("party"),
        code: $("code"),
        open: $("open"),
        status: $("status"),
        card: $("card"),
        title: $("party-title"),
        round: $("round"),
        roundsSent: $("rounds-sent"),
        players: $("players"),
        message: $("card-message"),
        send: $("send"),
        result: $("result"),
        change: $("change"),
    };

    let meeting = null; // GET /api/meeting
    let party = null; // GET /api/party/…: the open party
    let opened = null; // { group, party, code } of the open party
    let busy = false;

    // ---- Remembered in the tab's session: the choice, the code, the typed figures and the
    // id of the last card sent (a retry of the same card reuses it).
    function stored() {
        try {
            return JSON.parse(sessionStorage.getItem(STORE)) || {};
        } catch (e) {
            return {};
        }
    }
    function store(patch) {
        const value = Object.assign(stored(), patch);
        try {
            sessionStorage.setItem(STORE, JSON.stringify(value));
        } catch (e) {
            // private mode or full storage: the page works without remembering
        }
    }

    function say(element, kind, text) {
        element.className = "message" + (kind ? " " + kind : "");
        element.textContent = text;
    }

    function el(tag, className, text) {
        const element = document.createElement(tag);
        if (className) element.className = className;
        if (text !== undefined) element.textContent = text;
        return element;
    }

    // Full-width digits (as some phones' Japanese keyboards type them) become ASCII digits.
    function halfWidth(text) {
        return String(text)
            .replace(/[０-９]/g, (c) => String.fromCharCode(c.charCodeAt(0) - 0xfee0))
            .trim();
    }

    function groupLabel(group) {
        const info = meeting && meeting.groups.find((g) => g.group === group);
        // The window names groups "A" to "D" until the organiser renames them.
        return info && info.name && info.name !== group ? group + "（" + info.name + "）" : group;
    }

    function newId() {
        const bytes = new Uint8Array(16);
        if (window.crypto && window.crypto.getRandomValues) {
            window.crypto.getRandomValues(bytes);
        } else {
            for (let i = 0; i < bytes.length; ++i) bytes[i] = Math.floor(Math.random() * 256);
        }
        return Array.from(bytes, (b) => b.toString(16).padStart(2, "0")).join("");
    }

    // One request; resolves to { status, data } (data null when the body is not JSON) and
    // rejects when the server cannot be reached or does not answer in time.
    async function request(method, url, body) {
        const options = { method: method, cache: "no-store", headers: {} };
        if (body !== undefined) {
            options.headers["Content-Type"] = "application/json";
            options.body = JSON.stringify(body);
        }
        let timer = null;
        if (window.AbortController) {
            const controller = new AbortController();
            options.signal = controller.signal;
            timer = setTimeout(() => controller.abort(), TIMEOUT_MS);
        }
        try {
            const response = await fetch(url, options);
            let data = null;
            try {
                data = await response.json();
            } catch (e) {
                data = null;
            }
            return { status: response.status, data: data };
        } finally {
            if (timer) clearTimeout(timer);
        }
    }

    function errorText(result) {
        if (result.data && typeof result.data.error === "string" && result.data.error !== "") {
            return result.data.error;
        }
        return "サーバーから思わぬ応答がありました（" + result.status + "）。";
    }

    function partyUrl(choice) {
        return "/api/party/" + encodeURIComponent(choice.group) + "/" + encodeURIComponent(choice.party);
    }

    // ---- Choosing the party

    async function loadMeeting() {
        say(ui.status, "info", "読み込み中…");
        let result;
        try {
            result = await request("GET", "/api/meeting");
        } catch (e) {
            say(ui.status, "error", NETWORK_TEXT + "\nページを再読み込みして下さい。");
            return;
        }
        if (result.status !== 200 || !result.data || !Array.isArray(result.data.groups)) {
            say(ui.status, "error", errorText(result));
            return;
        }
        meeting = result.data;
        say(ui.status, "", "");
        if (meeting.tournament) {
            ui.tournament.textContent = meeting.tournament;
            document.title = meeting.tournament + " スコア入力";
        }
        ui.course.textContent = meeting.course ? meeting.course + "　スコア入力" : "スコア入力";

        ui.group.replaceChildren();
        for (const g of meeting.groups) {
            if (!(g.parties > 0)) continue;
            const option = el("option", "", groupLabel(g.group));
            option.value = g.group;
            ui.group.appendChild(option);
        }
        if (ui.group.options.length === 0) {
            say(ui.status, "error", "まだ組み合わせができていません。係の人に聞いて下さい。");
            ui.open.disabled = true;
            return;
        }
        const saved = stored();
        // The score sheet's QR code opens the page with its party chosen (?g=A&p=3); the
        // code is typed from the sheet.
        const asked = new URLSearchParams(window.location.search);
        if (asked.get("g") && asked.get("p")) {
            if (asked.get("g") !== saved.group || Number(asked.get("p")) !== saved.party) {
                saved.code = "";
                saved.open = false;
            }
            saved.group = asked.get("g");
            saved.party = Number(asked.get("p"));
        }
        if (saved.group && meeting.groups.some((g) => g.group === saved.group && g.parties > 0)) {
            ui.group.value = saved.group;
        }
        fillParties();
        if (saved.party && Number(saved.party) <= ui.party.options.length) ui.party.value = String(saved.party);
        if (saved.code) ui.code.value = saved.code;
        if (saved.open && saved.code) openParty();
    }

    function fillParties() {
        const info = meeting.groups.find((g) => g.group === ui.group.value);
        const previous = ui.party.value;
        ui.party.replaceChildren();
        for (let p = 1; info && p <= info.parties; ++p) {
            const option = el("option", "", p + "組");
            option.value = String(p);
            ui.party.appendChild(option);
        }
        if (previous && Number(previous) <= ui.party.options.length) ui.party.value = previous;
    }

    async function openParty() {
        if (busy || !meeting) return;
        const code = halfWidth(ui.code.value);
        if (!/^[0-9]{4}$/.test(code)) {
            say(ui.status, "error", "４けたの番号を数字で入力して下さい。");
            ui.code.focus();
            return;
        }
        ui.code.value = code;
        const choice = { group: ui.group.value, party: Number(ui.party.value), code: code };
        store({ group: choice.group, party: choice.party, code: code });
        busy = true;
        ui.open.disabled = true;
        say(ui.status, "info", "読み込み中…");
        try {
            const loaded = await fetchParty(choice);
            if (loaded.error) {
                say(ui.status, "error", loaded.error);
                store({ open: false });
                if (loaded.status === 403 || loaded.status === 429) ui.code.focus();
                return;
            }
            say(ui.status, "", "");
            opened = choice;
            party = loaded.party;
            store({ open: true });
            ui.choose.hidden = true;
            ui.card.hidden = false;
            ui.result.hidden = true;
            say(ui.message, "", "");
            renderCard();
            window.scrollTo(0, 0);
        } finally {
            busy = false;
            ui.open.disabled = false;
        }
    }

    // The party as the server has it now: { party } or { error, status }.
    async function fetchParty(choice) {
        let result;
        try {
            result = await request("GET", partyUrl(choice) + "?code=" + encodeURIComponent(choice.code));
        } catch (e) {
            return { error: NETWORK_TEXT, status: 0 };
        }
        if (result.status !== 200 || !result.data || !Array.isArray(result.data.players)) {
            return { error: errorText(result), status: result.status };
        }
        return { party: result.data };
    }

    function chooseAnother() {
        opened = null;
        party = null;
        store({ open: false });
        ui.card.hidden = true;
        ui.choose.hidden = false;
        ui.code.value = "";
        say(ui.status, "", "");
        ui.code.focus();
    }

    // ---- The card

    function draftKey() {
        return opened.group + "-" + opened.party;
    }

    function saveDraft() {
        if (!opened || !party) return;
        const rows = {};
        for (const p of party.players) {
            const row = { name: p.name };
            for (const f of FIELDS) row[f.key] = fieldInput(p.slot, f.key).value;
            rows[p.slot] = row;
        }
        const drafts = stored().drafts || {};
        drafts[draftKey()] = { round: ui.round.value, rows: rows };
        store({ drafts: drafts });
    }

    function fieldInput(slot, key) {
        return $("f-" + slot + "-" + key);
    }

    function playerBox(slot) {
        return ui.players.querySelector('.player[data-slot="' + Number(slot) + '"]');
    }

    function firstUnsentRound() {
        const sent = party.rounds || [];
        for (let r = 1; r <= ROUNDS; ++r) {
            if (!sent.includes(r)) return r;
        }
        return ROUNDS;
    }

    function renderCard() {
        ui.title.textContent = groupLabel(party.group) + "　" + party.party + "組";
        const draft = (stored().drafts || {})[draftKey()] || null;

        ui.round.replaceChildren();
        for (let r = 1; r <= ROUNDS; ++r) {
            const option = el("option", "", "ラウンド " + r);
            option.value = String(r);
            ui.round.appendChild(option);
        }
        ui.round.value = draft && draft.round ? String(draft.round) : String(firstUnsentRound());
        showRoundsSent();

        ui.players.replaceChildren();
        for (const p of party.players) {
            const box = el("div", "player");
            box.dataset.slot = String(p.slot);
            const head = el("div");
            head.appendChild(el("span", "name", p.slot + ". " + p.name));
            if (p.team) {
                head.appendChild(document.createTextNode("　"));
                head.appendChild(el("span", "team nobreak", p.team));
            }
            box.appendChild(head);
            box.appendChild(el("div", "sofar", soFarText(p)));

            const figures = el("div", "figures");
            const saved = draft && draft.rows && draft.rows[p.slot];
            const keep = saved && saved.name === p.name;
            for (const f of FIELDS) {
                const cell = el("div");
                const label = el("label");
                label.htmlFor = "f-" + p.slot + "-" + f.key;
                for (const part of f.label) label.appendChild(el("span", "nobreak", part));
                const input = el("input");
                input.id = label.htmlFor;
                input.type = "text";
                input.inputMode = "numeric";
                input.setAttribute("pattern", "[0-9]*");
                input.setAttribute("enterkeyhint", "next");
                input.autocomplete = "off";
                input.maxLength = f.max;
                input.dataset.field = f.key;
                if (keep && typeof saved[f.key] === "string") input.value = saved[f.key];
                cell.appendChild(label);
                cell.appendChild(input);
                figures.appendChild(cell);
            }
            box.appendChild(figures);
            box.appendChild(el("p", "rowmsg"));
            ui.players.appendChild(box);
        }
    }

    function soFarText(p) {
        if (!(p.entries > 0)) return "これまで：入力なし";
        return (
            "これまで " + p.entries + "回：ホールインワン " + p.one + "・２打 " + p.two + "・打数 " + p.total
        );
    }

    function showRoundsSent() {
        const sent = (party.rounds || []).slice().sort((a, b) => a - b);
        ui.roundsSent.textContent =
            sent.length > 0
                ? "送信済みのラウンド：" + sent.join("、")
                : "この組のカードはまだ送信されていません。";
    }

    function warnRound() {
        const round = Number(ui.round.value);
        if ((party.rounds || []).includes(round)) {
            say(
                ui.message,
                "info",
                "ラウンド" + round + "は送信済みです。送信すると、前に送ったラウンド" + round + "のカードを置き換えます。"
            );
        } else if (ui.message.classList.contains("info")) {
            say(ui.message, "", "");
        }
    }

    function clearMarks() {
        for (const box of ui.players.querySelectorAll(".player")) {
            box.classList.remove("refused");
            box.querySelector(".rowmsg").textContent = "";
        }
        for (const input of ui.players.querySelectorAll("input.empty")) input.classList.remove("empty");
    }

    // The figures typed, or null after marking what is missing or not a number.
    function readCard() {
        const players = [];
        const missing = [];
        const wrong = [];
        let first = null;
        for (const p of party.players) {
            const row = { slot: p.slot };
            const empty = [];
            for (const f of FIELDS) {
                const input = fieldInput(p.slot, f.key);
                const text = halfWidth(input.value);
                input.value = text;
                const label = f.label.join("");
                if (text === "") {
                    empty.push(label);
                } else if (!/^[0-9]+$/.test(text)) {
                    wrong.push(p.name + "の" + label);
                } else {
                    row[f.key] = Number(text);
                    continue;
                }
                input.classList.add("empty");
                if (!first) first = input;
            }
            if (empty.length > 0) missing.push(p.name + "（" + empty.join("・") + "）");
            players.push(row);
        }
        if (!first) return players;
        const lines = [];
        if (missing.length > 0) {
            lines.push("入力されていない欄があります。全員の３つの欄を入力して下さい（無い時は 0）。");
            lines.push("未入力：" + missing.join("、"));
        }
        if (wrong.length > 0) lines.push("数字で入力して下さい：" + wrong.join("、"));
        say(ui.message, "error", lines.join("\n"));
        first.focus();
        first.scrollIntoView({ block: "center" });
        return null;
    }

    async function sendCard() {
        if (busy || !party) return;
        clearMarks();
        ui.result.hidden = true;
        const players = readCard();
        if (!players) return;
        const round = Number(ui.round.value);

        // The same card (same party, round and figures) keeps its id, so a retry after a
        // lost answer is recognised by the server and counted once.
        const key = JSON.stringify([opened.group, opened.party, round, players]);
        let pending = stored().pending;
        if (!pending || pending.key !== key) {
            pending = { key: key, id: newId() };
            store({ pending: pending });
        }
        const card = { code: opened.code, id: pending.id, round: round, players: players };
        if (party.version !== undefined) card.version = party.version;

        busy = true;
        ui.send.disabled = true;
        say(ui.message, "info", "送信中…");
        try {
            let result;
            try {
                result = await request("POST", partyUrl(opened) + "/card", card);
            } catch (e) {
                say(
                    ui.message,
                    "error",
                    "送信できませんでした（通信が途切れました）。\n" +
                        "電波の届く所で、もう一度「送信」を押して下さい。同じカードが二重に記録されることはありません。"
                );
                return;
            }
            await handleAnswer(result, round, players);
        } finally {
            busy = false;
            ui.send.disabled = false;
        }
    }

    async function handleAnswer(result, round, players) {
        if (result.status === 200 && result.data) {
            const answer = result.data;
            const sentBy = {};
            for (const row of players) sentBy[row.slot] = row;
            const reloaded = await fetchParty(opened);
            let headline;
            if (answer.duplicate) headline = "このカードは記録済みです（二重には記録されません）。";
            else if (answer.replaced) headline = "ラウンド" + round + "のカードを訂正しました。";
            else headline = "ラウンド" + round + "のカードを記録しました。";
            const before = party;
            if (reloaded.party) {
                party = reloaded.party;
                const drafts = stored().drafts || {};
                delete drafts[draftKey()];
                store({ drafts: drafts });
                renderCard();
            } else {
                headline += "\n（最新の合計を読み込めませんでした：" + reloaded.error + "）";
            }
            say(ui.message, "ok", headline);
            showRecorded(sentBy, reloaded.party || before, !!reloaded.party);
            ui.message.scrollIntoView({ block: "start" });
            return;
        }
        const text = errorText(result);
        if (result.status === 400) {
            const box = result.data && result.data.slot !== undefined ? playerBox(result.data.slot) : null;
            say(ui.message, "error", text + "\nこのカードは記録されていません。直してから、もう一度送信して下さい。");
            if (box) {
                box.classList.add("refused");
                box.querySelector(".rowmsg").textContent = text;
                box.scrollIntoView({ block: "center" });
                box.querySelector("input").focus();
            }
            return;
        }
        if (result.status === 409) {
            saveDraft();
            const reloaded = await fetchParty(opened);
            if (reloaded.party) {
                party = reloaded.party;
                renderCard();
                say(
                    ui.message,
                    "error",
                    text + "\n組の内容を読み込み直しました。確かめてから、もう一度送信して下さい。"
                );
            } else {
                say(ui.message, "error", text + "\n" + reloaded.error);
            }
            ui.message.scrollIntoView({ block: "center" });
            return;
        }
        say(ui.message, "error", text);
        ui.message.scrollIntoView({ block: "center" });
    }

    // Per player: the figures of the card and the sums the meeting now holds.
    function showRecorded(sentBy, now, fresh) {
        const table = el("table", "recorded");
        const head = el("tr");
        head.appendChild(el("th", "", ""));
        for (const f of FIELDS) {
            const th = el("th");
            for (const part of f.label) th.appendChild(el("span", "nobreak", part));
            head.appendChild(th);
        }
        table.appendChild(head);
        for (const p of now.players) {
            const sent = sentBy[p.slot];
            const nameRow = el("tr");
            const who = el("td", "who", p.slot + ". " + p.name + (fresh ? "（" + p.entries + "回）" : ""));
            who.colSpan = 4;
            nameRow.appendChild(who);
            table.appendChild(nameRow);
            if (sent) {
                const row = el("tr");
                row.appendChild(el("td", "", "送信"));
                for (const f of FIELDS) row.appendChild(el("td", "", String(sent[f.key])));
                table.appendChild(row);
            }
            if (fresh) {
                const sums = el("tr");
                sums.appendChild(el("td", "", "累計"));
                for (const f of FIELDS) sums.appendChild(el("td", "", String(p[f.key])));
                table.appendChild(sums);
            }
        }
        ui.result.replaceChildren(table);
        ui.result.hidden = false;
    }

    // ---- Wiring

    ui.group.addEventListener("change", () => {
        fillParties();
        store({ group: ui.group.value, party: Number(ui.party.value) });
    });
    ui.party.addEventListener("change", () => store({ party: Number(ui.party.value) }));
    ui.code.addEventListener("keydown", (event) => {
        if (event.key === "Enter") openParty();
    });
    ui.open.addEventListener("click", openParty);
    ui.change.addEventListener("click", chooseAnother);
    ui.send.addEventListener("click", sendCard);
    ui.round.addEventListener("change", () => {
        saveDraft();
        warnRound();
    });
    ui.players.addEventListener("input", (event) => {
        event.target.classList.remove("empty");
        saveDraft();
    });
    ui.players.addEventListener("keydown", (event) => {
        if (event.key !== "Enter" || event.target.tagName !== "INPUT") return;
        event.preventDefault();
        const inputs = Array.from(ui.players.querySelectorAll("input"));
        const next = inputs[inputs.indexOf(event.target) + 1];
        if (next) next.focus();
        else ui.send.focus();
    });

    loadMeeting();
})();
