#include "platform/SystemOnlineTest.h"

#include <gtest/gtest.h>

namespace {

TEST(SystemOnlineTestTest, AddressesOfThisMachineAreAlwaysReachable) {
    for (const char* url :
         {"http://127.0.0.1:8080/x", "http://localhost/", "http://[::1]:80/", "http://127.1.2.3/"})
        EXPECT_TRUE(SystemOnlineTest::isLoopbackUrl(url)) << url;
    for (const char* url : {"http://www.example.pl/", "http://10.0.0.1/", "", "http://128.0.0.1/"})
        EXPECT_FALSE(SystemOnlineTest::isLoopbackUrl(url)) << url;
}

TEST(SystemOnlineTestTest, InterfacesWithAnUpRouteAreReadFromTheKernelTables) {
    const QString ipv4 =
        "Iface\tDestination\tGateway \tFlags\tRefCnt\tUse\tMetric\tMask\t\tMTU\tWindow\tIRTT\n"
        "eth0\t00000000\t0102A8C0\t0003\t0\t0\t100\t00000000\t0\t0\t0\n"
        "wlan0\t0002A8C0\t00000000\t0000\t0\t0\t600\t00FFFFFF\t0\t0\t0\n"
        "lo\t0000007F\t00000000\t0001\t0\t0\t0\t000000FF\t0\t0\t0\n";
    const QString ipv6 =
        "00000000000000000000000000000000 00 00000000000000000000000000000000 00 "
        "fe800000000000000000000000000001 00000400 00000001 00000000 00450003   wwan0\n"
        "00000000000000000000000000000001 80 00000000000000000000000000000000 00 "
        "00000000000000000000000000000000 00000000 00000002 00000000 80200001       lo\n";
    EXPECT_EQ(SystemOnlineTest::interfacesWithRoutes(ipv4, ipv6), QSet<QString>({"eth0", "wwan0"}));
    EXPECT_TRUE(SystemOnlineTest::interfacesWithRoutes({}, {}).isEmpty());
}

} // namespace
