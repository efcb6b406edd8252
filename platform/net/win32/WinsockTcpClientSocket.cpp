// The daytime socket on Windows: Winsock with its notices sent as window
// messages (WSAAsyncSelect) to a message-only window, so that the socket's
// events run while the thread processes its messages, as the program's wait
// does. Host names are looked up on a thread of their own and the result is
// posted back the same way.
#include "platform/net/TcpClientSocket.h"

#include <winsock2.h>
#include <ws2tcpip.h>

#include <windows.h>

#include <string>
#include <thread>

namespace net {
namespace {

constexpr UINT kSocketNotice = WM_APP + 1; // wParam: socket, lParam: event and error
constexpr UINT kLookupDone = WM_APP + 2;   // wParam: attempt, lParam: addrinfo list (or 0)
constexpr UINT kHostRefused = WM_APP + 3;  // wParam: attempt

const wchar_t* const kWindowClass = L"DunmoraDeskSocketNotices";

bool StartWinsock() {
    static const bool started = [] {
        WSADATA data{};
        return WSAStartup(MAKEWORD(2, 2), &data) == 0;
    }();
    return started;
}

LRESULT CALLBACK NoticeProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

HWND CreateNoticeWindow(void* owner) {
    static const bool registered = [] {
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof windowClass;
        windowClass.lpfnWndProc = NoticeProcedure;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = kWindowClass;
        return RegisterClassExW(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
    }();
    if (!registered)
        return nullptr;
    HWND window = CreateWindowExW(0, kWindowClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                  GetModuleHandleW(nullptr), nullptr);
    if (window)
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(owner));
    return window;
}

class WinsockTcpClientSocket final : public TcpClientSocket {
  public:
    WinsockTcpClientSocket() : started_(StartWinsock()), window_(CreateNoticeWindow(this)) {}

    ~WinsockTcpClientSocket() override {
        Close();
        if (window_) {
            // Lookups still running post to a window that is gone: they free
            // their own results when the post fails.
            SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
            DestroyWindow(window_);
        }
    }

    void SetEvents(SocketEvents events) override { events_ = std::move(events); }
    int State() const override { return state_; }

    void Connect(const std::string& host, std::uint16_t port) override {
        Close();
        if (!started_ || !window_ || !IsPlausibleHostName(host)) {
            // Reported from the message loop, as a failed lookup would be.
            state_ = sckError;
            PostMessageW(window_, kHostRefused, attempt_, 0);
            return;
        }
        state_ = sckResolvingHost;
        std::thread(Lookup, window_, attempt_, host, std::to_string(port)).detach();
    }

    void Close() override {
        ++attempt_;
        CloseConnection();
        ForgetAddresses();
        state_ = sckClosed;
    }

    std::string GetData(std::size_t maxLength) override {
        if (socket_ == INVALID_SOCKET || maxLength == 0)
            return {};
        std::string bytes(maxLength, '\0');
        const int count = recv(socket_, bytes.data(), static_cast<int>(maxLength), 0);
        bytes.resize(count > 0 ? static_cast<std::size_t>(count) : 0);
        return bytes;
    }

    LRESULT Notice(UINT message, WPARAM wParam, LPARAM lParam) {
        switch (message) {
        case kHostRefused:
            if (wParam == attempt_ && state_ == sckError)
                RaiseError();
            return 0;
        case kLookupDone: {
            auto* found = reinterpret_cast<addrinfo*>(lParam);
            if (wParam != attempt_) {
                if (found)
                    freeaddrinfo(found);
                return 0;
            }
            addresses_ = found;
            next_ = found;
            ConnectNext();
            return 0;
        }
        case kSocketNotice:
            if (static_cast<SOCKET>(wParam) == socket_)
                SocketNotice(WSAGETSELECTEVENT(lParam), WSAGETSELECTERROR(lParam));
            return 0;
        default:
            return 0;
        }
    }

  private:
    // Runs on its own thread: it touches nothing of the socket object.
    static void Lookup(HWND window, WPARAM attempt, std::string host, std::string port) {
        addrinfo hints{};
        hints.ai_family = AF_UNSPEC;
        hints.ai_socktype = SOCK_STREAM;
        hints.ai_protocol = IPPROTO_TCP;
        addrinfo* found = nullptr;
        if (getaddrinfo(host.c_str(), port.c_str(), &hints, &found) != 0)
            found = nullptr;
        if (!PostMessageW(window, kLookupDone, attempt, reinterpret_cast<LPARAM>(found)) && found)
            freeaddrinfo(found);
    }

    // Tries the looked-up addresses in order; the error event only when none is left.
    void ConnectNext() {
        CloseConnection();
        for (; next_; next_ = next_->ai_next) {
            socket_ = socket(next_->ai_family, next_->ai_socktype, next_->ai_protocol);
            if (socket_ == INVALID_SOCKET)
                continue;
            if (WSAAsyncSelect(socket_, window_, kSocketNotice, FD_CONNECT | FD_READ | FD_CLOSE) == 0) {
                const int result = connect(socket_, next_->ai_addr, static_cast<int>(next_->ai_addrlen));
                if (result == 0 || WSAGetLastError() == WSAEWOULDBLOCK) {
                    state_ = sckConnecting;
                    next_ = next_->ai_next;
                    return;
                }
            }
            CloseConnection();
        }
        Fail();
    }

    void SocketNotice(int event, int error) {
        switch (event) {
        case FD_CONNECT:
            if (error != 0)
                return ConnectNext();
            state_ = sckConnected;
            ForgetAddresses();
            return;
        case FD_READ:
            if (const u_long waiting = Waiting(); waiting > 0 && events_.dataArrival)
                events_.dataArrival(waiting);
            return;
        case FD_CLOSE:
            // A reset is an error, an orderly close a close, after whatever
            // arrived before it.
            if (error != 0 || ResetByPeer())
                return Fail();
            if (const u_long waiting = Waiting(); waiting > 0 && events_.dataArrival)
                events_.dataArrival(waiting);
            if (socket_ == INVALID_SOCKET || state_ != sckConnected)
                return; // closed by the data's handler
            state_ = sckClosing;
            if (events_.close)
                events_.close();
            return;
        default:
            return;
        }
    }

    // The notice's error code does not always carry a reset (Wine reports
    // none); the socket itself does: with nothing left to read, a read fails
    // with a reset where an orderly close reads the end.
    bool ResetByPeer() const {
        if (Waiting() > 0)
            return false;
        char byte = 0;
        return recv(socket_, &byte, 1, MSG_PEEK) == SOCKET_ERROR && WSAGetLastError() == WSAECONNRESET;
    }

    u_long Waiting() const {
        u_long waiting = 0;
        if (socket_ == INVALID_SOCKET || ioctlsocket(socket_, FIONREAD, &waiting) != 0)
            return 0;
        return waiting;
    }

    void Fail() {
        CloseConnection();
        ForgetAddresses();
        state_ = sckError;
        RaiseError();
    }

    void RaiseError() {
        if (events_.error)
            events_.error();
    }

    void CloseConnection() {
        if (socket_ != INVALID_SOCKET)
            closesocket(socket_); // its pending notices name a socket no longer ours
        socket_ = INVALID_SOCKET;
    }

    void ForgetAddresses() {
        if (addresses_)
            freeaddrinfo(addresses_);
        addresses_ = nullptr;
        next_ = nullptr;
    }

    bool started_ = false;
    HWND window_ = nullptr;
    SocketEvents events_;
    int state_ = sckClosed;
    WPARAM attempt_ = 0;
    SOCKET socket_ = INVALID_SOCKET;
    addrinfo* addresses_ = nullptr;
    addrinfo* next_ = nullptr;
};

LRESULT CALLBACK NoticeProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* owner = reinterpret_cast<WinsockTcpClientSocket*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (owner && message >= kSocketNotice && message <= kHostRefused)
        return owner->Notice(message, wParam, lParam);
    if (message == kLookupDone && lParam) // its socket is gone
        freeaddrinfo(reinterpret_cast<addrinfo*>(lParam));
    return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace

std::unique_ptr<TcpClientSocket> CreateTcpClientSocket() {
    return std::make_unique<WinsockTcpClientSocket>();
}

} // namespace net
