// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/ModalHelper.h"

#include "ui/BlockingStep.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QTest>

namespace telvorin::test {

namespace {
constexpr int PollMs = 10;
}

ModalAnswerer::ModalAnswerer(Answer answer, int timeoutMs)
    : answer_(std::move(answer))
    , remainingPolls_(std::max(1, timeoutMs / PollMs))
{
    timer_.setInterval(PollMs);
    connect(&timer_, &QTimer::timeout, this, &ModalAnswerer::poll);
    timer_.start();
}

ModalAnswerer::~ModalAnswerer() = default;

void ModalAnswerer::poll()
{
    if (answered_)
        return;
    // A person's answer waits for the step's end, like any input.
    if (BlockingStepHoldsInput())
        return;
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || !modal->isVisible()) {
        if (--remainingPolls_ <= 0)
            timer_.stop();
        return;
    }
    answered_ = true;
    timer_.stop();
    objectName_ = modal->objectName();
    className_ = QString::fromLatin1(modal->metaObject()->className());
    title_ = modal->windowTitle();
    answer_(modal);
}

ModalAnswerer::Answer ModalAnswerer::accept()
{
    return [](QWidget* modal) {
        if (auto* dialog = qobject_cast<QDialog*>(modal))
            dialog->accept();
    };
}

ModalAnswerer::Answer ModalAnswerer::reject()
{
    return [](QWidget* modal) {
        if (auto* dialog = qobject_cast<QDialog*>(modal))
            dialog->reject();
    };
}

ModalAnswerer::Answer ModalAnswerer::clickButton(const QString& objectName)
{
    return [objectName](QWidget* modal) {
        if (auto* button = modal->findChild<QAbstractButton*>(objectName))
            button->click();
    };
}

ModalAnswerer::Answer ModalAnswerer::pressKey(int key)
{
    return [key](QWidget* modal) { QTest::keyClick(modal, static_cast<Qt::Key>(key)); };
}

QStringList VisibleTopLevels()
{
    QStringList names;
    const auto widgets = QApplication::topLevelWidgets();
    for (const QWidget* widget : widgets) {
        if (!widget->isVisible())
            continue;
        names << QStringLiteral("%1 (%2) '%3'")
                     .arg(widget->objectName(), QString::fromLatin1(widget->metaObject()->className()),
                          widget->windowTitle());
    }
    return names;
}

} // namespace telvorin::test
