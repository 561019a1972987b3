// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What a person does on the main window before Connect or Disconnect, shared by the
// mapping tests over in-memory drives and those against the lab's shares.

#include "app/MainDialog.h"
#include "app/WindowServices.h"
#include "dialogs/LoginDialog.h"
#include "ui/ModalHelper.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <memory>

namespace telvorin::test {

// The main window over these services, initialised as at start-up (the first search run).
inline std::unique_ptr<MainDialog> OpenMainWindow(const WindowServices& window)
{
    auto dialog = std::make_unique<MainDialog>(window.services());
    dialog->OnInitDialog();
    return dialog;
}

// Makes the named volume the only one selected.
inline void SelectVolume(MainDialog& dialog, const QString& name)
{
    const auto rows = dialog.controls().volumeList->findItems(name, Qt::MatchExactly, 0);
    ASSERT_EQ(rows.size(), 1) << "volume not listed: " << name.toStdString();
    dialog.controls().volumeList->clearSelection();
    rows.front()->setSelected(true);
}

inline void ChooseLetter(MainDialog& dialog, const QString& drive)
{
    QComboBox* letters = dialog.controls().driveLetters;
    const int index = letters->findText(drive, Qt::MatchStartsWith);
    ASSERT_GE(index, 0) << drive.toStdString();
    letters->setCurrentIndex(index);
}

// The volume's location column: its letter or empty; "<no row>" when it is not listed.
inline QString VolumeLocation(MainDialog& dialog, const QString& volume)
{
    const auto rows = dialog.controls().volumeList->findItems(volume, Qt::MatchExactly, 0);
    return rows.size() == 1 ? rows.front()->text(1) : QStringLiteral("<no row>");
}

// Answers the login window with this user and password.
inline ModalAnswerer::Answer TypeLogin(const QString& user, const QString& password)
{
    return [user, password](QWidget* modal) {
        auto* login = qobject_cast<LoginDialog*>(modal);
        ASSERT_NE(login, nullptr);
        login->userNameEdit()->setText(user);
        login->passwordEdit()->setText(password);
        login->accept();
    };
}

} // namespace telvorin::test
