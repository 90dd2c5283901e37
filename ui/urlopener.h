#pragma once
// Handing an address to the desktop's browser. Windows take the interface, so tests capture
// the addresses instead of opening them.
#include <QUrl>

class UrlOpener
{
public:
    virtual ~UrlOpener() = default;
    // Returns whether the desktop took the address.
    virtual bool open(const QUrl& url) = 0;
};

class DesktopUrlOpener final : public UrlOpener
{
public:
    bool open(const QUrl& url) override;
};
