#pragma once

#include <QObject>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class QSocketNotifier;

namespace quelvar {

// One instance a user: the first start holds a socket name, later starts find
// it taken. A later start may hand a file's path over the socket; the holder
// takes it only from a process of its own user, and says so with one byte.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    SingleInstance();
    ~SingleInstance() override;

    // True when a live instance of this user holds the name; otherwise this
    // one takes it, if it can.
    bool anotherRunning();
    // Gives a path to the holder; true once it has said it took it.
    bool handOver(const std::string& path) const;
    // Where the paths handed to this holder go.
    void setReceiver(std::function<void(const std::string&)> receive) { receive_ = std::move(receive); }

private:
    struct Call;
    void accept();
    void read(Call* call);
    void drop(Call* call);

    int socket_ = -1;
    std::unique_ptr<QSocketNotifier> notifier_;
    std::vector<std::unique_ptr<Call>> calls_;
    std::function<void(const std::string&)> receive_;
};

} // namespace quelvar
