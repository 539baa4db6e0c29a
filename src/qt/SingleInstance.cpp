#include "qt/SingleInstance.h"

#include <QSocketNotifier>
#include <QTimer>

#include <algorithm>
#include <cerrno>
#include <cstddef>
#include <cstring>

#include <sys/socket.h>
#include <sys/time.h>
#include <sys/un.h>
#include <unistd.h>

namespace quelvar {

namespace {

// A path is at most this long; more is no path.
constexpr std::size_t MaximoRuta = 64 * 1024;
// Calls waiting for their path at once, and how long one may take.
constexpr std::size_t MaximoLlamadas = 8;
constexpr int PlazoLlamadaMs = 5000;
constexpr char Tomado = '1';

// The name lies in the abstract namespace, one per user: the kernel frees it
// with the process, however it ends, and it needs no folder, so no setting
// of the environment can give two instances two different locks.
struct Direccion {
    sockaddr_un address{};
    socklen_t length = 0;
    Direccion() {
        const std::string name = "quelvar-" + std::to_string(::getuid());
        address.sun_family = AF_UNIX;
        std::memcpy(address.sun_path + 1, name.data(), name.size()); // sun_path[0] = 0: abstract
        length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + name.size());
    }
    const sockaddr* get() const { return reinterpret_cast<const sockaddr*>(&address); }
};

bool sameUser(int connection) {
    ucred peer{};
    socklen_t size = sizeof peer;
    return ::getsockopt(connection, SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0 && peer.uid == ::getuid();
}

} // namespace

// A later start on the line, until its path has come.
struct SingleInstance::Call {
    int fd = -1;
    std::string bytes;
    std::unique_ptr<QSocketNotifier> notifier;
    QTimer deadline;
};

SingleInstance::SingleInstance() = default;

SingleInstance::~SingleInstance() {
    for (auto& call : calls_)
        if (call->fd >= 0) ::close(call->fd);
    if (socket_ >= 0) ::close(socket_);
}

bool SingleInstance::anotherRunning() {
    const Direccion where;
    const int own = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (own < 0) return false; // no lock can be made: one window is better than none
    if (::bind(own, where.get(), where.length) == 0 && ::listen(own, SOMAXCONN) == 0) {
        socket_ = own;
        notifier_ = std::make_unique<QSocketNotifier>(own, QSocketNotifier::Read);
        connect(notifier_.get(), &QSocketNotifier::activated, this, &SingleInstance::accept);
        return false;
    }
    const int err = errno;
    ::close(own);
    if (err != EADDRINUSE) return false;

    // Taken: it is another instance only if a live process of this user
    // holds it.
    const int probe = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (probe < 0) return false;
    bool ours = false;
    if (::connect(probe, where.get(), where.length) == 0)
        ours = sameUser(probe);
    else
        ours = errno == EAGAIN; // a holder too busy to take the call is still a holder
    ::close(probe);
    return ours;
}

bool SingleInstance::handOver(const std::string& path) const {
    if (path.empty() || path.size() > MaximoRuta || path.find('\0') != std::string::npos) return false;
    const Direccion where;
    const int s = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (s < 0) return false;
    // A holder that hangs must not hang this start too.
    const timeval wait{PlazoLlamadaMs / 1000, 0};
    ::setsockopt(s, SOL_SOCKET, SO_SNDTIMEO, &wait, sizeof wait);
    ::setsockopt(s, SOL_SOCKET, SO_RCVTIMEO, &wait, sizeof wait);
    bool taken = false;
    if (::connect(s, where.get(), where.length) == 0 && sameUser(s)) {
        const std::string message = path + '\0';
        std::size_t sent = 0;
        while (sent < message.size()) {
            const ssize_t n = ::send(s, message.data() + sent, message.size() - sent, MSG_NOSIGNAL);
            if (n <= 0) break;
            sent += std::size_t(n);
        }
        char answer = 0;
        taken = sent == message.size() && ::recv(s, &answer, 1, 0) == 1 && answer == Tomado;
    }
    ::close(s);
    return taken;
}

void SingleInstance::accept() {
    const int c = ::accept4(socket_, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
    if (c < 0) return;
    // Only this user's own starts; a start that only asks who holds the
    // name hangs up at once.
    if (!sameUser(c) || calls_.size() >= MaximoLlamadas) {
        ::close(c);
        return;
    }
    auto call = std::make_unique<Call>();
    Call* raw = call.get();
    call->fd = c;
    call->notifier = std::make_unique<QSocketNotifier>(c, QSocketNotifier::Read);
    connect(call->notifier.get(), &QSocketNotifier::activated, this, [this, raw] { read(raw); });
    call->deadline.setSingleShot(true);
    connect(&call->deadline, &QTimer::timeout, this, [this, raw] { drop(raw); });
    call->deadline.start(PlazoLlamadaMs);
    calls_.push_back(std::move(call));
}

void SingleInstance::read(Call* call) {
    char buffer[4096];
    for (;;) {
        const ssize_t n = ::read(call->fd, buffer, sizeof buffer);
        if (n < 0 && (errno == EAGAIN || errno == EINTR)) return; // more to come
        if (n <= 0) break;                                        // hung up before the path ended
        call->bytes.append(buffer, std::size_t(n));
        const std::size_t end = call->bytes.find('\0');
        if (end != std::string::npos) {
            const std::string path = call->bytes.substr(0, end);
            const bool answered = ::send(call->fd, &Tomado, 1, MSG_NOSIGNAL) == 1;
            drop(call);
            if (answered && !path.empty() && receive_) receive_(path);
            return;
        }
        if (call->bytes.size() > MaximoRuta) break;
    }
    drop(call);
}

// The call ends now; its notifier and timer go once the signal that ended
// it has returned.
void SingleInstance::drop(Call* call) {
    if (call->fd < 0) return;
    call->notifier->setEnabled(false);
    call->deadline.stop();
    ::close(call->fd);
    call->fd = -1;
    QMetaObject::invokeMethod(
        this,
        [this, call] {
            calls_.erase(std::find_if(calls_.begin(), calls_.end(), [call](const auto& c) { return c.get() == call; }));
        },
        Qt::QueuedConnection);
}

} // namespace quelvar
