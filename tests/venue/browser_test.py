#!/usr/bin/env python3
"""The phone page and the results board in headless Chromium against kmtx-venue.

browser_test.py KMTX_VENUE   (screenshots into $VENUE_SHOTS when it is set)
Exit 0 when all holds, 1 on a failure, 77 when Chromium, its driver or Selenium is missing.
"""

import os
import shutil
import sys
import tempfile
import time
import traceback
import uuid

sys.dont_write_bytecode = True  # no __pycache__ in the source tree
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from venueserver import Failure, Venue, added, card, check, meeting_copy, sums  # noqa: E402

SKIP = 77
SCRIPT_NAME = "<script>"  # the data file holds names of up to 14 bytes

try:
    from selenium import webdriver
    from selenium.common.exceptions import TimeoutException
    from selenium.webdriver.common.by import By
    from selenium.webdriver.common.keys import Keys
    from selenium.webdriver.support.ui import Select, WebDriverWait
except ImportError:
    # Debian's python3-selenium belongs to the system's Python; another python3 may come first.
    if os.path.realpath(sys.executable) != "/usr/bin/python3" and os.access("/usr/bin/python3", os.X_OK):
        os.execv("/usr/bin/python3", ["/usr/bin/python3"] + sys.argv)
    print("SKIP: python3-selenium is not installed")
    sys.exit(SKIP)


def browser():
    chromium = shutil.which("chromium") or shutil.which("chromium-browser")
    driver = shutil.which("chromedriver") or ("/usr/bin/chromedriver" if os.access("/usr/bin/chromedriver", os.X_OK) else None)
    if not chromium or not driver:
        print("SKIP: chromium or chromedriver is not installed")
        sys.exit(SKIP)
    options = webdriver.ChromeOptions()
    options.binary_location = chromium
    for argument in ("--headless=new", "--no-sandbox", "--disable-dev-shm-usage", "--disable-gpu", "--lang=ja"):
        options.add_argument(argument)
    from selenium.webdriver.chrome.service import Service

    return webdriver.Chrome(service=Service(driver), options=options)


def screen(driver, width, height, mobile):
    driver.execute_cdp_cmd(
        "Emulation.setDeviceMetricsOverride",
        {"width": width, "height": height, "deviceScaleFactor": 1, "mobile": mobile},
    )


def wait(driver, what, condition, seconds=10):
    try:
        return WebDriverWait(driver, seconds, 0.1).until(lambda d: condition(d))
    except TimeoutException:
        raise Failure("waited %d s in vain for %s" % (seconds, what))


def shot(driver, name, whole=False):
    """A picture of the screen, or of the whole phone page, into $VENUE_SHOTS."""
    folder = os.environ.get("VENUE_SHOTS")
    if folder:
        os.makedirs(folder, exist_ok=True)
        if whole:
            screen(driver, 360, driver.execute_script("return document.documentElement.scrollHeight"), True)
        driver.save_screenshot(os.path.join(folder, name))
        if whole:
            screen(driver, 360, 740, True)


def message(driver, element_id, kind):
    """The text of a message box of the page once it shows `kind` (ok or error)."""
    element = driver.find_element(By.ID, element_id)
    wait(driver, "a message of kind %s in #%s" % (kind, element_id), lambda d: kind in element.get_attribute("class").split())
    return element.text


def open_party(driver, venue, group, party, code):
    driver.get(venue.url)
    driver.execute_script("sessionStorage.clear()")
    driver.refresh()
    wait(driver, "the groups of the meeting", lambda d: len(Select(d.find_element(By.ID, "group")).options) > 0)
    labels = [o.text for o in Select(driver.find_element(By.ID, "group")).options]
    check(group in labels or any(label.startswith(group + "（") for label in labels), "group labels: %s" % labels)
    Select(driver.find_element(By.ID, "group")).select_by_value(group)
    Select(driver.find_element(By.ID, "party")).select_by_value(str(party))
    driver.find_element(By.ID, "code").send_keys(code)
    driver.find_element(By.ID, "open").click()


def type_card(driver, figures):
    for slot, values in figures.items():
        for field, value in zip(("one", "two", "total"), values):
            box = driver.find_element(By.ID, "f-%d-%s" % (slot, field))
            box.clear()
            box.send_keys(str(value))


def phone(driver, venue, meeting):
    group, party = "A", 3
    code = venue.codes[(group, party)]
    before = venue.party(group, party)
    open_party(driver, venue, group, party, code)
    wait(driver, "the party's card", lambda d: d.find_element(By.ID, "card").is_displayed())
    names = [e.text for e in driver.find_elements(By.CSS_SELECTOR, "#players .name")]
    check(names == ["%d. %s" % (p["slot"], p["name"]) for p in before["players"]], "names on the page: %s" % names)
    width = driver.execute_script("return [document.documentElement.scrollWidth, window.innerWidth]")
    check(width[0] <= width[1] == 360, "the page scrolls sideways at 360 px: %s" % width)

    figures = {p["slot"]: (p["slot"] % 3, (p["slot"] + 1) % 4, 30 + p["slot"]) for p in before["players"]}
    type_card(driver, figures)
    driver.execute_script("window.scrollTo(0, 0)")
    shot(driver, "phone-card.png")
    driver.find_element(By.ID, "send").click()
    text = message(driver, "card-message", "ok")
    check("ラウンド1" in text, "the success message: %r" % text)
    shot(driver, "phone-recorded.png", whole=True)
    body = card(before, 1, lambda slot: figures[slot], code, "")
    expected = added(sums(before), body)
    check(sums(venue.party(group, party)) == expected, "the party after the card: %s" % venue.party(group, party))

    # Saved: the entries are there after a restart over the same file, the codes unchanged.
    codes = venue.codes
    venue.stop()
    venue = Venue(venue.program, meeting)
    check(venue.codes == codes, "the codes changed over a restart")
    check(sums(venue.party(group, party)) == expected, "the entries did not survive a restart")

    # A wrong code: the server's reason on the page.
    wrong = "%04d" % ((int(code) + 1) % 10000)
    status, answer = venue.request("GET", "/api/party/%s/%d?code=%s" % (group, party, wrong))
    check(status == 403, "a wrong code: %s %s" % (status, answer))
    open_party(driver, venue, group, party, wrong)
    text = message(driver, "status", "error")
    check(text == answer["error"], "the page says %r for a wrong code, the server %r" % (text, answer["error"]))

    # A refused row: its reason beside the row, nothing recorded.
    driver.find_element(By.ID, "code").clear()
    driver.find_element(By.ID, "code").send_keys(code)
    driver.find_element(By.ID, "open").click()
    wait(driver, "the party's card", lambda d: d.find_element(By.ID, "card").is_displayed())
    refused = before["players"][-1]["slot"]
    figures[refused] = (0, 0, 999)
    type_card(driver, figures)
    driver.find_element(By.ID, "send").click()
    message(driver, "card-message", "error")
    status, answer = venue.request("POST", "/api/party/%s/%d/card" % (group, party), card(venue.party(group, party), 2, lambda s: figures[s], code, uuid.uuid4().hex))
    check(status == 400 and answer["slot"] == refused, "a card with 999 strokes: %s %s" % (status, answer))
    row = driver.find_element(By.CSS_SELECTOR, ".player.refused")
    check(row.get_attribute("data-slot") == str(refused), "the marked row: %s" % row.get_attribute("data-slot"))
    check(row.find_element(By.CSS_SELECTOR, ".rowmsg").text == answer["error"], "the row's reason")
    shot(driver, "phone-refused.png")
    check(sums(venue.party(group, party)) == expected, "a refused card changed the party")
    return venue


def script_name(driver, venue):
    """A member named <script> shows as text on the phone page."""
    status, results = venue.request("GET", "/api/results")
    row = next(r for r in results["rows"] if r["name"] == SCRIPT_NAME)
    open_party(driver, venue, row["group"], row["party"], venue.codes[(row["group"], row["party"])])
    wait(driver, "the party's card", lambda d: d.find_element(By.ID, "card").is_displayed())
    names = [e.text for e in driver.find_elements(By.CSS_SELECTOR, "#players .name")]
    check(any(name.endswith(". " + SCRIPT_NAME) for name in names), "the name as text: %s" % names)
    check(not driver.find_elements(By.CSS_SELECTOR, "#players script"), "a name became markup")


def board(driver, venue):
    screen(driver, 1920, 1080, False)
    driver.get(venue.url + "board")
    status, results = venue.request("GET", "/api/results")
    first = lambda d: d.execute_script("return Array.from(document.querySelectorAll('#rows tr:first-child td'), c => c.textContent)")
    wait(driver, "the board's first row", lambda d: len(first(d)) == 7)
    cells = first(driver)
    top = results["rows"][0]
    check(cells[:4] == [str(top["rank"]), top["name"], top["team"], "%s-%d" % (top["group"], top["party"])], "the board's first row: %s, the results' %s" % (cells, top))
    rows = len(driver.find_elements(By.CSS_SELECTOR, "#rows tr"))
    fits = driver.execute_script("return document.documentElement.scrollHeight <= window.innerHeight")
    check(rows >= 12 and fits, "%d rows a page, fits the screen: %s" % (rows, fits))
    check(driver.find_element(By.ID, "page").text.startswith("1/"), "the page indicator")
    shot(driver, "board.png")

    # Held on the first page (space), a card that puts the leader back must show within 5 s.
    driver.find_element(By.TAG_NAME, "body").send_keys(Keys.SPACE)
    group, party = top["group"], top["party"]
    current = venue.party(group, party)
    body = card(current, 9, lambda slot: (0, 0, 80), venue.codes[(group, party)], uuid.uuid4().hex)
    status, answer = venue.request("POST", "/api/party/%s/%d/card" % (group, party), body)
    check(status == 200, "a card for the leading party: %s %s" % (status, answer))
    sent = time.monotonic()
    status, results = venue.request("GET", "/api/results")
    now = results["rows"][0]
    check(now["name"] != top["name"], "the card did not change the leader")
    wait(driver, "the new leader on the board", lambda d: first(d)[1:2] == [now["name"]], 5)
    check(time.monotonic() - sent <= 5, "the board took more than 5 s")
    shot(driver, "board-updated.png")


def main():
    if len(sys.argv) != 2:
        print(__doc__)
        return 2
    folder = tempfile.mkdtemp(prefix="kmtx-venue-browser-")
    meeting = meeting_copy(folder)
    with open(meeting, "rb") as f:
        text = f.read()
    with open(meeting, "wb") as f:
        f.write(text.replace("山田太郎".encode("cp932"), SCRIPT_NAME.encode("cp932")))
    driver = None
    try:
        venue = Venue(sys.argv[1], meeting)
        driver = browser()
        screen(driver, 360, 740, True)
        venue = phone(driver, venue, meeting)
        script_name(driver, venue)
        board(driver, venue)
        venue.stop()
        print("OK: phone page, saved entries, refusals and board at %s" % venue.url)
        return 0
    except Failure as failure:
        print("FAIL: %s" % failure)
        return 1
    except Exception as error:  # the browser's own errors, as a failure with their reason
        traceback.print_exc()
        print("FAIL: %s: %s" % (type(error).__name__, str(error).splitlines()[0] if str(error) else ""))
        return 1
    finally:
        if driver:
            driver.quit()
        for running in Venue.running:
            running.kill()
        shutil.rmtree(folder, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
