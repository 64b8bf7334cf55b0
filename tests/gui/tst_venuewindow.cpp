// 会場ネットワーク in the window: a card sent from a phone over the network is a step of the
// window's own (undo, the recovery copy), shows in blue on the score-entry screen, and is
// sent back when its party has changed since; the score sheet carries the party's code.
#include "WindowFixture.h"
#include "gui/venue/VenueDialog.h"
#include "support/RecordingCanvas.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QPushButton>
#include <QSpinBox>
#include <QTcpServer>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;

class VenueWindowTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { prepareTestApplication(); }
    void cardFromAPhone();
};

namespace {
// POSTs a card of every player of A 3 and waits for the answer: status and body.
std::pair<int, QJsonObject> sendCard(quint16 port, const QString &code, const QString &id, int players,
                                     int total)
{
    QJsonArray rows;
    for (int s = 1; s <= players; ++s)
        rows.append(QJsonObject{{u"slot"_s, s}, {u"one"_s, 1}, {u"two"_s, 2}, {u"total"_s, total}});
    QNetworkAccessManager net;
    QNetworkRequest request(QUrl(u"http://127.0.0.1:%1/api/party/A/3/card"_s.arg(port)));
    request.setHeader(QNetworkRequest::ContentTypeHeader, u"application/json"_s);
    QNetworkReply *reply = net.post(
        request,
        QJsonDocument(QJsonObject{{u"code"_s, code}, {u"id"_s, id}, {u"round"_s, 1}, {u"players"_s, rows}})
            .toJson());
    if (!QTest::qWaitFor([reply] { return reply->isFinished(); }, 5000)) return {0, {}};
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    const QJsonObject body = QJsonDocument::fromJson(reply->readAll()).object();
    delete reply;
    return {status, body};
}
} // namespace

void VenueWindowTest::cardFromAPhone()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"大会 A.txt"_s);
    QVERIFY(QFile::copy(QStringLiteral(KMTX_TEST_DATA "/write-full-300.txt"), path));
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    StartedWindow w;
    QVERIFY(w.form().openMeetingFile(path));
    w.form().VenueClick();
    auto *dialog = w.window->findChild<VenueDialog *>();
    QVERIFY(dialog);
    QTcpServer probe; // a free port
    QVERIFY(probe.listen(QHostAddress::LocalHost));
    const quint16 port = probe.serverPort();
    probe.close();
    dialog->findChild<QSpinBox *>()->setValue(port);
    QPushButton *toggle = nullptr;
    for (QPushButton *b : dialog->findChildren<QPushButton *>())
        if (b->text() == u"開始"_s) toggle = b;
    QVERIFY(toggle);
    toggle->click();
    QVERIFY(dialog->venue().running());
    const QString code = dialog->venue().view()->snapshot().book.party(0, 2).code;
    QCOMPARE(code.size(), 4);
    QVERIFY(QTest::qWaitFor([&] { return QFile::exists(dir.filePath(u"大会 A.venue.json"_s)); }, 5000));

    TMainForm &form = w.form();
    form.Label54Click();
    form.Label44Click(); // group A on the score-entry screen
    const ScoreSlot before = form.ScoreSlots[0][2][0];
    const auto [status, body] = sendCard(port, code, u"c1"_s, 8, 30);
    QCOMPARE(status, 200);
    QCOMPARE(body.value(u"recorded"_s).toArray().size(), 8);
    QCOMPARE(form.ScoreSlots[0][2][0].Entries.toInt(), before.Entries.toInt() + 1);
    QCOMPARE(form.ScoreSlots[0][2][0].Total.toInt(), before.Total.toInt() + 30);
    QVERIFY(form.control("Undo").text.contains(u"携帯から A 3組 ラウンド1"_s));
    QVERIFY(QTest::qWaitFor([&] { return form.PhonePlaces[0][2][0]; }, 1000));
    QVERIFY(!form.PhonePlaces[0][3][0]);

    // The score sheet of the party carries its code while the venue serves.
    RecordingCanvas sheet(QSize(1200, 900));
    form.Label64Click();
    form.Label44Click();
    form.control("Edit13").text = u"3"_s;
    form.Label43Click();
    form.Draw(sheet);
    bool codeShown = false;
    for (const DrawnText &t : sheet.visibleTexts()) codeShown = codeShown || t.text == code;
    QVERIFY(codeShown);

    // 元に戻す takes the card back like any step.
    form.UndoClick();
    QCOMPARE(form.ScoreSlots[0][2][0], before);

    // A card for a party the organiser has since dissolved is sent back to the phone.
    form.Label42Click();
    w.answers = {IdYes, IdYes};
    form.Button2Click();
    QVERIFY(form.KumiLines[0].isEmpty());
    const ScoreSlotArray cleared = form.ScoreSlots;
    const auto refused = sendCard(port, code, u"c2"_s, 8, 30);
    QCOMPARE(refused.first, 409);
    QVERIFY(refused.second.value(u"error"_s).toString().contains(u"変わりました"_s));
    QCOMPARE(form.ScoreSlots, cleared);

    w.window.reset(); // the server stops with the window
    QNetworkAccessManager net;
    QNetworkReply *after = net.get(QNetworkRequest(QUrl(u"http://127.0.0.1:%1/api/meeting"_s.arg(port))));
    QVERIFY(QTest::qWaitFor([after] { return after->isFinished(); }, 5000));
    QCOMPARE(after->error(), QNetworkReply::ConnectionRefusedError);
    delete after;
}

QTEST_MAIN(VenueWindowTest)
#include "tst_venuewindow.moc"
