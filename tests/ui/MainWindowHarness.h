// A fresh main window per test, driven the way a user drives it: clicks on
// buttons and list rows, keys typed into edits, menu items triggered, with
// ScriptedPlatform answering every box and dialog. Controls are found by
// their object names.
#pragma once

#include <QAbstractButton>
#include <QAction>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QStackedWidget>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QWidget>
#include <memory>
#include <string>
#include <utility>

#include "codec/Password.h"
#include "codec/VelmaraData.h"
#include "tests/common/PasswordSupport.h"
#include "tests/ui/ScriptedPlatform.h"
#include "tests/ui/UserInput.h"
#include "ui/main.h"

namespace velmara::testing {

class MainWindowHarness {
 public:
  ScriptedPlatform platform;
  std::unique_ptr<TfmMain> window;

  // Creates and shows the window, as the program does at start-up.
  TfmMain& open() {
    window.reset();
    platform = ScriptedPlatform();  // no answer or record leaks from an earlier test
    window = std::make_unique<TfmMain>(platform);
    window->show();
    if (!QTest::qWaitForWindowExposed(window.get()))
      QTest::qFail("the main window was not exposed", __FILE__, __LINE__);
    return *window;
  }

  void close() { window.reset(); }

  // Shows a record as a loader would: into the record, then the controls.
  void load(const TPasswordData& data) const {
    window->Data = data;
    window->DataToControls();
  }

  template <typename T = QWidget>
  T* find(const QString& name) const {
    T* control = window->findChild<T*>(name);
    if (!control) qFatal("no control named %s of the expected kind", qPrintable(name));
    return control;
  }
  QLineEdit* edit(const QString& name) const { return find<QLineEdit>(name); }
  QListWidget* list(const QString& name) const { return find<QListWidget>(name); }
  QAbstractButton* button(const QString& name) const { return find<QAbstractButton>(name); }
  QAction* action(const QString& name) const { return find<QAction>(name); }

  // --- What the user does.
  // The tab widget and the page of it that hold `control`, or nulls.
  static std::pair<QTabWidget*, QWidget*> tabPageOf(QWidget* control) {
    for (QWidget* child = control; child && child->parentWidget(); child = child->parentWidget()) {
      if (auto* stack = qobject_cast<QStackedWidget*>(child->parentWidget())) {
        if (auto* tabs = qobject_cast<QTabWidget*>(stack->parentWidget())) return {tabs, child};
      }
    }
    return {nullptr, nullptr};
  }

  // Brings the tab that holds `control` to the front, as a click on the tab does.
  static void showTabOf(QWidget* control) {
    if (auto [tabs, page] = tabPageOf(control); tabs) tabs->setCurrentWidget(page);
  }
  // The same with a mouse click on the tab.
  static void clickTabOf(QWidget* control) {
    if (auto [tabs, page] = tabPageOf(control); tabs) {
      QTabBar* bar = tabs->tabBar();
      QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier,
                        bar->tabRect(tabs->indexOf(page)).center());
    }
  }

  void click(const QString& buttonName) const {
    QAbstractButton* target = button(buttonName);
    showTabOf(target);
    QTest::mouseClick(target, Qt::LeftButton);
  }
  void trigger(const QString& actionName) const { action(actionName)->trigger(); }
  void refresh() const { click(QStringLiteral("btnPassword")); }

  // Replaces the edit's text by typing, as far as its maximum length lets.
  void type(const QString& editName, const QString& text) const {
    QLineEdit* target = edit(editName);
    showTabOf(target);
    target->setFocus();
    target->selectAll();
    QTest::keyClick(target, Qt::Key_Backspace);
    QTest::keyClicks(target, text);
  }

  // The same with the keyboard and the mouse only: a click on the tab that
  // holds the edit, a click into the edit, Ctrl+A and the keys of `text`.
  void typeByKeys(const QString& editName, const QString& text) const {
    QLineEdit* target = edit(editName);
    clickTabOf(target);
    QTest::mouseClick(target, Qt::LeftButton);
    QTest::keyClick(target, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(target, Qt::Key_Delete);
    QTest::keyClicks(target, text);
  }

  static void clickRow(QListWidget* target, int row) {
    showTabOf(target);
    QListWidgetItem* item = target->item(row);
    target->scrollToItem(item);
    QTest::mouseClick(target->viewport(), Qt::LeftButton, Qt::NoModifier,
                      target->visualItemRect(item).center());
  }
  static void doubleClickRow(QListWidget* target, int row) {
    clickRow(target, row);
    QTest::mouseDClick(target->viewport(), Qt::LeftButton, Qt::NoModifier,
                       target->visualItemRect(target->item(row)).center());
  }
  // Selects the row and toggles its check box with the space bar.
  static void toggleRow(QListWidget* target, int row) {
    clickRow(target, row);
    QTest::keyClick(target->viewport(), Qt::Key_Space);
  }
  static bool isChecked(const QListWidget* target, int row) {
    return target->item(row)->checkState() == Qt::Checked;
  }

  // --- What the user sees.
  QStringList memoLines() const {
    const QString text = find<QPlainTextEdit>(QStringLiteral("Memo1"))->toPlainText();
    return text.isEmpty() ? QStringList() : text.split(u'\n');
  }
  QStringList pageEntries() const { return rows(list(QStringLiteral("lbPages"))); }
  static QStringList rows(const QListWidget* target) {
    QStringList texts;
    for (int i = 0; i < target->count(); ++i) texts << target->item(i)->text();
    return texts;
  }

  // The whole password as read page by page from the memo.
  QString shownPassword() const {
    QString password;
    QListWidget* pages = list(QStringLiteral("lbPages"));
    for (int p = 0; p < pages->count(); ++p) {
      clickRow(pages, p);
      for (QString line : memoLines()) password += line.remove(QStringLiteral("  "));
    }
    return password;
  }
};

// The record a password decodes to, on a zeroed record as the import does.
inline TPasswordData Decoded(TPasswordType type, std::string_view password) {
  TPasswordData data{};
  TVelmaraPasswordDecoder decoder;
  const std::string message = decoder.DecodePassword(type, password, &data);
  if (!message.empty()) qFatal("test password rejected: %s", message.c_str());
  return data;
}

inline QString Encoded(TPasswordType type, const TPasswordData& data) {
  return QString::fromStdString(PasswordOf(type, data));
}

inline QByteArray Bytes(const TPasswordData& data) {
  return QByteArray::fromStdString(RecordBytes(data));
}

inline QString DefaultPassword(DefaultParty which) {
  return QString::fromLatin1(kDefaultPasswords[which]);
}

// Base of the main-window test classes: a fresh window before every test
// function, made the active window for tests of keys and focus, and after
// it, a check that every scripted answer was used.
class MainWindowTest : public QObject {
  Q_OBJECT

 public:
  explicit MainWindowTest(bool activate = false) : activate_(activate) {}

 protected:
  MainWindowHarness ui;

 private:
  const bool activate_;

 private slots:
  void init() {
    ui.open();
    if (activate_) QVERIFY2(Activate(ui.window.get()), "keys and focus need an active window");
  }
  void cleanup() {
    QVERIFY2(ui.platform.allAnswered(), qPrintable(ui.platform.describeLeftovers()));
    ui.close();
  }
};

}  // namespace velmara::testing
