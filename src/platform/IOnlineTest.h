#pragma once
#include <QString>

// Whether a web address can be reached at all before a download is tried.
class IOnlineTest {
public:
    virtual ~IOnlineTest() = default;
    virtual bool isOnline(const QString& url) = 0;
};
