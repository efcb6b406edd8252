#include "app/qt/QtMainWindow.h"

#include "app/ControlNames.h"
#include "app/ProgramServices.h"
#include "app/StoredButtons.h"
#include "app/WindowLayout.h"
#include "app/qt/AppIcon.h"
#include "app/qt/IndicatorShape.h"
#include "app/qt/WindowFonts.h"
#include "app/qt/ZtCommandButton.h"
#include "ztbuttons/ZtButton.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QListWidget>
#include <QPlainTextEdit>

#include <mutex>

namespace app::qt {
namespace {

QRect ToRect(const ControlBox& box) {
    return QRect(box.left, box.top, box.width, box.height);
}

QPlainTextEdit* CreateTextBox(QWidget* parent, const char* name, const QString& accessibleName) {
    auto* box = new QPlainTextEdit(parent);
    box->setObjectName(name);
    box->setAccessibleName(accessibleName);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setTabChangesFocus(true); // Tab moves on to the next control, as in any form
    return box;
}

// Assistive technology sees the window as a frame, as any application's main
// window; Qt would show a plain top-level widget as a filler.
QAccessibleInterface* WindowAccessible(const QString& className, QObject* object) {
    if (className == QLatin1String("QWidget") && dynamic_cast<QtMainWindow*>(object) != nullptr)
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
    return nullptr;
}

} // namespace

QtMainWindow::QtMainWindow(AppEnvironment environment, std::function<void(int)> sleep)
    : pump_(std::move(sleep)) {
    static std::once_flag windowAccessible;
    std::call_once(windowAccessible, [] { QAccessible::installFactory(WindowAccessible); });
    setObjectName("frmTime");
    setWindowTitle(QStringLiteral("北京时间"));
    setWindowIcon(CreateAppIcon());
    // Wider for long result lines; taller down to the server test.
    setMinimumSize(kStoredClientWidth, kStoredClientHeight);
    setMaximumSize(QWIDGETSIZE_MAX, kFullClientHeight);
    resize(kStoredClientWidth, kStoredClientHeight);
    CreateControls();
    ApplyLayout();
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (now && isAncestorOf(now))
            ShowFocusedControl(now);
    });

    form_ = std::make_unique<frmTime>(
        WindowControls{*this, *resultList_, *shpDateTime, *hostsBox_, *answeredBox_, *showTimeBox_,
                       *dateTimeButton_, *homePageButton_, *serverTestButton_},
        pump_, WithProgramServices(std::move(environment), [] {
            return QCoreApplication::applicationFilePath().toStdString();
        }));
}

QtMainWindow::~QtMainWindow() {
    form_.reset(); // before the controls it points at
}

// Controls are created in tab order, so the synchronise button comes first and
// has the focus when the window opens.
void QtMainWindow::CreateControls() {
    const WindowLayout layout = LayOutWindow(kStoredClientWidth);
    dateTimeButton_ =
        std::make_unique<ZtCommandButton>(this, "cmdDateTime", ToRect(layout.cmdDateTime), StoredDateTimeButton());
    cmdDateTime = dateTimeButton_->Widget();

    lstResult = new QListWidget(this);
    lstResult->setObjectName("lstResult");
    lstResult->setAccessibleName(QString::fromUtf8(kResultListName));
    lstResult->setFont(SongFont(10.5));
    QPalette listColours = lstResult->palette();
    listColours.setColor(QPalette::Base, QColor(64, 64, 64));
    listColours.setColor(QPalette::Text, QColor(255, 255, 255));
    lstResult->setPalette(listColours);

    txtCeShi = CreateTextBox(this, "txtCeShi", QString::fromUtf8(kTestedServersName));
    txtYouXiao = CreateTextBox(this, "txtYouXiao", QString::fromUtf8(kWorkingServersName));
    serverTestButton_ =
        std::make_unique<ZtCommandButton>(this, "cmdCeShi", ToRect(layout.cmdCeShi), StoredServerTestButton());
    cmdCeShi = serverTestButton_->Widget();

    chkCeshi = new QCheckBox(QStringLiteral("显示时间"), this);
    chkCeshi->setObjectName("chkCeshi");
    // Small Song text blurred by smoothing reads as grey, like a disabled
    // control: drawn sharp, as the buttons' captions are, it reads in the
    // text colour.
    QFont captionFont = SongFont(9);
    captionFont.setStyleStrategy(QFont::NoAntialias);
    chkCeshi->setFont(captionFont);

    homePageButton_ = std::make_unique<ZtCommandButton>(this, "cmdHomePage", ToRect(layout.cmdHomePage),
                                                        StoredHomePageButton(kPublisherHost));
    cmdHomePage = homePageButton_->Widget();

    shpDateTime = new IndicatorShape(this);
    shpDateTime->setObjectName("shpDateTime");

    resultList_ = std::make_unique<QtResultList>(*lstResult);
    hostsBox_ = std::make_unique<QtTextBox>(*txtCeShi);
    answeredBox_ = std::make_unique<QtTextBox>(*txtYouXiao);
    showTimeBox_ = std::make_unique<QtCheckBox>(*chkCeshi);
}

void QtMainWindow::ApplyLayout() {
    const WindowLayout layout = LayOutWindow(width());
    lstResult->setGeometry(ToRect(layout.lstResult));
    cmdHomePage->setGeometry(ToRect(layout.cmdHomePage));
    shpDateTime->setGeometry(ToRect(layout.shpDateTime));
    cmdDateTime->setGeometry(ToRect(layout.cmdDateTime));
    txtCeShi->setGeometry(ToRect(layout.txtCeShi));
    cmdCeShi->setGeometry(ToRect(layout.cmdCeShi));
    chkCeshi->setGeometry(ToRect(layout.chkCeshi));
    txtYouXiao->setGeometry(ToRect(layout.txtYouXiao));
}

void QtMainWindow::ShowFocusedControl(QWidget* focused) {
    // The control itself, not an inner widget of it.
    while (focused->parentWidget() && focused->parentWidget() != this)
        focused = focused->parentWidget();
    const QRect place = focused->geometry();
    const int needed = ClientHeightShowing({place.x(), place.y(), place.width(), place.height()}, height());
    if (needed > height())
        resize(width(), needed);
}

void QtMainWindow::SetTitle(const std::string& title) {
    const QString caption = QString::fromStdString(title);
    setWindowTitle(caption);
    QGuiApplication::setApplicationDisplayName(caption);
}

void QtMainWindow::Show() {
    show();
    repaint();
}

void QtMainWindow::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    // A server-list download waits in an event loop of its own; ending the
    // application's event loops ends it too, instead of at its time-out.
    if (form_ && form_->Form_Unload())
        QCoreApplication::exit(form_->ExitStatus());
}

void QtMainWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    ApplyLayout();
}

} // namespace app::qt
