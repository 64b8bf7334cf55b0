#include "venue/Venue.h"

#include "datafile/Files.h"
#include "datafile/MeetingFile.h"
#include "venue/Server.h"

#include <QFileInfo>
#include <QRandomGenerator>
#include <QThread>

using namespace Qt::StringLiterals;

namespace venue {

namespace {
QString writeAll(const QList<FileToWrite> &files)
{
    for (const FileToWrite &f : files) {
        QByteArray bytes = f.bytes;
        if (f.meeting) {
            datafile::WriteResult written = datafile::write(*f.meeting);
            if (!written.error.isEmpty()) return u"%1 に保存できません（%2）"_s.arg(f.path, written.error);
            bytes = std::move(written.bytes);
        }
        datafile::WholeFile file(f.path, true);
        if (!file.open() || !file.write(bytes) || !file.commit())
            return u"%1 に保存できません（%2）"_s.arg(f.path, file.reason());
    }
    return QString();
}
} // namespace

Venue::Venue(Desk &desk, QObject *parent)
    : QObject(parent), m_desk(desk), m_view(std::make_shared<View>(Snapshot{}))
{
    // Changes made at the desk itself (typing, a new combination) reach the pages too.
    m_refreshTimer.setInterval(500);
    connect(&m_refreshTimer, &QTimer::timeout, this, &Venue::refresh);
    // How long the owner's thread is kept from its events while serving.
    m_pauseProbe.setInterval(10);
    m_pauseProbe.setTimerType(Qt::PreciseTimer);
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
    m_last = Snapshot();
    m_sequence = m_published = 0;
    m_writer = new QThread;
    m_writing = new QObject;
    m_writing->moveToThread(m_writer);
    m_writer->start();
    m_builder = new QThread;
    m_building = new QObject;
    m_building->moveToThread(m_builder);
    m_builder->start();
    refresh();
    // The first state is there before the first request.
    publish(std::make_shared<View>(m_last), m_sequence);

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
    if (Server *server = m_server)
        QMetaObject::invokeMethod(
            server, [server] { delete server; }, Qt::BlockingQueuedConnection);
    m_thread->quit();
    m_thread->wait();
    delete std::exchange(m_thread, nullptr);
    // The writes under way end; what was taken since is written here.
    for (auto [thread, worker] : {std::pair{&m_writer, &m_writing}, std::pair{&m_builder, &m_building}}) {
        QMetaObject::invokeMethod(
            *worker, [w = *worker] { delete w; }, Qt::BlockingQueuedConnection);
        *worker = nullptr;
        (*thread)->quit();
        (*thread)->wait();
        delete std::exchange(*thread, nullptr);
    }
    m_saving = false;
    m_waiting.clear();
    if (m_unsaved) {
        QString failure;
        const QList<FileToWrite> files = filesToWrite(&failure);
        if (failure.isEmpty()) failure = writeAll(files);
        QMutexLocker lock(&m_lock);
        if (!failure.isEmpty()) m_bookProblem = failure;
    }
    m_port = 0;
}

std::shared_ptr<const View> Venue::view() const
{
    QMutexLocker lock(&m_lock);
    return m_view;
}

QString Venue::bookProblem() const
{
    QMutexLocker lock(&m_lock);
    return m_bookProblem;
}

void Venue::publish(std::shared_ptr<const View> view, quint64 sequence)
{
    QMutexLocker lock(&m_lock);
    if (sequence < m_published) return;
    m_published = sequence;
    m_view = std::move(view);
}

void Venue::loadBook(const QString &meetingFile)
{
    m_book = Book();
    m_bookFile = meetingFile.isEmpty() ? QString() : bookPath(meetingFile);
    QString problem;
    if (!m_bookFile.isEmpty() && QFileInfo::exists(m_bookFile)) {
        const datafile::FileBytes read = datafile::readFileBytes(m_bookFile, true);
        QString why = read.reason;
        std::optional<Book> book;
        if (read.failure == datafile::FileBytes::Failure::None) book = Book::fromJson(read.bytes, &why);
        if (book) {
            m_book = *book;
        } else {
            // A damaged book is kept as it is for a look, and a new one started beside it.
            problem =
                u"４けたの番号の控え %1 を読めません（%2）。新しい番号を付けました"_s.arg(m_bookFile, why);
            QFile::rename(m_bookFile, m_bookFile + u".damaged"_s);
        }
    }
    QMutexLocker lock(&m_lock);
    m_bookProblem = problem;
}

void Venue::refresh()
{
    if (m_desk.busy() && m_writing && running()) return;
    const QString file = m_desk.meetingFile();
    const bool newFile =
        m_bookFile.isEmpty() != file.isEmpty() || (!file.isEmpty() && bookPath(file) != m_bookFile);
    if (newFile) loadBook(file);
    Snapshot snapshot = m_desk.snapshot();
    // Every party filled gets a code the first time it is seen, kept with the meeting (a
    // meeting without a file yet has no codes: nothing could keep them).
    if (!m_bookFile.isEmpty() && (newFile || !(snapshot.meeting == m_last.meeting))) {
        std::array<tables::PartyPlayers, Groups> parties;
        for (int g = 0; g < Groups; ++g) parties[g] = tables::partiesOfGroup(snapshot.meeting, g);
        if (m_book.giveCodes([&](int g, int k) { return !parties[g][k].isEmpty(); },
                             [] { return static_cast<int>(QRandomGenerator::system()->bounded(10000)); }))
            m_unsaved = true;
    }
    snapshot.book = m_book;
    m_holes = snapshot.holes;
    if (!newFile && snapshot == m_last) return;
    m_last = snapshot;
    const quint64 sequence = ++m_sequence;
    // What the pages show is put together off the owner's thread.
    if (m_building)
        QMetaObject::invokeMethod(
            m_building, [this, snapshot, sequence] { publish(std::make_shared<View>(snapshot), sequence); });
    if (m_unsaved && !m_settleQueued && !m_saving) {
        m_settleQueued = true;
        QMetaObject::invokeMethod(this, &Venue::settle, Qt::QueuedConnection);
    }
}

void Venue::submit(int g, int k, const CardRequest &request, std::function<void(const Reply &)> done)
{
    if (!running()) return;
    // The card is checked against the party as it stands at this moment.
    const PartyState party = m_desk.partyState(g, k);
    if (m_book.party(g, k).code != request.code || party.players.isEmpty()) {
        done(refusal(409, u"組み合わせが変わりました。組を読み込み直して下さい"_s));
        return;
    }
    CardResult result = applyCard(party, m_book.party(g, k), request, m_holes);
    if (result.store) {
        const QString label =
            u"携帯から %1 %2組 ラウンド%3"_s.arg(grouping::groupLetter(g)).arg(k + 1).arg(request.card.round);
        if (const std::optional<QString> refused = m_desk.storeParty(g, k, result.records, label)) {
            done(refusal(503, *refused));
            return;
        }
        m_book.party(g, k) = result.book;
        m_unsaved = true;
        emit cardRecorded(g, k);
    }
    // Cards that arrive together are written together, then answered.
    m_waiting.emplace_back(result.reply, std::move(done));
    if (!m_settleQueued) {
        m_settleQueued = true;
        QMetaObject::invokeMethod(this, &Venue::settle, Qt::QueuedConnection);
    }
}

QList<FileToWrite> Venue::filesToWrite(QString *failure)
{
    QList<FileToWrite> files;
    if (std::optional<FileToWrite> meeting = m_desk.fileToSave(failure)) files << *meeting;
    if (!m_bookFile.isEmpty()) files << FileToWrite{m_bookFile, m_book.toJson(), std::nullopt};
    return files;
}

void Venue::settle()
{
    m_settleQueued = false;
    // The write under way settles these when it ends.
    if (m_saving || !m_writing) return;
    Waiting batch = std::exchange(m_waiting, {});
    refresh();
    if (!std::exchange(m_unsaved, false)) {
        answer(std::move(batch), QString());
        return;
    }
    QString failure;
    const QList<FileToWrite> files = filesToWrite(&failure);
    if (!failure.isEmpty()) {
        m_unsaved = true;
        answer(std::move(batch), failure);
        return;
    }
    m_saving = true;
    // The answers go once the pages show the cards too: a phone reads what it sent.
    QMetaObject::invokeMethod(m_writing, [this, files, batch = std::move(batch), snapshot = m_last,
                                          sequence = m_sequence]() mutable {
        const QString failure = writeAll(files);
        publish(std::make_shared<View>(snapshot), sequence);
        QMetaObject::invokeMethod(this, [this, failure, batch = std::move(batch)]() mutable {
            m_saving = false;
            if (!failure.isEmpty()) m_unsaved = true;
            {
                QMutexLocker lock(&m_lock);
                m_bookProblem = failure;
            }
            answer(std::move(batch), failure);
            if (!m_waiting.empty() || m_unsaved) settle();
        });
    });
}

void Venue::answer(Waiting batch, const QString &failure)
{
    for (auto &[reply, done] : batch) {
        if (!failure.isEmpty() && reply.status == 200)
            done(refusal(503, u"本部で保存できませんでした（%1）。もう一度送信して下さい"_s.arg(failure)));
        else
            done(reply);
    }
}

} // namespace venue
