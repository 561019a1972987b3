// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <QWidget>

#include <functional>

class QDialog;

namespace telvorin::test {

// Answers the next modal dialog that the code under test opens with exec(). Arm it
// before the call that opens the dialog; a timer polls for
// QApplication::activeModalWidget() and hands it to the answer, which usually clicks a
// button or calls accept()/reject(). Gives up after `timeoutMs` (the dialog then stays
// open and the test's own checks will fail on it).
//
//   ModalAnswerer answer([](QWidget* w) { qobject_cast<QDialog*>(w)->reject(); });
//   dialog.OnAbout();                  // returns once the answer closed the box
//   EXPECT_TRUE(answer.answered());
//   EXPECT_EQ(answer.seenObjectName(), "aboutDialog");
class ModalAnswerer : public QObject {
    Q_OBJECT
public:
    using Answer = std::function<void(QWidget* modal)>;

    explicit ModalAnswerer(Answer answer, int timeoutMs = 5000);
    ~ModalAnswerer() override;

    bool answered() const { return answered_; }
    // Object name, class and window title of the dialog that was answered.
    const QString& seenObjectName() const { return objectName_; }
    const QString& seenClassName() const { return className_; }
    const QString& seenTitle() const { return title_; }

    // Ready-made answers.
    static Answer accept();
    static Answer reject();
    // Clicks the child button with this object name.
    static Answer clickButton(const QString& objectName);
    // Sends a key press (such as Escape) to the dialog.
    static Answer pressKey(int key);

private:
    void poll();

    Answer answer_;
    QTimer timer_;
    int remainingPolls_;
    bool answered_ = false;
    QString objectName_;
    QString className_;
    QString title_;
};

// The names of every visible top-level widget, for checks that a test left no window
// open ("mainDialog (QDialog) 'Telvorin'").
QStringList VisibleTopLevels();

} // namespace telvorin::test

// In a test body: fails unless no top-level window is visible.
#define EXPECT_NO_WINDOW_LEFT()                                                                              \
    EXPECT_TRUE(::telvorin::test::VisibleTopLevels().isEmpty())                                              \
        << ::telvorin::test::VisibleTopLevels().join(QStringLiteral(", ")).toStdString()
