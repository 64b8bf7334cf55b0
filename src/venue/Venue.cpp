#include "venue/Venue.h"

#include "datafile/Files.h"
#include "venue/Server.h"

#include <QFileInfo>
#include <QRandomGenerator>
#include <QThread>

using namespace Qt::StringLiterals;

namespace venue {

Venue::Venue(Desk &desk, QObject *parent)
    : QObject(parent)
    , m_desk(desk)
    , m_view(std::make_shared<View>(Snapshot{}))
{
    // Changes made at the desk itself (typing, a new combination) reach the pages too.
    m_refreshTimer.setInterval(500);
    connect(&m_refreshTimer, &QTimer::timeout, this, &Venue::refresh);
    // How long the owner's thread is kept from its events while serving.
    m_pauseProbe.setInterval(10);
    connect(&m_pauseProbe, &QTimer::timeout, this, [this] {
        m_longestPause = std::max(m_longestPause, m_sinceProbe.restart() - m_pauseProbe.interval());
    });
}

Venue::~Venue() { stop(); }

std::optional<QString> Venue::start(const QHostAddress &address, quint16 port)
{
    if (running()) return std::nullopt;
    m_book = Book();
    m_bookFile.clear();
    refresh();
    auto *thread = new QThread;
    auto *server = new Server(*this);
    server->moveToThread(thread);
    thread->start();
    std::optional<QString> failure;
    quint16 bound = 0;
    QMetaObject::invokeMethod(
        server, [&] { failure = server->listen(address, port, &bound); }, Qt::BlockingQueuedConnection);
    m_thread = thread;
    m_server = server;
    if (failure) {
        stop();
        return failure;
    }
    m_address = address;
    m_port = bound;
    m_longestPause = 0;
    m_sinceProbe.start();
    m_pauseProbe.start();
    m_refreshTimer.start();
    return std::nullopt;
}

void Venue::stop()
{
    m_refreshTimer.stop();
    m_pauseProbe.stop();
    if (!m_thread) return;
    // Cards taken but not yet settled are kept before the server goes.
    if (m_settleDue) settle();
    if (Server *server = m_server)
        QMetaObject::invokeMethod(server, [server] { delete server; }, Qt::BlockingQueuedConnection);
    m_thread->quit();
    m_thread->wait();
    delete m_thread;
    m_thread = nullptr;
    m_port = 0;
}

std::shared_ptr<const View> Venue::view() const
{
    QMutexLocker lock(&m_viewLock);
    return m_view;
}

void Venue::publish(std::shared_ptr<const View> view)
{
    QMutexLocker lock(&m_viewLock);
    m_view = std::move(view);
}

void Venue::loadBook(const QString &meetingFile)
{
    m_book = Book();
    m_bookFile = meetingFile.isEmpty() ? QString() : bookPath(meetingFile);
    m_bookProblem.clear();
    if (m_bookFile.isEmpty() || !QFileInfo::exists(m_bookFile)) return;
    const datafile::FileBytes read = datafile::readFileBytes(m_bookFile, true);
    QString why = read.reason;
    std::optional<Book> book;
    if (read.failure == datafile::FileBytes::Failure::None) book = Book::fromJson(read.bytes, &why);
    if (book) {
        m_book = *book;
        return;
    }
    // A damaged book is kept as it is for a look, and a new one started beside it.
    m_bookProblem = u"組の番号の控え %1 を読めません（%2）。新しい番号を付けました"_s.arg(m_bookFile, why);
    QFile::rename(m_bookFile, m_bookFile + u".damaged"_s);
}

void Venue::saveBook()
{
    if (m_bookFile.isEmpty()) return;
    datafile::WholeFile file(m_bookFile, true);
    if (!file.open() || !file.write(m_book.toJson()) || !file.commit())
        m_bookProblem = u"組の番号の控え %1 を保存できません（%2）"_s.arg(m_bookFile, file.reason());
}

void Venue::refresh()
{
    const QString file = m_desk.meetingFile();
    const bool newFile = m_bookFile.isEmpty() != file.isEmpty() || (!file.isEmpty() && bookPath(file) != m_bookFile);
    if (newFile) loadBook(file);
    Snapshot snapshot = m_desk.snapshot();
    snapshot.book = m_book;
    const std::shared_ptr<const View> now = view();
    if (!newFile && now->snapshot() == snapshot) return;
    auto fresh = std::make_shared<View>(std::move(snapshot));
    // Every party filled gets a code the first time it is seen, kept with the meeting (a
    // meeting without a file yet has no codes: nothing could keep them).
    if (!m_bookFile.isEmpty() &&
        m_book.giveCodes([&](int g, int k) { return fresh->filled(g, k); },
                         [] { return static_cast<int>(QRandomGenerator::system()->bounded(10000)); })) {
        saveBook();
        Snapshot withCodes = fresh->snapshot();
        withCodes.book = m_book;
        fresh = std::make_shared<View>(std::move(withCodes));
    }
    publish(std::move(fresh));
}

void Venue::submit(int g, int k, const CardRequest &request, std::function<void(const Reply &)> done)
{
    if (!running()) return;
    // The card is checked against the meeting as it stands: read again for the first card
    // of those that arrive together, with the cards taken since then for the others.
    if (m_waiting.empty()) refresh();
    const std::shared_ptr<const View> now = view();
    if (m_book.party(g, k).code != request.code || !now->filled(g, k)) {
        done(refusal(409, u"組の顔ぶれが変わりました。組を読み込み直して下さい"_s));
        return;
    }
    PartyState party = now->party(g, k);
    if (const auto taken = m_taken.find(g * Parties + k); taken != m_taken.end()) party.records = taken->second;
    CardResult result = applyCard(party, m_book.party(g, k), request, now->snapshot().holes);
    if (result.store) {
        const QString label = u"携帯から %1 %2組 ラウンド%3"_s.arg(u"ABCD"_s.at(g)).arg(k + 1).arg(request.card.round);
        if (const std::optional<QString> refused = m_desk.storeParty(g, k, result.records, label)) {
            done(refusal(503, *refused));
            return;
        }
        m_book.party(g, k) = result.book;
        m_taken[g * Parties + k] = result.records;
        m_settleDue = true;
        emit cardRecorded(g, k);
    }
    // Cards that arrive together are saved together, then answered.
    m_waiting.emplace_back(result.reply, std::move(done));
    if (m_waiting.size() == 1) QMetaObject::invokeMethod(this, &Venue::settle, Qt::QueuedConnection);
}

void Venue::settle()
{
    std::optional<QString> failure;
    m_taken.clear();
    if (std::exchange(m_settleDue, false)) {
        failure = m_desk.settle();
        saveBook();
        refresh();
        // Saved with the next cards, or when the venue stops.
        if (failure) m_settleDue = true;
    }
    for (auto &[reply, done] : std::exchange(m_waiting, {})) {
        if (failure && reply.status == 200)
            done(refusal(503, u"本部で保存できませんでした（%1）。もう一度送信して下さい"_s.arg(*failure)));
        else
            done(reply);
    }
}

} // namespace venue
