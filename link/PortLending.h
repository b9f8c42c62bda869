// Lending a clock's port between Kerovant's own programs. The port is taken
// exclusively (UsbSerialPort.h), so while `kerovant-cli watch` follows a
// clock no other program could open it. Watch lends it instead: it listens
// on an abstract local socket named after the device's number
// ("kerovant-lend:char:188:0", so a /dev/serial/by-id link and the node
// meet), and a program of ours whose open finds the port busy asks there.
//
// The exchange, one line each way: the borrower connects and sends
// "borrow"; the lender closes the port and answers "released" (or
// "refused"). The borrower then opens the port and keeps the connection
// open for as long as it holds it; the connection closing, however the
// borrower ends (the kernel closes a killed program's sockets), gives the
// port back, and the lender opens it again.
//
// Only a user who may read and write the device node may borrow it (the
// peer's credentials, checked against the node's owner, group and mode;
// root always may): anyone else is refused and keeps the busy message.
//
// Thread rules: BorrowPort, LendingSocketName, MayUseNode and GroupsOf may
// run on any thread. CPortLender's members are for its owner's thread; its
// own thread answers the borrowers and calls `wake` from there.
#pragma once

#include "PortAccess.h"

#include <chrono>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <sys/types.h>
#include <thread>
#include <vector>

// The socket's abstract name for a device (without the leading NUL): the
// prefix and the device's canonical path. Empty when the name would not fit
// a socket address.
std::string LendingSocketName(const std::string& device);

// Whether a user (uid, primary group gid, supplementary groups) may read
// and write a node with this owner, group and mode. Root always may.
bool MayUseNode(uid_t uid, gid_t gid, const std::vector<gid_t>& groups, const NodeAccess& node);
// The user's supplementary groups as the group database has them.
std::vector<gid_t> GroupsOf(uid_t uid, gid_t gid);

// Asks the program that lends the device for it, and waits up to `wait` for
// the answer. The descriptor of the loan's connection when the port has been
// released (close it once the port is closed), else -1: nobody lends the
// device, the lender refused, or it did not answer in time.
inline constexpr std::chrono::milliseconds kBorrowWait{1500};
int BorrowPort(const std::string& device, std::chrono::milliseconds wait = kBorrowWait);

// Whether a port that finds its device busy asks to borrow it (on unless
// turned off). A program that lends the device turns it off: it waits for
// its port to come back, and never borrows it from another lender.
void SetPortBorrowing(bool on);
bool PortBorrowing();

// Who borrowed the port: from the connection's credentials.
struct Borrower {
    pid_t pid = 0;
    uid_t uid = 0;
    std::string program;  // /proc/PID/comm; empty when it cannot be read
    std::string user;     // the user's name; empty when the database has none
};
// "kerovant (process 4321, user alice)": for the lines on standard error.
std::string BorrowerText(const Borrower& borrower);

class CPortLender {
public:
    // wake: called on the lender's thread when a request comes or the last
    // borrower gives the port back.
    explicit CPortLender(std::function<void()> wake);
    ~CPortLender();
    CPortLender(const CPortLender&) = delete;
    CPortLender& operator=(const CPortLender&) = delete;

    // Listens for requests for this device (a no-op while its canonical
    // path stays the same). False when the name is taken (another lender
    // has the device) or no socket could be made; it is tried again on the
    // next call.
    bool Listen(const std::string& device);
    // A borrower waits for the port or holds it.
    bool Wanted() const;
    // The port is closed: borrowers waiting hear "released", and those
    // that come later at once, until Reclaiming.
    void Released();
    // The owner opens the port again: a request from now on waits for the
    // next Released.
    void Reclaiming();
    // The first borrower that waits or holds the port.
    std::optional<Borrower> CurrentBorrower() const;

private:
    struct Connection {
        int fd = -1;
        Borrower who;
        std::string received;
        bool asked = false;     // sent "borrow"
        bool answered = false;  // heard "released"
    };
    void Run();
    void Accept(int listenFd);
    // Reads what a borrower sent; false once its connection is closed.
    bool Receive(Connection& connection);
    void AnswerWaitingLocked();
    void Signal() const;

    const std::function<void()> wake_;
    int eventFd_ = -1;
    mutable std::mutex mutex_;
    // Under mutex_: the socket listened on (the thread polls it), sockets
    // to be closed by the thread, the borrowers' connections, and whether
    // the port is released.
    int listenFd_ = -1;
    std::string listenName_;
    std::string device_;
    std::vector<int> retired_;
    std::vector<Connection> connections_;
    bool released_ = false;
    bool stopping_ = false;
    std::thread thread_;
};
