#pragma once
// The venue network on the owner's side: the book of codes and round cards, the cards taken
// into the meeting one at a time on the owner's thread, and the meeting handed to the server
// (which answers on a thread of its own) whenever it changes.

#include "venue/Desk.h"

#include <QElapsedTimer>
#include <QHostAddress>
#include <QMutex>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <functional>
#include <map>
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
    void stop();
    bool running() const { return m_thread != nullptr; }
    quint16 port() const { return m_port; }
    QHostAddress address() const { return m_address; }

    // The meeting as the server last saw it.
    std::shared_ptr<const View> view() const;
    // Reads the owner's meeting again and hands it on when it changed.
    void refresh();
    // Why the book could not be read or written, if it could not (shown by the owner).
    QString bookProblem() const { return m_bookProblem; }
    // The longest the owner's thread was kept from its events while serving, in ms.
    qint64 longestPause() const { return m_longestPause; }

    // Called on the owner's thread by the server for one card; `done` gets the answer.
    void submit(int g, int k, const CardRequest &request, std::function<void(const Reply &)> done);

signals:
    // A card was taken into the meeting (for the window's screen).
    void cardRecorded(int g, int k);

private:
    void loadBook(const QString &meetingFile);
    void saveBook();
    void publish(std::shared_ptr<const View> view);
    void settle();

    Desk &m_desk;
    Book m_book;
    QString m_bookFile;
    QString m_bookProblem;
    std::shared_ptr<const View> m_view;
    mutable QMutex m_viewLock;
    QThread *m_thread = nullptr;
    QPointer<Server> m_server;
    QHostAddress m_address;
    quint16 m_port = 0;
    QTimer m_refreshTimer;
    QTimer m_pauseProbe;
    QElapsedTimer m_sinceProbe;
    qint64 m_longestPause = 0;
    std::vector<std::pair<Reply, std::function<void(const Reply &)>>> m_waiting;
    std::map<int, std::array<ScoreSlot, Slots>> m_taken; // records of the cards not yet settled
    bool m_settleDue = false;
};

} // namespace venue
