#pragma once

#include <QObject>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class QSocketNotifier;

namespace quelvar {

// One instance a user. The lock lies in the user's runtime folder, which
// belongs to the user alone (owner checked, mode 0700), so no other user can
// take it first or stand in for it: the first start holds a lock file
// (flock, freed by the kernel with the process however it ends) and then
// listens on a socket beside it. A later start finds the lock held and may
// hand a file's path over the socket; the holder takes it only from a
// process of its own user, and answers whether it took it.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    SingleInstance();
    ~SingleInstance() override;

    // True when another instance of this user holds the lock; otherwise
    // this one takes it, if it can. Without a runtime folder of the user's
    // own there is no lock, and every start runs.
    bool anotherRunning();
    // Gives a path to the holder; true once it has said it took it.
    bool handOver(const std::string& path) const;
    // Where the paths handed to this holder go; the receiver says whether it
    // had room for one more.
    void setReceiver(std::function<bool(const std::string&)> receive) { receive_ = std::move(receive); }

private:
    struct Call;
    void accept();
    void read(Call* call);
    void drop(Call* call);

    int lock_ = -1;
    int socket_ = -1;
    std::unique_ptr<QSocketNotifier> notifier_;
    std::vector<std::unique_ptr<Call>> calls_;
    std::function<bool(const std::string&)> receive_;
};

} // namespace quelvar
