// The server-list download on Windows: WinHTTP with the four time-outs, up to
// five redirects and https with the system's certificate store. The request
// runs on a thread of its own while the calling thread keeps processing its
// window messages, so the window paints and can be closed meanwhile; a quit
// message (the window closed during a command) cancels the download at once.
#include "platform/net/HttpClient.h"
#include "platform/unicode/Utf16.h"

#include <windows.h>

#include <winhttp.h>

#include <atomic>
#include <string>
#include <thread>

namespace net {
namespace {

// Closes a WinHTTP handle once, from whichever thread gets there first.
class HandleCloser {
  public:
    void Hold(HINTERNET handle) { handle_.store(handle); }
    void Close() {
        if (HINTERNET handle = handle_.exchange(nullptr))
            WinHttpCloseHandle(handle);
    }

  private:
    std::atomic<HINTERNET> handle_{nullptr};
};

struct Download {
    std::wstring url;
    HttpTimeouts timeouts;
    HttpGetResult result;
    // Closing the request ends a read or a wait that blocks the download's thread.
    HandleCloser request;
    HandleCloser session;

    void Cancel() {
        request.Close();
        session.Close();
    }
};

// Runs on the download's thread.
void Fetch(Download& download) {
    URL_COMPONENTS parts{};
    parts.dwStructSize = sizeof parts;
    parts.dwHostNameLength = static_cast<DWORD>(-1);
    parts.dwUrlPathLength = static_cast<DWORD>(-1);
    parts.dwExtraInfoLength = static_cast<DWORD>(-1);
    if (!WinHttpCrackUrl(download.url.c_str(), 0, 0, &parts) ||
        (parts.nScheme != INTERNET_SCHEME_HTTP && parts.nScheme != INTERNET_SCHEME_HTTPS) || parts.dwHostNameLength == 0)
        return;
    const std::wstring host(parts.lpszHostName, parts.dwHostNameLength);
    std::wstring path(parts.lpszUrlPath, parts.dwUrlPathLength);
    path.append(parts.lpszExtraInfo, parts.dwExtraInfoLength);
    if (path.empty())
        path = L"/";

    HINTERNET session = WinHttpOpen(L"DunmoraDesk", WINHTTP_ACCESS_TYPE_DEFAULT_PROXY, WINHTTP_NO_PROXY_NAME,
                                    WINHTTP_NO_PROXY_BYPASS, 0);
    if (!session)
        return;
    download.session.Hold(session);
    const HttpTimeouts& t = download.timeouts;
    WinHttpSetTimeouts(session, t.resolveMs, t.connectMs, t.sendMs, t.receiveMs);
    HINTERNET connection = WinHttpConnect(session, host.c_str(), parts.nPort, 0);
    HINTERNET request =
        connection ? WinHttpOpenRequest(connection, L"GET", path.c_str(), nullptr, WINHTTP_NO_REFERER,
                                        WINHTTP_DEFAULT_ACCEPT_TYPES,
                                        parts.nScheme == INTERNET_SCHEME_HTTPS ? WINHTTP_FLAG_SECURE : 0)
                   : nullptr;
    download.request.Hold(request);
    DWORD redirects = kMaxHttpRedirects;
    // The receive time-out bounds each read of the body; the wait for the
    // response's head has a time-out of its own (90 s on Windows, none under
    // Wine), so a server that accepts and stays silent is left after the
    // same time.
    DWORD headWait = static_cast<DWORD>(t.receiveMs);
    if (request && WinHttpSetOption(request, WINHTTP_OPTION_MAX_HTTP_AUTOMATIC_REDIRECTS, &redirects, sizeof redirects) &&
        WinHttpSetOption(request, WINHTTP_OPTION_RECEIVE_RESPONSE_TIMEOUT, &headWait, sizeof headWait) &&
        WinHttpSendRequest(request, WINHTTP_NO_ADDITIONAL_HEADERS, 0, WINHTTP_NO_REQUEST_DATA, 0, 0, 0) &&
        WinHttpReceiveResponse(request, nullptr)) {
        DWORD status = 0;
        DWORD size = sizeof status;
        WinHttpQueryHeaders(request, WINHTTP_QUERY_STATUS_CODE | WINHTTP_QUERY_FLAG_NUMBER, WINHTTP_HEADER_NAME_BY_INDEX,
                            &status, &size, WINHTTP_NO_HEADER_INDEX);
        std::string body;
        bool complete = false;
        bool truncated = false;
        char buffer[16384];
        for (;;) {
            DWORD read = 0;
            if (!WinHttpReadData(request, buffer, sizeof buffer, &read))
                break; // a time-out, a reset or a cancel: nothing complete
            if (read == 0) {
                complete = true;
                break;
            }
            body.append(buffer, read);
            if (body.size() > kMaxHttpBodyBytes) {
                body.resize(kMaxHttpBodyBytes);
                complete = truncated = true;
                break;
            }
        }
        if (complete)
            download.result = HttpGetResult{true, static_cast<int>(status), std::move(body), truncated};
    }
    download.request.Close();
    if (connection)
        WinHttpCloseHandle(connection);
    download.session.Close();
}

} // namespace

// The certificates of the Linux client's tests have no counterpart here: an
// https server's certificate must be trusted by Windows' own store.
HttpGetResult HttpGet(const std::string& url, const HttpTimeouts& timeouts, const std::string&) {
    Download download;
    download.url = unicode::Utf16(url);
    download.timeouts = timeouts;
    std::atomic<bool> done{false};
    std::thread worker([&] {
        Fetch(download);
        done = true;
    });
    // The calling thread's messages run meanwhile; a quit ends the wait and
    // is left for the loop that waits for it.
    bool quit = false;
    int quitCode = 0;
    while (!done) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
        MSG message;
        while (!quit && PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) {
                quit = true;
                quitCode = static_cast<int>(message.wParam);
                download.Cancel();
                break;
            }
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    worker.join();
    if (quit) {
        PostQuitMessage(quitCode);
        return {};
    }
    return download.result;
}

} // namespace net
