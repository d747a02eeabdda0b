#include "platform/core/BusProbe.h"

#include <QByteArrayList>
#include <QDeadlineTimer>

#include <arpa/inet.h>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <netdb.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace BusProbe {

namespace {

// One entry of an address: "unix:path=/run/bus" as its transport and key=value pairs.
struct Entry {
    QByteArray transport;
    QByteArray value(const QByteArray& key) const
    {
        for (const QByteArray& pair : pairs)
            if (pair.startsWith(key + '='))
                return QByteArray::fromPercentEncoding(pair.mid(key.size() + 1));
        return {};
    }
    QByteArrayList pairs;
};

Entry parse(const QByteArray& entry)
{
    const int colon = entry.indexOf(':');
    if (colon < 0)
        return {};
    return {entry.left(colon), entry.mid(colon + 1).split(',')};
}

class Socket {
public:
    explicit Socket(int fd) : m_fd(fd) { }
    ~Socket()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Socket(const Socket&) = delete;
    Socket& operator=(const Socket&) = delete;
    int fd() const { return m_fd; }

private:
    int m_fd;
};

bool waitFor(int fd, short events, const QDeadlineTimer& deadline)
{
    pollfd polled {fd, events, 0};
    for (;;) {
        const int result = ::poll(&polled, 1, static_cast<int>(deadline.remainingTime()));
        if (result > 0)
            return (polled.revents & events) != 0;
        if (result == 0 || errno != EINTR)
            return false;
    }
}

// Connects without blocking past the deadline; -1 when it cannot.
int connectTo(const Entry& entry, const QDeadlineTimer& deadline)
{
    sockaddr_storage address {};
    socklen_t length = 0;
    int family = AF_UNIX;
    if (entry.transport == "unix") {
        auto* un = reinterpret_cast<sockaddr_un*>(&address);
        un->sun_family = AF_UNIX;
        const QByteArray path = entry.value("path");
        const QByteArray abstract = entry.value("abstract");
        const QByteArray name = path.isEmpty() ? abstract : path;
        if (name.isEmpty() || name.size() >= static_cast<int>(sizeof un->sun_path) - 1)
            return -1;
        const int offset = path.isEmpty() ? 1 : 0; // an abstract name starts with a NUL
        std::memcpy(un->sun_path + offset, name.constData(), name.size());
        length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + offset + name.size() + (offset ? 0 : 1));
    } else if (entry.transport == "tcp") {
        addrinfo hints {};
        hints.ai_socktype = SOCK_STREAM;
        addrinfo* found = nullptr;
        if (::getaddrinfo(entry.value("host").constData(), entry.value("port").constData(), &hints, &found) != 0)
            return -1;
        std::memcpy(&address, found->ai_addr, found->ai_addrlen);
        length = found->ai_addrlen;
        family = found->ai_family;
        ::freeaddrinfo(found);
    } else {
        return -1;
    }
    const int fd = ::socket(family, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return -1;
    if (::connect(fd, reinterpret_cast<sockaddr*>(&address), length) == 0)
        return fd;
    int failure = 0;
    socklen_t size = sizeof failure;
    if (errno == EINPROGRESS && waitFor(fd, POLLOUT, deadline)
        && ::getsockopt(fd, SOL_SOCKET, SO_ERROR, &failure, &size) == 0 && failure == 0)
        return fd;
    ::close(fd);
    return -1;
}

} // namespace

QByteArray sessionAddress() { return qgetenv("DBUS_SESSION_BUS_ADDRESS"); }

QByteArray systemAddress()
{
    const QByteArray address = qgetenv("DBUS_SYSTEM_BUS_ADDRESS");
    return address.isEmpty() ? QByteArrayLiteral("unix:path=/var/run/dbus/system_bus_socket") : address;
}

bool answers(const QByteArray& address, std::chrono::milliseconds budget)
{
    const QDeadlineTimer deadline(budget);
    for (const QByteArray& text : address.split(';')) {
        const Entry entry = parse(text);
        const Socket socket(connectTo(entry, deadline));
        if (socket.fd() < 0)
            continue;
        // A bus answers any AUTH line, with OK or REJECTED; a silent one never does.
        const QByteArray hello = QByteArray("\0AUTH EXTERNAL ", 15)
            + QByteArray::number(static_cast<qulonglong>(::getuid())).toHex() + "\r\n";
        if (::send(socket.fd(), hello.constData(), hello.size(), MSG_NOSIGNAL) != hello.size())
            continue;
        char reply[64];
        return waitFor(socket.fd(), POLLIN, deadline) && ::recv(socket.fd(), reply, sizeof reply, 0) > 0;
    }
    return false;
}

} // namespace BusProbe
