#!/usr/bin/env python3
"""browser_test.py KMTX_VENUE: the phone page and the results board in headless Chromium.

Pictures into $VENUE_SHOTS when set. Exits 77 when Chromium, its driver or Selenium is missing."""

import base64
import os
import shutil
import sys
import tempfile
import time
import traceback
import uuid

sys.dont_write_bytecode = True
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from venueserver import MEETING, Failure, Venue, added, card, check, sums  # noqa: E402

try:
    from selenium import webdriver
    from selenium.webdriver.chrome.service import Service
    from selenium.webdriver.common.by import By
    from selenium.webdriver.common.keys import Keys
    from selenium.webdriver.support.ui import Select, WebDriverWait
except ImportError:
    # Debian's python3-selenium belongs to the system's Python; another python3 may come first.
    if os.path.realpath(sys.executable) != "/usr/bin/python3" and os.access("/usr/bin/python3", os.X_OK):
        os.execv("/usr/bin/python3", ["/usr/bin/python3"] + sys.argv)
    print("SKIP: python3-selenium is not installed")
    sys.exit(77)

# Slot 1 of party A-3 in the copy; the data file holds names of up to 14 bytes.
SCRIPT_NAME, REPLACED = "<script>", "渡辺花子"
ROWS = "return Array.from(document.querySelectorAll('#rows tr:first-child td'), c => c.textContent)"


def screen(driver, width, height, mobile=True):
    driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride",
                           {"width": width, "height": height, "deviceScaleFactor": 1, "mobile": mobile})


def wait(driver, what, condition, seconds=10):
    return WebDriverWait(driver, seconds, 0.1).until(condition, "waited %d s in vain for %s" % (seconds, what))


def shot(driver, name):
    if os.environ.get("VENUE_SHOTS"):
        os.makedirs(os.environ["VENUE_SHOTS"], exist_ok=True)
        png = driver.execute_cdp_cmd("Page.captureScreenshot", {"captureBeyondViewport": True})["data"]
        with open(os.path.join(os.environ["VENUE_SHOTS"], name), "wb") as f:
            f.write(base64.b64decode(png))


def message(driver, element_id, kind):
    wait(driver, "a message (%s) in #%s" % (kind, element_id),
         lambda d: kind in d.find_element(By.ID, element_id).get_attribute("class").split())
    return driver.find_element(By.ID, element_id).text


def open_party(driver, venue, group, party, code):
    driver.get(venue.url)
    driver.execute_script("sessionStorage.clear()")
    driver.refresh()
    wait(driver, "the groups", lambda d: Select(d.find_element(By.ID, "group")).options)
    Select(driver.find_element(By.ID, "group")).select_by_value(group)
    Select(driver.find_element(By.ID, "party")).select_by_value(str(party))
    driver.find_element(By.ID, "code").send_keys(code)
    driver.find_element(By.ID, "open").click()


def type_card(driver, figures):
    wait(driver, "the party's card", lambda d: d.find_element(By.ID, "card").is_displayed())
    for slot, values in figures.items():
        for field, value in zip(("one", "two", "total"), values):
            driver.find_element(By.ID, "f-%d-%s" % (slot, field)).clear()
            driver.find_element(By.ID, "f-%d-%s" % (slot, field)).send_keys(str(value))
    driver.find_element(By.ID, "send").click()


def phone(driver, venue, meeting):
    group, party, code = "A", 3, venue.codes[("A", 3)]
    before = venue.party(group, party)
    check(before["players"][0]["name"] == SCRIPT_NAME, "the copy's slot 1: %s" % before["players"][0])
    figures = {p["slot"]: (p["slot"] % 3, (p["slot"] + 1) % 4, 30 + p["slot"]) for p in before["players"]}
    open_party(driver, venue, group, party, code)
    wait(driver, "the party's card", lambda d: d.find_element(By.ID, "card").is_displayed())
    names = [e.text for e in driver.find_elements(By.CSS_SELECTOR, "#players .name")]
    check(names == ["%d. %s" % (p["slot"], p["name"]) for p in before["players"]], "names shown: %s" % names)
    check(not driver.find_elements(By.CSS_SELECTOR, "#players script"), "a name became markup")
    widths = driver.execute_script("return [document.documentElement.scrollWidth, window.innerWidth]")
    check(widths[0] <= widths[1] == 360, "the page scrolls sideways at 360 px: %s" % widths)
    type_card(driver, figures)
    check("ラウンド1" in message(driver, "card-message", "ok"), "no success shown")
    shot(driver, "phone-recorded.png")
    expected = added(before, card(before, 1, lambda s: figures[s], code, ""))
    check(sums(venue.party(group, party)) == expected, "the party after the card: %s" % venue.party(group, party))

    venue.stop()  # saved: the entries and the codes are there after a restart over the same file
    venue, codes = Venue(venue.program, meeting), venue.codes
    check(venue.codes == codes and sums(venue.party(group, party)) == expected, "lost over a restart")

    wrong = "%04d" % ((int(code) + 1) % 10000)
    status, answer = venue.request("GET", "/api/party/%s/%d?code=%s" % (group, party, wrong))
    open_party(driver, venue, group, party, wrong)
    text = message(driver, "status", "error")
    check(status == 403 and text == answer["error"], "a wrong code: the page %r, the server %s %s" % (text, status, answer))

    driver.find_element(By.ID, "code").clear()
    driver.find_element(By.ID, "code").send_keys(code)
    driver.find_element(By.ID, "open").click()
    refused = before["players"][-1]["slot"]
    figures[refused] = (0, 0, 999)
    type_card(driver, figures)
    message(driver, "card-message", "error")
    status, answer = venue.post(card(venue.party(group, party), 2, lambda s: figures[s], code, uuid.uuid4().hex), group, party)
    check(status == 400 and answer["slot"] == refused, "a card with 999 strokes: %s %s" % (status, answer))
    row = driver.find_element(By.CSS_SELECTOR, ".player.refused")
    check(row.get_attribute("data-slot") == str(refused) and row.find_element(By.CSS_SELECTOR, ".rowmsg").text
          == answer["error"], "the refused row is not marked with the server's reason")
    shot(driver, "phone-refused.png")
    check(sums(venue.party(group, party)) == expected, "a refused card changed the party")
    return venue


def board(driver, venue):
    screen(driver, 1920, 1080, False)
    driver.get(venue.url + "board")
    top = venue.request("GET", "/api/results")[1]["rows"][0]
    wait(driver, "the board's first row", lambda d: len(d.execute_script(ROWS)) == 7)
    cells = driver.execute_script(ROWS)
    check(cells[:4] == [str(top["rank"]), top["name"], top["team"], "%s-%d" % (top["group"], top["party"])],
          "the board's first row: %s, the results' %s" % (cells, top))
    rows = len(driver.find_elements(By.CSS_SELECTOR, "#rows tr"))
    fits = driver.execute_script("return document.documentElement.scrollHeight <= window.innerHeight")
    page = driver.find_element(By.ID, "page").text
    check(rows >= 12 and fits and page.startswith("1/"), "%d rows, fits: %s, page %s" % (rows, fits, page))
    shot(driver, "board.png")

    # Held on its first page (space); a card that puts the leader back shows within 5 s.
    driver.find_element(By.TAG_NAME, "body").send_keys(Keys.SPACE)
    key = (top["group"], top["party"])
    status, answer = venue.post(card(venue.party(*key), 9, lambda s: (0, 0, 80), venue.codes[key], uuid.uuid4().hex), *key)
    sent = time.monotonic()
    leader = venue.request("GET", "/api/results")[1]["rows"][0]["name"]
    check(status == 200 and leader != top["name"], "the card for the leading party: %s %s" % (status, answer))
    wait(driver, "the new leader on the board", lambda d: d.execute_script(ROWS)[1:2] == [leader], 5)
    check(time.monotonic() - sent <= 5, "the board took more than 5 s")


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    chromium = shutil.which("chromium") or shutil.which("chromium-browser")
    chromedriver = shutil.which("chromedriver") or "/usr/bin/chromedriver"
    if not chromium or not os.access(chromedriver, os.X_OK):
        print("SKIP: chromium or chromedriver is not installed")
        return 77
    folder = tempfile.TemporaryDirectory(prefix="kmtx-venue-browser-")
    meeting = os.path.join(folder.name, "meeting.txt")
    with open(MEETING, "rb") as source, open(meeting, "wb") as copy:
        copy.write(source.read().replace(REPLACED.encode("cp932"), SCRIPT_NAME.encode("cp932")))
    driver = None
    try:
        venue = Venue(sys.argv[1], meeting)
        options = webdriver.ChromeOptions()
        options.binary_location = chromium
        for argument in ("--headless=new", "--no-sandbox", "--disable-dev-shm-usage", "--disable-gpu"):
            options.add_argument(argument)
        driver = webdriver.Chrome(service=Service(chromedriver), options=options)
        screen(driver, 360, 740)
        board(driver, phone(driver, venue, meeting))
        print("OK: the phone page, the saved entries, the refusals and the board")
        return 0
    except Exception as error:  # a Failure, a timeout or the browser's own error
        if not isinstance(error, Failure):
            traceback.print_exc()
        print("FAIL: %s" % (str(error).strip().splitlines() or [type(error).__name__])[0])
        return 1
    finally:
        if driver:
            driver.quit()
        Venue.kill_all()
        folder.cleanup()


if __name__ == "__main__":
    sys.exit(main())
