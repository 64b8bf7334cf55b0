#pragma once
// The addresses a phone on the venue's network reaches this machine at.

#include <QHostAddress>
#include <QList>
#include <QString>

namespace venue {

// Every IPv4 address of the machine's running interfaces other than loopback.
QList<QHostAddress> lanAddresses();
// Whether an address belongs to a private network (10/8, 172.16/12, 192.168/16, link-local
// 169.254/16) or is this machine's loopback: the venue's own network, not the internet.
bool isPrivate(const QHostAddress &address);
// "http://ADDRESS:PORT/"
QString pageAddress(const QHostAddress &address, quint16 port);
// The addresses a server bound to `bound` is reached at: all LAN addresses for "any".
QList<QHostAddress> reachableAt(const QHostAddress &bound);

} // namespace venue
