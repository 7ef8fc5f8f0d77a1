#include "platform/WindowPosition.h"

#include <gtest/gtest.h>

#include <map>

#include "support/TempFolder.h"

namespace ntx {
namespace {

// A window that keeps its state and logs what the rules asked of it.
class FakeWindow : public PositionedWindow {
  public:
    FakeWindow(bool resizable, bool maximized = false, bool minimized = false)
        : resizable_(resizable), maximized_(maximized), minimized_(minimized) {}
    bool isMaximized() const override { return maximized_; }
    bool isMinimized() const override { return minimized_; }
    bool isResizable() const override { return resizable_; }
    WindowPlacement placement() const override { return placement_; }
    void moveTo(int x, int y) override {
        placement_.x = x;
        placement_.y = y;
        log("move " + std::to_string(x) + "," + std::to_string(y));
    }
    void resizeTo(int width, int height) override {
        placement_.width = width;
        placement_.height = height;
        log("size " + std::to_string(width) + "x" + std::to_string(height));
    }
    void setMaximized(bool on) override {
        maximized_ = on;
        log(on ? "maximise" : "unmaximise");
    }
    void setMinimized(bool on) override {
        minimized_ = on;
        if (on) log("minimise");
    }
    void log(const std::string& s) { calls += (calls.empty() ? "" : "; ") + s; }

    WindowPlacement placement_{10, 20, 300, 200};
    std::string calls;

  private:
    bool resizable_, maximized_, minimized_;
};

class WindowPositions : public ::testing::Test {
  protected:
    void SetUp() override { store.open(folder / "NTX.ini"); }
    // The keys of a section as "key=value" lines in a fixed order.
    std::string section(const std::string& name) {
        std::string out;
        for (const char* key : {"Maximize", "Minimize", "XPos", "YPos", "Width", "Height"}) {
            if (auto v = store.fetchValue(name, key)) out += std::string(key) + "=" + *v + " ";
        }
        return out;
    }
    void write(const std::string& name, const std::map<std::string, std::string>& keys) {
        for (const auto& [k, v] : keys) store.updateValue(name, k, v);
    }
    test::TempFolder folder;
    SettingsStore store;
};

TEST_F(WindowPositions, Saving) {
    struct Case {
        const char* name;
        bool resizable, maximized, minimized;
        std::string expected;
    };
    const Case cases[] = {
        {"normal, resizable", true, false, false,
         "Maximize=No Minimize=No XPos=10 YPos=20 Width=300 Height=200 "},
        {"normal, fixed size", false, false, false, "Maximize=No Minimize=No XPos=10 YPos=20 "},
        {"maximised", true, true, false, "Maximize=Yes Minimize=No "},
        {"minimised", true, false, true, "Maximize=No Minimize=Yes "},
        {"minimised fixed", false, false, true, "Maximize=No Minimize=Yes "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        // Keys left from an earlier save go when they no longer apply.
        write("Win", {{"XPos", "1"}, {"YPos", "2"}, {"Width", "3"}, {"Height", "4"}});
        const FakeWindow w(c.resizable, c.maximized, c.minimized);
        EXPECT_TRUE(updateWindowPosition(store, "Win", w));
        EXPECT_EQ(section("Win"), c.expected);
    }
}

TEST_F(WindowPositions, Restoring) {
    struct Case {
        const char* name;
        std::map<std::string, std::string> saved;
        bool resizable, startsMaximized;
        std::string calls;
    };
    const std::map<std::string, std::string> normal{{"Maximize", "No"}, {"Minimize", "No"},
                                                    {"XPos", "40"},     {"YPos", "-5"},
                                                    {"Width", "500"},   {"Height", "250"}};
    auto with = [&](std::map<std::string, std::string> m, const std::string& k,
                    const std::string& v) {
        m[k] = v;
        return m;
    };
    const Case cases[] = {
        {"never written", {}, true, false, ""},
        {"Maximize deleted", with({{"XPos", "40"}, {"YPos", "50"}}, "Minimize", "Yes"), true, false,
         ""},
        {"Maximize garbled", with(normal, "Maximize", "maybe"), true, false, ""},
        {"normal, resizable", normal, true, false, "move 40,-5; size 500x250"},
        {"normal, fixed size", normal, false, false, "move 40,-5"},
        {"was normal, opens maximised", normal, true, true, "unmaximise; move 40,-5; size 500x250"},
        {"maximised", {{"Maximize", "Yes"}, {"Minimize", "No"}}, true, false, "maximise"},
        {"maximised, opens maximised", {{"Maximize", "Yes"}, {"Minimize", "No"}}, true, true, ""},
        {"minimised", with(normal, "Minimize", "Yes"), true, false,
         "move 40,-5; size 500x250; minimise"},
        {"bad numbers", with(with(normal, "XPos", "4O"), "Width", "0"), true, false, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        store.deleteValue("Win", "Maximize");
        store.deleteValue("Win", "Minimize");
        for (const char* k : {"XPos", "YPos", "Width", "Height"}) store.deleteValue("Win", k);
        write("Win", c.saved);
        FakeWindow w(c.resizable, c.startsMaximized);
        fetchWindowPosition(store, "Win", w);
        EXPECT_EQ(w.calls, c.calls);
    }
}

TEST_F(WindowPositions, ClosedMaximisedReopensMaximisedWithoutItsNormalPlace) {
    FakeWindow closing(true);
    closing.moveTo(70, 80);
    ASSERT_TRUE(updateWindowPosition(store, "BrowseBirthdays", closing));
    closing.setMaximized(true);
    ASSERT_TRUE(updateWindowPosition(store, "BrowseBirthdays", closing));
    store.close();
    store.open(folder / "NTX.ini");
    FakeWindow opening(true);
    fetchWindowPosition(store, "BrowseBirthdays", opening);
    EXPECT_EQ(opening.calls, "maximise");
    EXPECT_EQ(opening.placement(), (WindowPlacement{10, 20, 300, 200}));
}

}  // namespace
}  // namespace ntx
