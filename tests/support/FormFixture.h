#pragma once
// Entry forms driven the way a user drives them, over a temporary folder with scripted
// services and a fixed today: an owner window standing in for the list, the first thread
// with the Birthday file open, and helpers to type, leave entries and press buttons.

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "data/BirthdayFile.h"
#include "platform/DatePicture.h"
#include "support/FrameFixture.h"

namespace ntx::test {

class FormFixture : public FrameFixture {
  public:
    FormFixture() {
        people().open();
        owner.resize(200, 100);
        owner.show();
    }
    ~FormFixture() { people().close(); }

    FileAccessManager& people() { return first.files().birthdays(); }
    RecordBuffer& buffer() { return people().buffer(); }

    // Adds a person; the buffer then holds that person, as the list leaves it for a change.
    void addPerson(const std::function<void(RecordBuffer&)>& fill) {
        buffer().clear();
        fill(buffer());
        if (!people().insert()) throw std::runtime_error("insert failed");
    }

    // The stored person with these names, read on another thread's connection.
    std::optional<RecordValues> stored(const std::string& last, const std::string& firstName) {
        ThreadContext& reader = threads.start();
        FileAccessManager& file = reader.files().birthdays();
        std::optional<RecordValues> found;
        if (file.open()) {
            file.buffer().setText(bir::LASTNAME, last);
            file.buffer().setText(bir::FIRSTNAME, firstName);
            if (file.fetch(birkey::NameKey)) found = file.buffer().values();
            file.close();
        }
        threads.end(reader.number());
        return found;
    }

    // What the form's callback was called with, in order.
    std::function<void(std::uint8_t)> recorder() {
        return [this](std::uint8_t response) { responses.push_back(response); };
    }

    // The captions of the messages shown so far.
    std::vector<std::string> captions() const {
        std::vector<std::string> out;
        for (const auto& m : ui.messages.shown) out.push_back(m.caption);
        return out;
    }

    QWidget owner;
    std::vector<std::uint8_t> responses;
};

// Makes the form the active window, so that focus moves as it does for a user.
inline void activate(QWidget* form) {
    form->activateWindow();
    QApplication::setActiveWindow(form);
    QApplication::processEvents();
}

template <class W = QLineEdit>
W* control(QWidget* form, const char* name) {
    W* w = form->findChild<W*>(QString::fromLatin1(name));
    if (w == nullptr) throw std::runtime_error(std::string("no control ") + name);
    return w;
}

// Clicks into the entry and types over what it shows, or clears it (the entry keeps the
// focus).
inline void typeInto(QLineEdit* entry, const QString& text) {
    entry->setFocus(Qt::MouseFocusReason);
    entry->selectAll();
    if (text.isEmpty()) {
        QTest::keyClick(entry, Qt::Key_Backspace);
    } else {
        QTest::keyClicks(entry, text);
    }
}

// Leaves the focused control with Tab.
inline void tabOut(QWidget* control) {
    QTest::keyClick(control, Qt::Key_Tab);
}

inline void click(QWidget* button) {
    QTest::mouseClick(button, Qt::LeftButton);
}

// A date as the user types it into a short-date entry.
inline QString typedDate(Date d) {
    return QString::fromStdString(formatDate(*parsePicture("D17"), d, conventionsOfUserLocale()));
}

}  // namespace ntx::test
