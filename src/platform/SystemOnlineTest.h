#pragma once
#include "platform/IOnlineTest.h"

#include <QSet>
#include <QString>

// The online test of a Linux system, asking the kernel only (no traffic): an
// address on this machine (localhost, 127.0.0.0/8, ::1) is always reachable;
// any other counts as reachable when a network interface other than the
// loopback is up and running and carries a route that is up
// (/proc/net/route, /proc/net/ipv6_route).
class SystemOnlineTest : public IOnlineTest {
public:
    bool isOnline(const QString& url) override;

    // Whether the URL names this machine.
    static bool isLoopbackUrl(const QString& url);
    // The interfaces that carry an up route, read from the text of
    // /proc/net/route (IPv4) or /proc/net/ipv6_route (IPv6).
    static QSet<QString> interfacesWithRoutes(const QString& ipv4Routes, const QString& ipv6Routes);

private:
    static QSet<QString> interfacesUp();
};
