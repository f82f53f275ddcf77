#include "platform/SystemOnlineTest.h"

#include <QFile>
#include <QUrl>
#include <arpa/inet.h>
#include <ifaddrs.h>
#include <net/if.h>

namespace {

constexpr unsigned kRouteUp = 0x0001; // RTF_UP

QString ReadProcFile(const char* path) {
    QFile file(QString::fromLatin1(path));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromLatin1(file.readAll());
}

} // namespace

bool SystemOnlineTest::isOnline(const QString& url) {
    if (isLoopbackUrl(url))
        return true;
    const QSet<QString> routed =
        interfacesWithRoutes(ReadProcFile("/proc/net/route"), ReadProcFile("/proc/net/ipv6_route"));
    return routed.intersects(interfacesUp());
}

bool SystemOnlineTest::isLoopbackUrl(const QString& url) {
    const QString host = QUrl(url).host().toLower();
    if (host == u"localhost")
        return true;
    const QByteArray text = host.toLatin1();
    in_addr ipv4{};
    if (inet_pton(AF_INET, text.constData(), &ipv4) == 1)
        return (ntohl(ipv4.s_addr) >> 24) == 127;
    in6_addr ipv6{};
    return inet_pton(AF_INET6, text.constData(), &ipv6) == 1 && IN6_IS_ADDR_LOOPBACK(&ipv6);
}

QSet<QString> SystemOnlineTest::interfacesWithRoutes(const QString& ipv4Routes,
                                                     const QString& ipv6Routes) {
    QSet<QString> interfaces;
    // IPv4: "Iface Destination Gateway Flags ...", a header line first.
    const QStringList ipv4Lines = ipv4Routes.split(u'\n', Qt::SkipEmptyParts);
    for (qsizetype i = 1; i < ipv4Lines.size(); ++i) {
        const QStringList f = ipv4Lines[i].split(QChar(u'\t'), Qt::SkipEmptyParts);
        bool ok = false;
        if (f.size() > 3 && (f[3].trimmed().toUInt(&ok, 16) & kRouteUp) && ok && f[0] != u"lo")
            interfaces.insert(f[0].trimmed());
    }
    // IPv6: ten fields, the flags ninth and the interface last; no header.
    for (const QString& line : ipv6Routes.split(u'\n', Qt::SkipEmptyParts)) {
        const QStringList f = line.simplified().split(u' ');
        bool ok = false;
        if (f.size() == 10 && (f[8].toUInt(&ok, 16) & kRouteUp) && ok && f[9] != u"lo")
            interfaces.insert(f[9]);
    }
    return interfaces;
}

QSet<QString> SystemOnlineTest::interfacesUp() {
    QSet<QString> up;
    ifaddrs* list = nullptr;
    if (getifaddrs(&list) != 0)
        return up;
    for (const ifaddrs* a = list; a; a = a->ifa_next) {
        const unsigned flags = a->ifa_flags;
        if ((flags & IFF_UP) && (flags & IFF_RUNNING) && !(flags & IFF_LOOPBACK))
            up.insert(QString::fromLocal8Bit(a->ifa_name));
    }
    freeifaddrs(list);
    return up;
}
