#include "platform/qt/UpdateForm.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>

#include "support/FormFixture.h"

namespace ntx {
namespace {

using test::activate;
using test::click;
using test::control;
using test::FormFixture;
using test::tabOut;
using test::typedDate;
using test::typeInto;

// A small form over the Birthday file: the last name, the date of birth, one tick box and
// the memo. It primes new records with a note and counts its checks.
class NameForm : public UpdateForm {
  public:
    NameForm(AppContext& app, ThreadContext& thread, QWidget* owner, Done done)
        : UpdateForm(app, thread, thread.files().birthdays(), "NameForm", owner, std::move(done)) {
        auto* layout = new QVBoxLayout(this);
        auto* name = bindEntry(new QLineEdit(this), bir::LASTNAME, "s25");
        name->setObjectName("BIR:LASTNAME");
        auto* dob = bindEntry(new QLineEdit(this), bir::DOB, "D17B");
        dob->setObjectName("BIR:DOB");
        auto* skip = bindCheck(new QCheckBox(this), bir::SKIPPRINTBIRTH);
        skip->setObjectName("BIR:SKIPPRINTBIRTH");
        auto* memo = bindMemo(new QPlainTextEdit(this));
        memo->setObjectName("BIR:NOTESBIG");
        for (QWidget* w :
             {static_cast<QWidget*>(name), static_cast<QWidget*>(dob), static_cast<QWidget*>(skip),
              static_cast<QWidget*>(memo), static_cast<QWidget*>(okButton()),
              static_cast<QWidget*>(cancelButton())}) {
            layout->addWidget(w);
        }
        setCaptions("Add", "Edit", "View");
        setFirstFocus(name);
    }

    int checks = 0;
    std::vector<int> accepted;

  protected:
    void primeRecord() override { record().setText(bir::NOTES, "primed"); }
    void fieldAccepted(int field) override { accepted.push_back(field); }
    bool checkEntries() override {
        ++checks;
        return true;
    }
};

struct Fixture : FormFixture {
    // Opens the form on the first thread with `request`, as a list does.
    NameForm* open(std::uint8_t request) {
        first.requestCode = request;
        auto* form = new NameForm(app, first, &owner, recorder());
        form->start();
        if (request != DeleteRecord) activate(form);
        return form;
    }
    void addSmith() {
        addPerson([](RecordBuffer& b) {
            b.setText(bir::LASTNAME, "Smith");
            b.setText(bir::FIRSTNAME, "Ann");
            b.setDate(bir::DOB, test::ymd(1980, 3, 15));
        });
    }
};

TEST(UpdateForm, InsertAddsAPrimedRecordWithWhatWasTyped) {
    Fixture f;
    f.addSmith();
    QPointer<NameForm> form = f.open(InsertRecord);
    EXPECT_EQ(form->windowTitle(), "Add");
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(form->windowModality(), Qt::WindowModal);
    EXPECT_EQ(f.first.requestCode, NoRequest);
    EXPECT_EQ(control(form, "BIR:LASTNAME")->text(), "");  // cleared, not the caller's person
    EXPECT_TRUE(f.responses.empty());                      // start() returned; nothing ended

    typeInto(control(form, "BIR:LASTNAME"), "Jones");
    control<QCheckBox>(form, "BIR:SKIPPRINTBIRTH")->click();
    // The memo takes no more than the record keeps.
    auto* memo = control<QPlainTextEdit>(form, "BIR:NOTESBIG");
    memo->setFocus(Qt::MouseFocusReason);
    memo->insertPlainText(QString(kMemoCapacity + 5, QLatin1Char('m')));
    EXPECT_EQ(memo->toPlainText().size(), kMemoCapacity);
    click(form->findChild<QPushButton*>("OK"));

    EXPECT_EQ(f.responses, std::vector<std::uint8_t>{RequestCompleted});
    EXPECT_EQ(f.first.responseCode, RequestCompleted);
    EXPECT_FALSE(form && form->isVisible());
    const auto jones = f.stored("Jones", "");
    ASSERT_TRUE(jones);
    EXPECT_EQ(jones->fields[bir::NOTES].text, "primed");
    EXPECT_EQ(jones->fields[bir::SKIPPRINTBIRTH].number, 1);
    EXPECT_EQ(jones->memo, std::string(kMemoCapacity, 'm'));
    EXPECT_TRUE(f.stored("Smith", "Ann"));
    // The window's place is kept under the form's name.
    EXPECT_TRUE(f.settings.fetchValue("NameForm", "XPos").has_value());
    EXPECT_EQ(f.first.errors().procedure(), "");
}

TEST(UpdateForm, ChangeWritesBackAndViewWritesNothing) {
    Fixture f;
    f.addSmith();
    QPointer<NameForm> form = f.open(ChangeRecord);
    EXPECT_EQ(form->windowTitle(), "Edit");
    EXPECT_EQ(control(form, "BIR:DOB")->text(), typedDate(test::ymd(1980, 3, 15)));
    typeInto(control(form, "BIR:DOB"), typedDate(test::ymd(1981, 4, 16)));
    click(form->findChild<QPushButton*>("OK"));
    EXPECT_EQ(f.responses, std::vector<std::uint8_t>{RequestCompleted});
    EXPECT_EQ(f.stored("Smith", "Ann")->fields[bir::DOB].number, test::ymd(1981, 4, 16));

    f.people().fetch(birkey::NameKey);
    form = f.open(ViewRecord);
    EXPECT_EQ(form->windowTitle(), "View");
    EXPECT_TRUE(control(form, "BIR:LASTNAME")->isReadOnly());
    EXPECT_FALSE(control<QCheckBox>(form, "BIR:SKIPPRINTBIRTH")->isEnabled());
    click(form->findChild<QPushButton*>("OK"));
    EXPECT_EQ(f.responses.back(), RequestCompleted);
    EXPECT_EQ(form->checks, 0);
}

TEST(UpdateForm, CancelAfterChangesAsksWhetherToSave) {
    struct Case {
        int answer;  // 1 Yes, 2 No, 3 Cancel
        std::vector<std::uint8_t> responses;
        const char* storedName;
    };
    for (const Case& c : {Case{1, {RequestCompleted}, "Smythe"},
                          Case{2, {RequestCancelled}, "Smith"}, Case{3, {}, "Smith"}}) {
        SCOPED_TRACE(c.answer);
        Fixture f;
        f.addSmith();
        QPointer<NameForm> form = f.open(ChangeRecord);
        typeInto(control(form, "BIR:LASTNAME"), "Smythe");
        f.ui.messages.answers = {c.answer};
        click(form->findChild<QPushButton*>("CANCEL"));

        ASSERT_EQ(f.ui.messages.shown.size(), 1u);
        const MessageRequest& asked = f.ui.messages.shown[0];
        EXPECT_EQ(asked.caption, "Save Record");
        EXPECT_EQ(asked.text, "Do you want to save the changes to this record?");
        EXPECT_EQ(asked.buttons, "&Yes|&No|&Cancel");
        EXPECT_EQ(asked.defaultButton, 3);
        EXPECT_EQ(f.responses, c.responses);
        EXPECT_EQ(f.people().recordCount(), 1);
        const std::string other = std::string(c.storedName) == "Smith" ? "Smythe" : "Smith";
        EXPECT_TRUE(f.stored(c.storedName, "Ann"));
        EXPECT_FALSE(f.stored(other, "Ann"));
        if (c.answer == 2) {
            EXPECT_EQ(f.buffer().text(bir::LASTNAME), "Smith");  // as it was
        }
        if (c.answer == 3) {
            EXPECT_TRUE(form->isVisible());
            EXPECT_EQ(control(form, "BIR:LASTNAME")->text(), "Smythe");
        }
    }
}

TEST(UpdateForm, CancelWithoutChangesAsksNothing) {
    Fixture f;
    f.addSmith();
    QPointer<NameForm> form = f.open(ChangeRecord);
    QTest::keyClick(control(form, "BIR:LASTNAME"), Qt::Key_Escape);
    EXPECT_TRUE(f.ui.messages.shown.empty());
    EXPECT_EQ(f.responses, std::vector<std::uint8_t>{RequestCancelled});
}

TEST(UpdateForm, AnEntryThatCannotBeReadIsRefusedAndTheFieldKeepsItsValue) {
    Fixture f;
    f.addSmith();
    QPointer<NameForm> form = f.open(ChangeRecord);
    QLineEdit* dob = control(form, "BIR:DOB");
    const std::string expected = parseDateEntry("99/99/1980", conventionsOfUserLocale()).error;
    ASSERT_FALSE(expected.empty());

    // Left with Tab: the message, the old value back, and the focus back in the entry.
    typeInto(dob, "99/99/1980");
    tabOut(dob);
    ASSERT_EQ(f.ui.messages.shown.size(), 1u);
    EXPECT_EQ(f.ui.messages.shown[0].text, expected);
    EXPECT_EQ(f.buffer().date(bir::DOB), test::ymd(1980, 3, 15));
    EXPECT_EQ(dob->text(), typedDate(test::ymd(1980, 3, 15)));
    QTest::qWait(10);
    EXPECT_TRUE(dob->hasFocus());

    // With Enter (OK is the default button): refused the same way, and nothing is saved.
    typeInto(dob, "99/99/1980");
    QTest::keyClick(dob, Qt::Key_Return);
    EXPECT_EQ(f.ui.messages.shown.size(), 2u);
    EXPECT_TRUE(f.responses.empty());
    EXPECT_EQ(form->checks, 0);
    QTest::qWait(10);

    // A good entry and Enter complete the form as OK does, checks included.
    typeInto(dob, typedDate(test::ymd(1990, 1, 2)));
    QTest::keyClick(dob, Qt::Key_Return);
    EXPECT_EQ(form->checks, 1);
    EXPECT_EQ(f.responses, std::vector<std::uint8_t>{RequestCompleted});
    EXPECT_EQ(f.stored("Smith", "Ann")->fields[bir::DOB].number, test::ymd(1990, 1, 2));
}

TEST(UpdateForm, CompletionAcceptsEveryFieldOnceMore) {
    Fixture f;
    QPointer<NameForm> form = f.open(InsertRecord);
    typeInto(control(form, "BIR:LASTNAME"), "Jones");
    form->accepted.clear();
    click(form->findChild<QPushButton*>("OK"));
    // The name typed is taken first, then all four fields in window order.
    EXPECT_EQ(form->accepted, (std::vector<int>{bir::LASTNAME, bir::LASTNAME, bir::DOB,
                                                bir::SKIPPRINTBIRTH, UpdateForm::kMemoField}));
}

TEST(UpdateForm, TheHistoryKeyBringsBackTheLastSavedValueOfTheField) {
    Fixture f;
    QPointer<NameForm> form = f.open(InsertRecord);
    typeInto(control(form, "BIR:LASTNAME"), "Jones");
    typeInto(control(form, "BIR:DOB"), typedDate(test::ymd(1970, 7, 7)));
    control<QPlainTextEdit>(form, "BIR:NOTESBIG")->setFocus(Qt::MouseFocusReason);
    QTest::keyClicks(control<QPlainTextEdit>(form, "BIR:NOTESBIG"), "tall");
    click(form->findChild<QPushButton*>("OK"));
    ASSERT_EQ(f.responses.size(), 1u);

    form = f.open(InsertRecord);
    QLineEdit* dob = control(form, "BIR:DOB");
    dob->setFocus(Qt::MouseFocusReason);
    form->accepted.clear();
    QTest::keySequence(dob, UpdateForm::historyKey());
    EXPECT_EQ(dob->text(), typedDate(test::ymd(1970, 7, 7)));
    EXPECT_EQ(f.buffer().date(bir::DOB), test::ymd(1970, 7, 7));
    EXPECT_EQ(form->accepted, std::vector<int>{bir::DOB});  // taken as if typed
    EXPECT_EQ(control(form, "BIR:LASTNAME")->text(), "");   // only the focused entry
    auto* memo = control<QPlainTextEdit>(form, "BIR:NOTESBIG");
    memo->setFocus(Qt::MouseFocusReason);
    QTest::keySequence(memo, UpdateForm::historyKey());
    EXPECT_EQ(memo->toPlainText(), "tall");

    // Another thread has saved nothing: its forms have no history.
    ThreadContext& other = f.threads.start();
    other.files().birthdays().open();
    other.requestCode = InsertRecord;
    auto* elsewhere = new NameForm(f.app, other, &f.owner, {});
    elsewhere->start();
    activate(elsewhere);
    QLineEdit* name = control(elsewhere, "BIR:LASTNAME");
    name->setFocus(Qt::MouseFocusReason);
    QTest::keySequence(name, UpdateForm::historyKey());
    EXPECT_EQ(name->text(), "");
    elsewhere->close();
    other.files().birthdays().close();
}

TEST(UpdateForm, AWriteRefusedKeepsTheFormOpenWithTheEntries) {
    Fixture f;
    f.addSmith();
    QPointer<NameForm> form = f.open(ChangeRecord);
    typeInto(control(form, "BIR:LASTNAME"), "Smythe");

    // Meanwhile another window changes the same person.
    ThreadContext& other = f.threads.start();
    FileAccessManager& theirs = other.files().birthdays();
    ASSERT_TRUE(theirs.open());
    theirs.buffer().setText(bir::LASTNAME, "Smith");
    theirs.buffer().setText(bir::FIRSTNAME, "Ann");
    ASSERT_TRUE(theirs.fetch(birkey::NameKey));
    theirs.buffer().setText(bir::NOTES, "changed elsewhere");
    ASSERT_TRUE(theirs.update());
    theirs.close();

    click(form->findChild<QPushButton*>("OK"));
    ASSERT_EQ(f.ui.messages.shown.size(), 1u);
    EXPECT_EQ(f.ui.messages.shown[0].caption, "Record Update Error");
    EXPECT_TRUE(form->isVisible());
    EXPECT_TRUE(f.responses.empty());
    EXPECT_EQ(control(form, "BIR:LASTNAME")->text(), "Smythe");
    EXPECT_EQ(f.stored("Smith", "Ann")->fields[bir::NOTES].text, "changed elsewhere");

    f.ui.messages.answers = {2};  // Save Record? No
    form->close();
    EXPECT_EQ(f.responses, std::vector<std::uint8_t>{RequestCancelled});
}

}  // namespace
}  // namespace ntx
