#include "app/frmTime.h"

#include "app/AppIcon.h"
#include "app/CommandLine.h"
#include "app/IndicatorShape.h"
#include "app/StoredButtons.h"
#include "app/WindowFonts.h"
#include "platform/shell/Shell.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QCheckBox>
#include <QFileInfo>
#include <QListWidget>
#include <QPlainTextEdit>

#include <chrono>
#include <mutex>
#include <thread>

namespace app {
namespace {

// The stored client area shows the upper group; the server test lies below it
// and is reached by enlarging the window downwards.
constexpr int kClientWidth = 279;
constexpr int kClientHeight = 135;
constexpr int kFullHeight = 407; // down to the lower text box and a margin

QPlainTextEdit* CreateTextBox(QWidget* parent, const char* name, const QRect& geometry) {
    auto* box = new QPlainTextEdit(parent);
    box->setObjectName(name);
    box->setGeometry(geometry);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setTabChangesFocus(true); // Tab moves on to the next control, as in any form
    return box;
}

// Assistive technology sees the window as a frame, as any application's main
// window; Qt would show a plain top-level widget as a filler.
QAccessibleInterface* WindowAccessible(const QString& className, QObject* object) {
    if (className == QLatin1String("QWidget") && dynamic_cast<frmTime*>(object) != nullptr)
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
    return nullptr;
}

} // namespace

frmTime::frmTime(AppEnvironment environment) : env_(std::move(environment)) {
    static std::once_flag windowAccessible;
    std::call_once(windowAccessible, [] { QAccessible::installFactory(WindowAccessible); });
    if (env_.programName.isEmpty())
        env_.programName = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
    setObjectName("frmTime");
    setWindowTitle(QStringLiteral("北京时间"));
    setWindowIcon(CreateAppIcon());
    setMinimumSize(kClientWidth, kClientHeight);
    setMaximumSize(kClientWidth, kFullHeight);
    resize(kClientWidth, kClientHeight);
    CreateControls();

    wscDateTime = env_.createSocket();
    wscDateTime->SetEvents({[this](std::size_t bytes) { wscDateTime_DataArrival(bytes); },
                            [this] { wscDateTime_Error(); }, [this] { wscDateTime_Close(); }});
}

frmTime::~frmTime() = default;

// Controls are created in tab order, so the synchronise button comes first and
// has the focus when the window opens.
void frmTime::CreateControls() {
    cmdDateTime =
        CreateCommandButton(this, {"cmdDateTime", QRect(170, 112, 105, 21), StoredDateTimeButton()});

    lstResult = new QListWidget(this);
    lstResult->setObjectName("lstResult");
    lstResult->setGeometry(2, 4, 275, 103);
    lstResult->setFont(SongFont(10.5));
    QPalette listColours = lstResult->palette();
    listColours.setColor(QPalette::Base, QColor(64, 64, 64));
    listColours.setColor(QPalette::Text, QColor(255, 255, 255));
    lstResult->setPalette(listColours);
    lstResult->setAccessibleName(QStringLiteral("结果列表"));

    txtCeShi = CreateTextBox(this, "txtCeShi", QRect(2, 200, 275, 89));
    txtYouXiao = CreateTextBox(this, "txtYouXiao", QRect(2, 316, 275, 89));
    txtCeShi->setAccessibleName(QStringLiteral("要测试的服务器地址"));
    txtYouXiao->setAccessibleName(QStringLiteral("有效的服务器地址"));
    cmdCeShi = CreateCommandButton(this, {"cmdCeShi", QRect(89, 292, 181, 21), StoredServerTestButton()});

    chkCeshi = new QCheckBox(QStringLiteral("显示时间"), this);
    chkCeshi->setObjectName("chkCeshi");
    chkCeshi->setGeometry(9, 295, 73, 19);

    cmdHomePage = CreateCommandButton(
        this, {"cmdHomePage", QRect(2, 110, 139, 23), StoredHomePageButton(kPublisherHost)});

    shpDateTime = new IndicatorShape(this);
    shpDateTime->setObjectName("shpDateTime");
    shpDateTime->setGeometry(148, 108, 15, 25);
    shpDateTime->setVisible(false);

    cmdDateTime->OnClick([this] { cmdDateTime_Click(); });
    cmdCeShi->OnClick([this] { cmdCeShi_Click(); });
    cmdHomePage->OnClick([this] { cmdHomePage_Click(); });
}

void frmTime::Form_Load() {
    const QString caption = env_.programName + " " + VersionText();
    setWindowTitle(caption);
    QGuiApplication::setApplicationDisplayName(caption);
    show();
    repaint();
    if (CommandLineHolds("auto"))
        cmdDateTime_Click();
}

void frmTime::ShowResult(const QString& text) {
    if (text == QLatin1String("CLEAR")) {
        lstResult->clear();
        return;
    }
    WriteOutputLine(text);
    if (lstResult->count() > 300)
        lstResult->clear();
    if (text.isEmpty()) {
        lstResult->addItem(QString());
        return;
    }
    lstResult->addItem(" " + text);
    lstResult->setCurrentRow(lstResult->count() - 1);
    lstResult->scrollToItem(lstResult->currentItem());
    // Shown now: the command has not yet returned to the event loop.
    lstResult->viewport()->repaint();
}

void frmTime::QueryDaytime(const QString& host) {
    SocketFailed = false;
    ReplyText.clear();
    if (wscDateTime->State() != net::sckClosed)
        wscDateTime->Close();
    if (closedWhileRunning_) // the window is gone: nothing more is sent
        return;
    wscDateTime->Connect(host.toStdString(), env_.daytimePort);

    // The socket's events are delivered only inside this wait.
    for (int step = 0; step < env_.timing.maxSteps; ++step) {
        if (!ReplyText.isEmpty() || SocketFailed || closedWhileRunning_)
            break;
        Sleep(env_.timing.stepMs);
        shpDateTime->SetFillColor(RandomIndicatorColor());
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    }

    if (wscDateTime->State() != net::sckClosed)
        wscDateTime->Close();
}

QString frmTime::GetServerTime(const QString& host) {
    QueryDaytime(host);
    if (!ReplyText.isEmpty()) {
        // NIST's servers refuse a client that asks again within 4 seconds.
        if (ReplyText.contains(QLatin1String("UTC(NIST)")))
            PauseProcessingEvents(env_.timing.nistPauseSteps);
        QueryDaytime(host);
    }
    return ReplyText;
}

// Waits like a query does: the window repaints, the indicator blinks and the
// window can be closed meanwhile.
void frmTime::PauseProcessingEvents(int steps) {
    for (int step = 0; step < steps && !closedWhileRunning_; ++step) {
        Sleep(env_.timing.stepMs);
        shpDateTime->SetFillColor(RandomIndicatorColor());
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    }
}

void frmTime::wscDateTime_DataArrival(std::size_t bytesTotal) {
    // Each arrival replaces the reply; nothing is appended.
    ReplyText = QString::fromStdString(wscDateTime->GetData(bytesTotal));
}

void frmTime::wscDateTime_Error() {
    SocketFailed = true;
}

void frmTime::wscDateTime_Close() {
    if (wscDateTime->State() != net::sckClosed)
        wscDateTime->Close();
}

void frmTime::cmdHomePage_Click() {
    const QString caption = cmdHomePage->Caption();
    const qsizetype colon = caption.indexOf(':');
    const QString address = "http://" + (colon >= 0 ? caption.mid(colon + 1) : caption);
    if (env_.openUrl)
        env_.openUrl(address);
    else
        shell::ShellExecuteA(nullptr, nullptr, address.toUtf8().constData(), nullptr, nullptr,
                             shell::SW_SHOWNOACTIVATE);
}

void frmTime::Sleep(int milliseconds) {
    if (env_.sleep)
        env_.sleep(milliseconds);
    else
        std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

bool frmTime::CommandLineHolds(const QString& word) const {
    return env_.commandLine.toLower().contains(word);
}

} // namespace app
