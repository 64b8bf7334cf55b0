#pragma once
// The venue network on the owner's side: the book of codes and round cards, the cards taken
// into the meeting one at a time on the owner's thread, the files written on a thread of their
// own, and the meeting handed to the server (which answers on a thread of its own) whenever
// it changes.

#include "venue/Desk.h"

#include <QElapsedTimer>
#include <QHostAddress>
#include <QMutex>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <functional>
#include <memory>

class QThread;

namespace venue {

class Server;

class Venue : public QObject
{
    Q_OBJECT
public:
    explicit Venue(Desk &desk, QObject *parent = nullptr);
    ~Venue() override;

    // Starts serving on the address and port given (port 0: any free one); the reason in
    // Japanese when it cannot.
    std::optional<QString> start(const QHostAddress &address, quint16 port);
    // Stops serving, with every card taken written.
    void stop();
    bool running() const { return m_thread != nullptr; }
    quint16 port() const { return m_port; }

    // The meeting as the server last saw it.
    std::shared_ptr<const View> view() const;
    // Reads the owner's meeting again and hands it on when it changed.
    void refresh();
    // Why the book could not be read or written, if it could not (shown by the owner).
    QString bookProblem() const;
    // The longest the owner's thread was kept from its events while serving, in ms.
    qint64 longestPause() const { return m_longestPause; }

    // Called on the owner's thread by the server for one card; `done` gets the answer.
    void submit(int g, int k, const CardRequest &request, std::function<void(const Reply &)> done);

signals:
    // A card was taken into the meeting (for the window's screen).
    void cardRecorded(int g, int k);

private:
    using Waiting = std::vector<std::pair<Reply, std::function<void(const Reply &)>>>;
    void loadBook(const QString &meetingFile);
    QList<FileToWrite> filesToWrite(QString *failure);
    // Hands the pages a state; an older one put together later does not replace a newer.
    void publish(std::shared_ptr<const View> view, quint64 sequence);
    void settle();
    void answer(Waiting batch, const QString &failure);

    Desk &m_desk;
    Book m_book;
    QString m_bookFile;
    QString m_bookProblem;
    Snapshot m_last;         // what the pages were last given
    quint64 m_sequence = 0;  // of m_last
    quint64 m_published = 0; // of m_view
    std::shared_ptr<const View> m_view;
    mutable QMutex m_lock; // m_view and m_bookProblem
    QThread *m_thread = nullptr;
    QThread *m_writer = nullptr;   // writes the files
    QObject *m_writing = nullptr;  // lives on m_writer
    QThread *m_builder = nullptr;  // puts together what the pages show
    QObject *m_building = nullptr; // lives on m_builder
    QPointer<Server> m_server;
    quint16 m_port = 0;
    int m_holes = 10;
    QTimer m_refreshTimer;
    QTimer m_pauseProbe;
    QElapsedTimer m_sinceProbe;
    qint64 m_longestPause = 0;
    Waiting m_waiting; // answers waiting for their cards to be written
    bool m_settleQueued = false;
    bool m_saving = false;  // a write is under way on m_writer
    bool m_unsaved = false; // cards taken since the files were last written
};

} // namespace venue
