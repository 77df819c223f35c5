// A platform layer for GUI tests: every answer the desktop would give (a file
// name, Yes or No, a prompt's text) is queued by the test beforehand, and
// every box, prompt, file dialog and opened address is recorded. A question
// the test did not script fails the running test and is answered with
// "Cancel"/"No", so a forgotten answer never blocks on a modal box.
#pragma once

#include <QStringList>
#include <QTest>
#include <deque>
#include <optional>
#include <vector>

#include "ui/Platform.h"

namespace velmara {

class ScriptedPlatform final : public Platform {
 public:
  enum class BoxKind { Information, Warning, Message, Error, Confirm, Prompt };

  struct Box {
    BoxKind kind;
    QString title;
    QString text;
  };

  // --- Answers, consumed front first. An empty file name means Cancel.
  std::deque<QString> openFileNames;
  std::deque<QString> saveFileNames;
  std::deque<bool> confirmAnswers;
  std::deque<std::optional<QString>> promptAnswers;  // nullopt means Cancel
  bool clipboardHoldsText = false;
  QString clipboard;

  // --- Records.
  std::vector<Box> boxes;                      // message boxes, questions and prompts in order
  std::vector<FileDialogRequest> fileDialogs;  // every file dialog shown
  std::vector<QString> promptInitials;         // edit text of each prompt
  std::vector<QUrl> openedUrls;
  QStringList unscripted;  // questions that found no queued answer

  void answerOpen(const QString& path) { openFileNames.push_back(path); }
  void answerSave(const QString& path) { saveFileNames.push_back(path); }
  void answerConfirm(bool yes) { confirmAnswers.push_back(yes); }
  void answerPrompt(std::optional<QString> text) { promptAnswers.push_back(std::move(text)); }

  // True when every queued answer was used and no question went unanswered.
  bool allAnswered() const {
    return unscripted.isEmpty() && openFileNames.empty() && saveFileNames.empty() &&
           confirmAnswers.empty() && promptAnswers.empty();
  }
  QString describeLeftovers() const {
    return QStringLiteral(
               "unscripted: [%1]; unused answers: open %2, save %3, confirm %4, prompt %5")
        .arg(unscripted.join(QStringLiteral("; ")))
        .arg(openFileNames.size())
        .arg(saveFileNames.size())
        .arg(confirmAnswers.size())
        .arg(promptAnswers.size());
  }

  // Texts of the boxes of one kind, in order.
  QStringList texts(BoxKind kind) const {
    QStringList result;
    for (const Box& box : boxes)
      if (box.kind == kind) result << box.text;
    return result;
  }
  QStringList informationTexts() const { return texts(BoxKind::Information); }

  void clearRecords() {
    boxes.clear();
    fileDialogs.clear();
    promptInitials.clear();
    openedUrls.clear();
    unscripted.clear();
  }

  // --- Platform
  QString getOpenFileName(QWidget*, const FileDialogRequest& request) override {
    fileDialogs.push_back(request);
    return take(openFileNames, QString(), QStringLiteral("open file dialog: ") + request.title);
  }
  QString getSaveFileName(QWidget*, const FileDialogRequest& request) override {
    fileDialogs.push_back(request);
    return take(saveFileNames, QString(), QStringLiteral("save file dialog: ") + request.title);
  }
  void information(QWidget*, const QString& title, const QString& text) override {
    boxes.push_back({BoxKind::Information, title, text});
  }
  void warning(QWidget*, const QString& title, const QString& text) override {
    boxes.push_back({BoxKind::Warning, title, text});
  }
  void message(QWidget*, const QString& text) override {
    boxes.push_back({BoxKind::Message, QString(), text});
  }
  void error(QWidget*, const QString& text) override {
    boxes.push_back({BoxKind::Error, QString(), text});
  }
  bool confirm(QWidget*, const QString& text) override {
    boxes.push_back({BoxKind::Confirm, QString(), text});
    return take(confirmAnswers, false, QStringLiteral("confirmation: ") + text);
  }
  std::optional<QString> prompt(QWidget*, const QString& title, const QString& label,
                                const QString& initial) override {
    boxes.push_back({BoxKind::Prompt, title, label});
    promptInitials.push_back(initial);
    return take(promptAnswers, std::optional<QString>(), QStringLiteral("prompt: ") + title);
  }
  bool clipboardHasText() override { return clipboardHoldsText; }
  QString clipboardText() override { return clipboardHoldsText ? clipboard : QString(); }
  void setClipboardText(const QString& text) override {
    clipboard = text;
    clipboardHoldsText = true;
  }
  void openUrl(const QUrl& url) override { openedUrls.push_back(url); }

 private:
  template <typename T>
  T take(std::deque<T>& queue, T fallback, const QString& question) {
    if (queue.empty()) {
      unscripted << question;
      QTest::qFail(qPrintable(QStringLiteral("unscripted question: ") + question), __FILE__,
                   __LINE__);
      return fallback;
    }
    // The answer is moved straight into the return value and only then
    // popped: a named local copy of an optional answer trips GCC 12's
    // maybe-uninitialized warning.
    struct PopFront {
      std::deque<T>& queue;
      ~PopFront() { queue.pop_front(); }
    } pop{queue};
    return std::move(queue.front());
  }
};

}  // namespace velmara
