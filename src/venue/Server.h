#pragma once
// The venue's HTTP server, on Qt HTTP Server, living on a thread of its own: the phone page,
// the results board, their files and the JSON interface. Nothing else answers.

#include <QElapsedTimer>
#include <QHostAddress>
#include <QObject>
#include <deque>
#include <map>
#include <memory>
#include <optional>

class QHttpServer;
class QHttpServerRequest;
class QHttpServerResponder;
class QTcpServer;

namespace venue {

class Venue;

// A request is bounded: its head (request line and headers) and its body.
inline constexpr qsizetype MaxHeadBytes = 8 * 1024;
inline constexpr qsizetype MaxBodyBytes = 16 * 1024;
// Wrong codes for one party before it is refused for a minute.
inline constexpr int MaxWrongCodes = 5;

class Server : public QObject
{
    Q_OBJECT
public:
    explicit Server(Venue &venue);
    ~Server() override;

    // On the server's thread: listens, and says the port, or why it cannot.
    std::optional<QString> listen(const QHostAddress &address, quint16 port, quint16 *bound);

private:
    void addRoutes();
    // The reply to a request for a party: nothing when it may go on; 404, 429 or 403.
    std::optional<std::pair<int, QString>> partyRefusal(const QString &group, const QString &party,
                                                        const QString &code, int *g, int *k);
    bool throttled(int g, int k);

    Venue &m_venue;
    std::unique_ptr<QHttpServer> m_http;
    QTcpServer *m_tcp = nullptr;
    std::map<QString, std::pair<QByteArray, QByteArray>> m_files; // path → type, bytes
    std::map<int, std::deque<qint64>> m_wrongCodes;               // party → when (ms)
    QElapsedTimer m_clock;
};

} // namespace venue
