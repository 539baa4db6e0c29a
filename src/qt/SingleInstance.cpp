#include "qt/SingleInstance.h"

#include "base/Utf8.h"
#include "betfile/Comandos.h"

#include <QSocketNotifier>
#include <QTimer>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <thread>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <sys/un.h>
#include <unistd.h>

namespace quelvar {

namespace {

// A path the open command would take is at most this many characters, and
// so at most four times as many bytes: more is refused at the lock.
constexpr std::size_t MaxCharacters = ComandosArchivo::RutaMaxima;
constexpr std::size_t MaxBytes = 4 * MaxCharacters;
// Each call has this long to send its path; calls open at once are bounded
// only so that file descriptors never run out.
constexpr int CallDeadlineMs = 1000;
constexpr std::size_t MaxCalls = 64;
// How long a later start keeps trying a holder that is not listening yet or
// that hung up without an answer.
constexpr auto HandOverDeadline = std::chrono::milliseconds(3000);
constexpr auto HandOverPause = std::chrono::milliseconds(50);
constexpr char Taken = '1';
constexpr char Refused = '0';

constexpr const char* LockName = "quelvar.lock";
constexpr const char* SocketName = "quelvar.socket";

// The user's runtime folder, when it is truly the user's own: an absolute
// path to a folder that the user owns and nobody else may enter.
std::optional<std::string> ownFolder() {
    const char* dir = std::getenv("XDG_RUNTIME_DIR");
    if (!dir || dir[0] != '/') return std::nullopt;
    struct stat info {};
    if (::stat(dir, &info) != 0 || !S_ISDIR(info.st_mode) || info.st_uid != ::getuid() || (info.st_mode & 077) != 0)
        return std::nullopt;
    return std::string(dir);
}

struct Address {
    sockaddr_un address{};
    socklen_t length = 0;
    bool valid = false;
    explicit Address(const std::string& folder) {
        const std::string path = folder + "/" + SocketName;
        if (path.size() >= sizeof address.sun_path) return;
        address.sun_family = AF_UNIX;
        std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
        length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + path.size() + 1);
        valid = true;
    }
    const sockaddr* get() const { return reinterpret_cast<const sockaddr*>(&address); }
};

bool sameUser(int connection) {
    ucred peer{};
    socklen_t size = sizeof peer;
    return ::getsockopt(connection, SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0 && peer.uid == ::getuid();
}

// One try at handing a path over: the holder's answer, or nothing when it
// was not listening or hung up without one.
std::optional<bool> tryHandOver(const Address& where, const std::string& message) {
    const int s = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (s < 0) return false;
    // A holder that hangs must not hang this start too.
    const timeval wait{HandOverDeadline.count() / 1000, 0};
    ::setsockopt(s, SOL_SOCKET, SO_SNDTIMEO, &wait, sizeof wait);
    ::setsockopt(s, SOL_SOCKET, SO_RCVTIMEO, &wait, sizeof wait);
    std::optional<bool> answer;
    if (::connect(s, where.get(), where.length) == 0) {
        if (!sameUser(s)) {
            ::close(s);
            return false;
        }
        std::size_t sent = 0;
        while (sent < message.size()) {
            const ssize_t n = ::send(s, message.data() + sent, message.size() - sent, MSG_NOSIGNAL);
            if (n <= 0) break;
            sent += std::size_t(n);
        }
        char said = 0;
        if (sent == message.size() && ::recv(s, &said, 1, 0) == 1) answer = said == Taken;
    }
    ::close(s);
    return answer;
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
    if (lock_ >= 0) ::close(lock_);
}

bool SingleInstance::anotherRunning() {
    // No folder of the user's own: no lock can be made, and one window is
    // better than none.
    const std::optional<std::string> folder = ownFolder();
    if (!folder) return false;
    const std::string lockPath = *folder + "/" + LockName;
    const int lock = ::open(lockPath.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (lock < 0) return false;
    struct stat info {};
    if (::fstat(lock, &info) != 0 || !S_ISREG(info.st_mode) || info.st_uid != ::getuid()) {
        ::close(lock);
        return false;
    }
    // Taking the lock and knowing it was free are one step; the kernel lets
    // it go with the process.
    if (::flock(lock, LOCK_EX | LOCK_NB) != 0) {
        const int err = errno;
        ::close(lock);
        return err == EWOULDBLOCK;
    }
    lock_ = lock;
    // Whatever socket is left there belongs to a holder that is gone.
    const Address where(*folder);
    if (!where.valid) return false;
    ::unlink(where.address.sun_path);
    const int own = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (own < 0) return false;
    if (::bind(own, where.get(), where.length) != 0 || ::listen(own, SOMAXCONN) != 0) {
        ::close(own);
        return false; // still the holder: later starts show the message
    }
    socket_ = own;
    notifier_ = std::make_unique<QSocketNotifier>(own, QSocketNotifier::Read);
    connect(notifier_.get(), &QSocketNotifier::activated, this, &SingleInstance::accept);
    return false;
}

bool SingleInstance::handOver(const std::string& path) const {
    if (path.empty() || path.size() > MaxBytes || utf8::length(path) > MaxCharacters ||
        path.find('\0') != std::string::npos)
        return false;
    const std::optional<std::string> folder = ownFolder();
    if (!folder) return false;
    const Address where(*folder);
    if (!where.valid) return false;
    const std::string message = path + '\0';
    // The holder may have taken the lock and not be listening yet, or may
    // have hung up on a call it had no time for: try again briefly.
    const auto end = std::chrono::steady_clock::now() + HandOverDeadline;
    for (;;) {
        if (const std::optional<bool> answer = tryHandOver(where, message)) return *answer;
        if (std::chrono::steady_clock::now() + HandOverPause > end) return false;
        std::this_thread::sleep_for(HandOverPause);
    }
}

void SingleInstance::accept() {
    const int c = ::accept4(socket_, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
    if (c < 0) return;
    // Only this user's own starts; past the bound a call is hung up on, and
    // a real start tries again.
    if (!sameUser(c) || calls_.size() >= MaxCalls) {
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
    call->deadline.start(CallDeadlineMs);
    calls_.push_back(std::move(call));
}

void SingleInstance::read(Call* call) {
    char buffer[1024];
    for (;;) {
        const ssize_t n = ::read(call->fd, buffer, sizeof buffer);
        if (n < 0 && (errno == EAGAIN || errno == EINTR)) return; // more to come
        if (n <= 0) break;                                        // hung up before the path ended
        call->bytes.append(buffer, std::size_t(n));
        const std::size_t end = call->bytes.find('\0');
        if (end != std::string::npos) {
            const std::string path = call->bytes.substr(0, end);
            const bool taken = !path.empty() && utf8::length(path) <= MaxCharacters && receive_ && receive_(path);
            ::send(call->fd, taken ? &Taken : &Refused, 1, MSG_NOSIGNAL);
            break;
        }
        if (call->bytes.size() > MaxBytes) break; // no path is this long
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
