// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>

namespace telvorin {

// The application object: one per process. InitInstance opens the transport, applies
// the colours, runs the main window modally and returns when it ends.
class TelvorinApp : public QApplication {
    Q_OBJECT
public:
    TelvorinApp(int& argc, char** argv);

    // The whole run; the process exit code.
    int InitInstance();
};

} // namespace telvorin
