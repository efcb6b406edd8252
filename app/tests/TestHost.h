#pragma once
// A host for the program's behaviour in memory: a result list, text boxes,
// a check box, an indicator, buttons and a window that record what they are
// told, and an event pump whose sleeps pass in virtual time and whose event
// processing delivers the fake network's socket events.
#include "app/EventPump.h"
#include "app/WindowParts.h"
#include "app/frmTime.h"
#include "app/tests/FakeNetwork.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace app::testing {

class MemoryResultList final : public ResultList {
  public:
    void AddLine(const std::string& text, bool select) override;
    void Clear() override { lines.clear(), selected = -1; }
    int Count() const override { return static_cast<int>(lines.size()); }
    std::vector<std::string> lines;
    int selected = -1; // the selected line, shown and painted at once
    int shownAtOnce = 0;
};

class MemoryTextBox final : public TextBox {
  public:
    std::string Text() const override { return text; }
    void SetText(const std::string& value) override { text = value; }
    void Append(const std::string& value) override { text += value; }
    std::string text;
};

class MemoryCheckBox final : public CheckBox {
  public:
    bool Ticked() const override { return ticked; }
    bool ticked = false;
};

class MemoryIndicator final : public Indicator {
  public:
    void SetVisible(bool value) override { visible = value; }
    void SetFillColor(IndicatorColor color) override { fill = color; }
    bool visible = true;
    IndicatorColor fill{192, 0, 0};
};

class MemoryButton final : public CommandButton {
  public:
    explicit MemoryButton(std::string initialCaption) : caption(std::move(initialCaption)) {}
    void OnClick(std::function<void()> handler) override { click = std::move(handler); }
    std::string Caption() const override { return caption; }
    void SetCaption(const std::string& value) override { caption = value; }
    bool Enabled() const override { return enabled; }
    void SetEnabled(bool value) override { enabled = value; }
    // A click as the user makes it: a disabled button takes none.
    void Click() {
        if (enabled && click)
            click();
    }
    std::string caption;
    bool enabled = true;
    std::function<void()> click;
};

class TestHost;

class MemoryWindow final : public MainWindow {
  public:
    explicit MemoryWindow(TestHost& host) : host_(host) {}
    void SetTitle(const std::string& value) override { title = value; }
    void Show() override { visible = true; }
    void Close() override;
    std::string title;
    bool visible = false;
    // The host ended its event loops for a close during a command.
    bool eventLoopsEnded = false;

  private:
    TestHost& host_;
};

class TestHost final : public EventPump {
  public:
    // Services the environment leaves empty come from the fakes below.
    explicit TestHost(AppEnvironment environment);
    ~TestHost() override;
    frmTime& Form() { return *form_; }

    void ProcessPendingEvents() override;
    void Sleep(int milliseconds) override;

    MemoryWindow window{*this};
    MemoryResultList lstResult;
    MemoryIndicator shpDateTime;
    MemoryTextBox txtCeShi;
    MemoryTextBox txtYouXiao;
    MemoryCheckBox chkCeshi;
    MemoryButton cmdDateTime{"获取标准时间"};
    MemoryButton cmdHomePage{"www.dunmora.example"};
    MemoryButton cmdCeShi{"测试上面的地址，有效的放下面"};

    FakeDaytimeServer daytime;
    FakeHttp http;
    std::vector<int> sleeps;        // every sleep asked for, in ms
    long long elapsedMs = 0;        // virtual time: the sum of the sleeps
    int eventRounds = 0;            // calls of ProcessPendingEvents
    std::function<void()> onSleep;  // runs inside each sleep (the command is mid-way)
    std::function<void()> onEvents; // runs inside each round of event processing
    std::vector<std::string> output; // lines written for standard output
    std::vector<std::string> openedUrls;

  private:
    std::unique_ptr<frmTime> form_;
};

} // namespace app::testing
