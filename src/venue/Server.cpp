#include "venue/Server.h"

#include "venue/Venue.h"

#include <QFile>
#include <QHttpServer>
#include <QHttpServerRequest>
#include <QHttpServerResponder>
#include <QHttpServerResponse>
#include <QJsonDocument>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QUrlQuery>

using namespace Qt::StringLiterals;

static void loadVenuePages() { Q_INIT_RESOURCE(venue); }

namespace venue {

namespace {

// Watches the bytes of each connection before the HTTP server reads them: a request whose
// head or announced body is too large is answered here and the connection closed, so the
// server never holds more than the bounds.
class GuardedTcpServer : public QTcpServer
{
public:
    using QTcpServer::QTcpServer;

protected:
    void incomingConnection(qintptr handle) override
    {
        auto *socket = new QTcpSocket(this);
        if (!socket->setSocketDescriptor(handle)) {
            delete socket;
            return;
        }
        auto state = std::make_shared<Watch>();
        connect(socket, &QTcpSocket::readyRead, socket, [socket, state] { watch(socket, *state); });
        addPendingConnection(socket);
    }

private:
    struct Watch {
        QByteArray head;     // the head read so far of the request under way
        qint64 bodyLeft = 0; // body bytes still to come
    };

    static void refuse(QTcpSocket *socket, const char *status, const QString &error)
    {
        // Nothing more of this connection reaches the server.
        QObject::disconnect(socket, &QTcpSocket::readyRead, nullptr, nullptr);
        socket->readAll();
        const QByteArray body =
            QJsonDocument(QJsonObject{{u"error"_s, error}}).toJson(QJsonDocument::Compact);
        socket->write(
            "HTTP/1.1 " + QByteArray(status) +
            "\r\nContent-Type: application/json; charset=utf-8\r\nConnection: close\r\nContent-Length: " +
            QByteArray::number(body.size()) + "\r\n\r\n" + body);
        socket->disconnectFromHost();
    }

    static void watch(QTcpSocket *socket, Watch &w)
    {
        const QByteArray fresh = socket->peek(socket->bytesAvailable());
        qsizetype at = 0;
        while (at < fresh.size()) {
            if (w.bodyLeft > 0) {
                const qint64 n = std::min<qint64>(w.bodyLeft, fresh.size() - at);
                w.bodyLeft -= n;
                at += n;
                continue;
            }
            const qsizetype end = fresh.indexOf("\r\n\r\n", at);
            const qsizetype take = end < 0 ? fresh.size() - at : end + 4 - at;
            // The end of a head may fall across two reads.
            w.head += fresh.mid(at, take);
            at += take;
            if (w.head.size() > MaxHeadBytes)
                return refuse(socket, "431 Request Header Fields Too Large", u"要求が大きすぎます"_s);
            const qsizetype headEnd = w.head.indexOf("\r\n\r\n");
            if (headEnd < 0) continue;
            qint64 length = 0;
            for (const QByteArray &line : w.head.left(headEnd).split('\n')) {
                const QByteArray l = line.trimmed().toLower();
                if (l.startsWith("content-length:")) length = l.mid(15).trimmed().toLongLong();
                if (l.startsWith("transfer-encoding:"))
                    return refuse(socket, "411 Length Required", u"送られた内容の長さが分かりません"_s);
            }
            if (length < 0 || length > MaxBodyBytes)
                return refuse(socket, "413 Payload Too Large", u"送られた内容が大きすぎます（16KBまで）"_s);
            // Bytes after the head already read belong to the body.
            const qsizetype extra = w.head.size() - (headEnd + 4);
            w.bodyLeft = std::max<qint64>(0, length - extra);
            w.head.clear();
        }
    }
};

QByteArray json(const QJsonObject &o) { return QJsonDocument(o).toJson(QJsonDocument::Compact); }

QHttpServerResponse respond(const QByteArray &type, const QByteArray &bytes, int status = 200)
{
    QHttpServerResponse r(type, bytes, static_cast<QHttpServerResponse::StatusCode>(status));
    r.setHeader("Cache-Control", "no-store");
    r.setHeader("X-Content-Type-Options", "nosniff");
    r.setHeader("Content-Security-Policy", "default-src 'self'; img-src 'self' data:");
    return r;
}

const QByteArray kJson = "application/json; charset=utf-8";

QHttpServerResponse jsonResponse(const Reply &reply)
{
    return respond(kJson, json(reply.body), reply.status);
}

int groupIndex(const QString &text)
{
    return text.size() == 1 ? static_cast<int>(u"ABCD"_s.indexOf(text.at(0).toUpper())) : -1;
}

int partyIndex(const QString &text)
{
    bool ok = false;
    const int n = text.toInt(&ok);
    return ok && n >= 1 && n <= Parties && text.size() <= 2 ? n - 1 : -1;
}

} // namespace

Server::Server(Venue &venue) : m_venue(venue)
{
    loadVenuePages();
    m_clock.start();
    const std::pair<const char *, const char *> files[] = {
        {"phone.html", "text/html; charset=utf-8"},     {"board.html", "text/html; charset=utf-8"},
        {"venue.css", "text/css; charset=utf-8"},       {"phone.js", "text/javascript; charset=utf-8"},
        {"board.js", "text/javascript; charset=utf-8"},
    };
    for (const auto &[name, type] : files) {
        QFile f(u":/venue/"_s + QLatin1StringView(name));
        if (f.open(QIODevice::ReadOnly)) m_files[QLatin1StringView(name)] = {type, f.readAll()};
    }
}

Server::~Server() = default;

std::optional<QString> Server::listen(const QHostAddress &address, quint16 port, quint16 *bound)
{
    m_http = std::make_unique<QHttpServer>();
    auto *tcp = new GuardedTcpServer(m_http.get());
    if (!tcp->listen(address, port)) {
        const QString reason = tcp->errorString();
        m_http.reset();
        return u"ポート%1で待ち受けできません（%2）"_s.arg(port).arg(reason);
    }
    m_http->bind(tcp);
    m_tcp = tcp;
    *bound = tcp->serverPort();
    addRoutes();
    return std::nullopt;
}

bool Server::throttled(int g, int k)
{
    std::deque<qint64> &times = m_wrongCodes[g * Parties + k];
    const qint64 now = m_clock.elapsed();
    while (!times.empty() && now - times.front() > 60'000) times.pop_front();
    return static_cast<int>(times.size()) >= MaxWrongCodes;
}

std::optional<std::pair<int, QString>> Server::partyRefusal(const QString &group, const QString &party,
                                                            const QString &code, int *g, int *k)
{
    *g = groupIndex(group);
    *k = partyIndex(party);
    if (*g < 0 || *k < 0) return std::pair{404, u"その組はありません"_s};
    if (throttled(*g, *k))
        return std::pair{
            429, u"番号の間違いが続いたため、1分間受け付けません。しばらく待ってから入力して下さい"_s};
    const std::shared_ptr<const View> view = m_venue.view();
    const QString &expected = view->snapshot().book.party(*g, *k).code;
    // A wrong code reads the same for every party, with players or without; a right one for
    // a party dissolved since is told the combination changed.
    if (expected.isEmpty() || code != expected) {
        m_wrongCodes[*g * Parties + *k].push_back(m_clock.elapsed());
        return std::pair{403, u"番号が違います。スコア表に印刷された４けたの番号を入力して下さい"_s};
    }
    return std::nullopt;
}

void Server::addRoutes()
{
    using Method = QHttpServerRequest::Method;
    const auto page = [this](const char *name) {
        return [this, name] {
            const auto it = m_files.find(QLatin1StringView(name));
            if (it == m_files.end()) return respond("text/plain; charset=utf-8", "not found", 404);
            return respond(it->second.first, it->second.second);
        };
    };
    m_http->route(u"/"_s, Method::Get, page("phone.html"));
    m_http->route(u"/board"_s, Method::Get, page("board.html"));
    m_http->route(u"/static/<arg>"_s, Method::Get, [this](const QString &name) {
        const auto it = m_files.find(name);
        if (it == m_files.end() || name.endsWith(u".html"_s))
            return respond("text/plain; charset=utf-8", "not found", 404);
        return respond(it->second.first, it->second.second);
    });
    m_http->route(u"/api/meeting"_s, Method::Get,
                  [this] { return respond(kJson, m_venue.view()->meetingJson()); });
    m_http->route(u"/api/results"_s, Method::Get,
                  [this] { return respond(kJson, m_venue.view()->resultsJson()); });
    m_http->route(u"/api/party/<arg>/<arg>"_s, Method::Get,
                  [this](const QString &group, const QString &party, const QHttpServerRequest &request) {
                      int g = 0;
                      int k = 0;
                      const QString code = request.query().queryItemValue(u"code"_s);
                      if (const auto refused = partyRefusal(group, party, code, &g, &k))
                          return jsonResponse(refusal(refused->first, refused->second));
                      const std::shared_ptr<const View> view = m_venue.view();
                      if (!view->filled(g, k))
                          return jsonResponse(
                              refusal(409, u"組み合わせが変わりました。本部に確かめて下さい"_s));
                      return respond(kJson, json(view->partyJson(g, k)));
                  });
    m_http->route(u"/api/party/<arg>/<arg>/card"_s, Method::Post,
                  [this](const QString &group, const QString &party, const QHttpServerRequest &request,
                         QHttpServerResponder &&responder) {
                      const auto answer = [](QHttpServerResponder &r, const Reply &reply) {
                          const QByteArray body = json(reply.body);
                          r.write(body,
                                  {{"Content-Type", kJson},
                                   {"Cache-Control", "no-store"},
                                   {"X-Content-Type-Options", "nosniff"}},
                                  static_cast<QHttpServerResponder::StatusCode>(reply.status));
                      };
                      if (request.body().size() > MaxBodyBytes)
                          return answer(responder, refusal(413, u"送られた内容が大きすぎます（16KBまで）"_s));
                      const std::variant<CardRequest, Reply> parsed = parseCard(request.body());
                      int g = 0;
                      int k = 0;
                      const QString code = std::holds_alternative<CardRequest>(parsed)
                                               ? std::get<CardRequest>(parsed).code
                                               : QString();
                      if (const auto refused = partyRefusal(group, party, code, &g, &k))
                          return answer(responder, refusal(refused->first, refused->second));
                      if (const Reply *bad = std::get_if<Reply>(&parsed)) return answer(responder, *bad);
                      // The card is taken on the owner's thread; the answer comes back here.
                      auto waiting = std::make_shared<QHttpServerResponder>(std::move(responder));
                      QPointer<QTcpSocket> socket = waiting->socket();
                      QPointer<Server> self = this;
                      const CardRequest card = std::get<CardRequest>(parsed);
                      Venue *venue = &m_venue;
                      QMetaObject::invokeMethod(venue, [=] {
                          venue->submit(g, k, card, [=](const Reply &reply) {
                              if (!self) return;
                              QMetaObject::invokeMethod(self, [=] {
                                  if (socket) answer(*waiting, reply);
                              });
                          });
                      });
                  });
}

} // namespace venue
