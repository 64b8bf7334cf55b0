#include "venue/Addresses.h"

#include <QNetworkInterface>

using namespace Qt::StringLiterals;

namespace venue {

QList<QHostAddress> lanAddresses()
{
    QList<QHostAddress> found;
    for (const QNetworkInterface &i : QNetworkInterface::allInterfaces()) {
        if (!i.flags().testFlag(QNetworkInterface::IsUp) ||
            !i.flags().testFlag(QNetworkInterface::IsRunning) ||
            i.flags().testFlag(QNetworkInterface::IsLoopBack))
            continue;
        for (const QNetworkAddressEntry &e : i.addressEntries())
            if (e.ip().protocol() == QAbstractSocket::IPv4Protocol) found << e.ip();
    }
    return found;
}

bool isPrivate(const QHostAddress &address)
{
    if (address.isLoopback()) return true;
    bool ok = false;
    const quint32 ip = address.toIPv4Address(&ok);
    if (!ok) return false;
    const auto in = [ip](quint32 net, int bits) { return (ip >> (32 - bits)) == (net >> (32 - bits)); };
    return in(0x0A000000, 8) || in(0xAC100000, 12) || in(0xC0A80000, 16) || in(0xA9FE0000, 16);
}

QString pageAddress(const QHostAddress &address, quint16 port)
{
    return u"http://%1:%2/"_s.arg(address.toString()).arg(port);
}

QList<QHostAddress> reachableAt(const QHostAddress &bound)
{
    if (bound != QHostAddress::Any && bound != QHostAddress::AnyIPv4) return {bound};
    QList<QHostAddress> all = lanAddresses();
    if (all.isEmpty()) all << QHostAddress(QHostAddress::LocalHost);
    return all;
}

} // namespace venue
