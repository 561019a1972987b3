// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QWidget>

#include <functional>

namespace telvorin::test {

// Opens, one after the other, every window the program builds from a dialog template
// (main, About, both logins, language, install, restart), each shown and with its events
// processed, and calls `check` with a short name for it. Nothing talks to a network.
void ForEachTemplateWindow(const std::function<void(const char* name, QWidget& window)>& check);

// A stable name for a control of a window: its object name, prefixed by the named
// control it belongs to ("ipAddressEdit/octet0"). Group boxes and the window are left
// out, so the name stays when a control is put inside a group box. Empty for widgets
// without an object name and for Qt's own parts ("qt_*").
QString ControlPath(const QWidget& widget);

} // namespace telvorin::test
